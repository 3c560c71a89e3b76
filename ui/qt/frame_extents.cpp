#include "ui/qt/frame_extents.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace ui::qt {
namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> owned(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const auto reply = owned(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool supports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature)
{
    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    const auto cookie = xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096);
    const auto reply = owned(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

std::optional<QMargins> frameExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents)
{
    const auto cookie = xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4);
    const auto reply = owned(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // Left, right, top, bottom.
    const auto* edge = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(
        static_cast<int>(edge[0]), static_cast<int>(edge[2]), static_cast<int>(edge[1]), static_cast<int>(edge[3]));
}

// Qt learns its own decoration only once a window shows, and the window's size
// depends on it. A bare window of the same flags, shown and taken down at once,
// tells it: the compositor sees a surface that never gets a buffer, so nothing
// appears, and screen readers see no such window.
QMargins clientSideDecoration(const QWidget& window)
{
    QWindow probe;
    probe.setFlags(window.windowFlags());
    probe.resize(window.size());
    probe.show();
    const QMargins frame = probe.frameMargins();
    probe.destroy();
    return frame;
}

}  // namespace

bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<QMargins> requestFrameExtents(QWidget& window)
{
    if (compositorPlacesWindows())
        return clientSideDecoration(window);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto tree = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!supports(connection, tree->root, request))
        return std::nullopt;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The manager answers by setting a property; Qt reads the events, so look
    // at the property itself.
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    return awaitFrame([&] { return frameExtents(connection, id, extents); }, std::chrono::seconds(1));
}

std::optional<QMargins> awaitFrame(
    const std::function<std::optional<QMargins>()>& read, std::chrono::milliseconds patience)
{
    constexpr std::chrono::milliseconds interval(2);
    for (auto waited = std::chrono::milliseconds(0); waited < patience; waited += interval) {
        if (const std::optional<QMargins> frame = read())
            return frame;
        std::this_thread::sleep_for(interval);
    }
    return read();
}

}  // namespace ui::qt
