#include "ui/qt/accessible_board.h"

#include <algorithm>
#include <utility>

#include <QAccessible>
#include <QCursor>
#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>

namespace ui::qt {
namespace {

// Two looks at the same place make a cursor at rest: about as long as a
// tooltip takes to wake up.
constexpr int CursorLookMs = 350;
// How long a screen reader takes in a new window before it can listen.
constexpr int SettleMs = 500;

}  // namespace

AccessibleBoard::AccessibleBoard(QWidget& window, const Scale& scale) : m_window(window), m_scale(scale)
{
    m_settle.setSingleShot(true);
    m_settle.callOnTimeout(this, &AccessibleBoard::sayUnheard);
    m_look.callOnTimeout(this, &AccessibleBoard::showSecretToCursorAtRest);
    window.installEventFilter(this);
}

void AccessibleBoard::describeRow(int row, const Twips& place, const QString& name, bool current)
{
    if (!m_board) {
        m_board = new AccessibleNode(QAccessible::List, &m_window, {}, QStringLiteral("Board"));
        for (Placed& item : m_rows)
            item.node = new AccessibleNode(QAccessible::ListItem, m_board);
    }
    Placed& item = m_rows.at(static_cast<std::size_t>(row));
    if (item.place != place) {
        item.place = place;
        followScale();
    }
    item.node->setName(name);
    item.node->setDescription(current ? QStringLiteral("current row") : QString());
}

void AccessibleBoard::describeSecret(const Twips& place, const QString& name)
{
    if (!m_secret.node) {
        m_secret = {new AccessibleNode(QAccessible::StaticText, &m_window, m_scale.pixels(place), name), place};
        m_secret.node->tellCreated();
        // The secret shows only behind a modal question, and a window behind
        // one gets no mouse events, so no tooltip events either: look for the cursor.
        m_look.start(CursorLookMs);
    }
    m_secret.node->setName(name);
}

void AccessibleBoard::nameShape(int shape, const Twips& place, const QString& name)
{
    Placed& named = m_shapes[shape];
    if (!named.node)
        named = {new AccessibleNode(QAccessible::Graphic, &m_window, m_scale.pixels(place)), place};
    named.node->setName(name);
}

void AccessibleBoard::notify(const QString& text)
{
    if (!QAccessible::isActive())
        return;
    // Orca drops what a window that it has not seen activated says, and a new
    // window speaks before its manager activates it.
    if (!m_window.isActiveWindow()) {
        m_unheard = text;
        return;
    }
    if (!m_notification)
        m_notification = new AccessibleNode(QAccessible::Notification, &m_window);
    m_notification->showNotification(text);
}

void AccessibleBoard::sayUnheard()
{
    if (!m_unheard.isEmpty())
        notify(std::exchange(m_unheard, {}));
}

void AccessibleBoard::followScale()
{
    QRect board;
    for (Placed& item : m_rows) {
        if (item.node) {
            item.node->setPlace(m_scale.pixels(item.place));
            board = board.united(item.node->place());
        }
    }
    if (m_board)
        m_board->setPlace(board);
    for (auto& [shape, named] : m_shapes)
        named.node->setPlace(m_scale.pixels(named.place));
    if (m_secret.node)
        m_secret.node->setPlace(m_scale.pixels(m_secret.place));
}

void AccessibleBoard::forget()
{
    m_settle.stop();
    m_look.stop();
    m_board = nullptr;
    m_rows = {};
    m_shapes.clear();
    m_secret = {};
    m_notification = nullptr;
    m_unheard.clear();
}

QObjectList AccessibleBoard::leading() const
{
    return m_board ? QObjectList{m_board} : QObjectList{};
}

QObjectList AccessibleBoard::trailing() const
{
    QObjectList nodes;
    for (const auto& [shape, named] : m_shapes)
        nodes.append(named.node);
    for (AccessibleNode* node : {m_secret.node, m_notification}) {
        if (node)
            nodes.append(node);
    }
    return nodes;
}

bool AccessibleBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    // A restart floods the screen reader with the old controls' going and the
    // new ones' coming, and Orca prunes a flooded queue, notifications
    // included: the text waits until it has worked through it.
    if (event->type() == QEvent::WindowActivate && !m_unheard.isEmpty())
        m_settle.start(SettleMs);
    if (event->type() != QEvent::ToolTip)
        return false;
    // Some colours look alike to some eyes: a row's words tell them apart.
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto showTip = [&](const AccessibleNode* node) {
        if (!node || !node->place().contains(help->pos()))
            return false;
        QToolTip::showText(help->globalPos(), node->name(), &m_window, node->place());
        return true;
    };
    if (std::any_of(m_rows.begin(), m_rows.end(), [&](const Placed& item) { return showTip(item.node); })
        || showTip(m_secret.node))
        return true;
    QToolTip::hideText();
    event->ignore();
    return true;
}

void AccessibleBoard::showSecretToCursorAtRest()
{
    const QPoint cursor = QCursor::pos();
    const bool atRest = cursor == std::exchange(m_cursor, cursor);
    const bool over = m_secret.node->place().contains(m_window.mapFromGlobal(cursor));
    if (over && atRest && QToolTip::text() != m_secret.node->name())
        QToolTip::showText(cursor, m_secret.node->name(), &m_window);
    else if (!over && QToolTip::text() == m_secret.node->name())
        QToolTip::hideText();
}

}  // namespace ui::qt
