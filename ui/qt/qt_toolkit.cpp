#include "ui/qt/qt_toolkit.h"

#include <stdexcept>

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMessageBox>
#include <QWindow>

#include "ui/qt/buttons.h"
#include "ui/qt/frame_extents.h"
#include "ui/qt/maximise.h"
#include "ui/qt/yes_no_box.h"

namespace ui::qt {
namespace {

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(game::Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

QFont qfont(const Font& font)
{
    QFont result(text(font.face));
    result.setBold(font.bold);
    // Captions are plain ASCII that every face has; without merging, Qt skips
    // asking fontconfig for fallback faces.
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

}  // namespace

void showInternalError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Huecracker"),
        QStringLiteral("Huecracker met an internal error and must close:\n%1").arg(message));
}

QtToolkit::QtToolkit(std::function<void(int)> endProgram)
    : m_endProgram(std::move(endProgram)),
      m_placement(compositorPlacesWindows())
{
    if (!m_endProgram)
        m_endProgram = [](int status) { QCoreApplication::exit(status); };
}

QtToolkit::~QtToolkit()
{
    delete m_window;
}

void QtToolkit::loadWindow(std::string_view caption, int widthTwips, int heightTwips, game::Colour background)
{
    auto* form = new FormWindow(qcolor(background), QSize(widthTwips, heightTwips));
    form->setObjectName(QStringLiteral("Form1"));
    form->setWindowTitle(text(caption));
    m_window = form;
    m_controls.clear();
    m_firstFocus = nullptr;

    // The first load asks for the frame before the window shows, as a window
    // of fixed size, which some managers frame more thinly.
    form->setScale(1.0);
    if (!m_placement.knowsFrame())
        m_placement.frameAsked(requestFrameExtents(*form));
    const QScreen* screen = m_placement.nextScreen();
    form->setScale(screen ? m_placement.scale(form->size(), areaOf(*screen)) : 1.0);
    // The native window exists before the window is placed, at every load
    // alike: Qt takes a position given to a window that has one as the
    // client's, and one given to a window that has none yet as the frame's.
    form->winId();
    keepThroughMaximise(*form);
}

void QtToolkit::unloadWindow()
{
    m_controls.clear();
    m_firstFocus = nullptr;
    if (!m_window)
        return;
    if (QWindow* handle = m_window->windowHandle(); handle && m_window->isVisible())
        m_placement.windowClosed(handle->frameMargins(), handle->screen());
    m_window->hide();
    // Restarts can come faster than the event loop: the controls go now, and
    // the bare window, on whose stack the click may still be, once it has run.
    m_window->releaseControls(m_clicked);
    m_window->deleteLater();
    m_window = nullptr;
}

void QtToolkit::showWindow()
{
    if (const QScreen* screen = m_placement.nextScreen()) {
        if (const std::optional<QPoint> position = m_placement.clientPosition(m_window->size(), areaOf(*screen)))
            m_window->move(*position);
    }
    m_window->show();
    if (m_firstFocus)
        m_firstFocus->setFocus(Qt::OtherFocusReason);
}

ControlId QtToolkit::create(const ControlProperties& properties, std::function<void()> onClick)
{
    if (!m_window)
        throw std::logic_error("control created with no window loaded");

    QWidget* widget = nullptr;
    QAbstractButton* button = nullptr;
    switch (properties.kind) {
    case ControlKind::Circle:
    case ControlKind::Rectangle: {
        const auto form = properties.kind == ControlKind::Circle ? Shape::Form::Circle : Shape::Form::Rectangle;
        const int shape = m_window->addShape({.name = text(properties.name),
            .form = form,
            .place = properties.place,
            .rect = {},
            .colour = qcolor(properties.back),
            .visible = properties.visible});
        m_controls.push_back({nullptr, shape, properties.back});
        if (!properties.accessibleName.empty())
            m_window->reader().nameShape(shape, properties.place, text(properties.accessibleName));
        return static_cast<ControlId>(m_controls.size() - 1);
    }
    case ControlKind::CommandButton:
        button = new CommandButton(text(properties.caption), m_window->background(), m_window);
        widget = button;
        break;
    case ControlKind::ColourButton:
        button = new ColourButton(qcolor(properties.back), m_window);
        widget = button;
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(text(properties.caption), m_window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Its text takes the theme's colour, so its background must too: the
        // form's fixed grey is no ground for a dark theme's light text.
        label->setAutoFillBackground(true);
        widget = label;
        break;
    }
    }
    if (!widget)
        throw std::logic_error("control of an unknown kind: " + properties.name);

    widget->setObjectName(text(properties.name));
    if (!properties.accessibleName.empty())
        widget->setAccessibleName(text(properties.accessibleName));
    if (properties.font)
        widget->setFont(qfont(*properties.font));
    if (button && !properties.tabStop)
        button->setFocusPolicy(Qt::NoFocus);
    m_window->place(
        *widget, properties.place, properties.font ? std::optional<double>(properties.font->points) : std::nullopt);
    widget->setVisible(properties.visible);
    if (button && onClick) {
        // Clicks never nest: while a dialog waits, the window takes none.
        QObject::connect(button, &QAbstractButton::clicked, button, [this, button, onClick = std::move(onClick)] {
            m_clicked = button;
            onClick();
            m_clicked = nullptr;
        });
    }

    m_controls.push_back({widget, -1, properties.back});
    return static_cast<ControlId>(m_controls.size() - 1);
}

void QtToolkit::setTabOrder(std::span<const ControlId> order)
{
    std::vector<QWidget*> widgets;
    for (const ControlId id : order) {
        if (QWidget* widget = control(id).widget)
            widgets.push_back(widget);
    }
    m_window->setKeyboardOrder(widgets);
    m_firstFocus = widgets.empty() ? nullptr : widgets.front();
}

void QtToolkit::setBackColour(ControlId id, game::Colour colour)
{
    auto& target = m_controls.at(static_cast<std::size_t>(id));
    if (target.back == colour)
        return;
    target.back = colour;
    if (target.shape >= 0)
        m_window->setShapeColour(target.shape, qcolor(colour));
    else if (auto* button = dynamic_cast<ColourButton*>(target.widget))
        button->setColour(qcolor(colour));
}

game::Colour QtToolkit::backColour(ControlId id) const
{
    return control(id).back;
}

void QtToolkit::setVisible(ControlId id, bool visible)
{
    const Control& target = control(id);
    if (target.shape >= 0)
        m_window->setShapeVisible(target.shape, visible);
    else if (target.widget->isVisibleTo(m_window) != visible)
        target.widget->setVisible(visible);
}

void QtToolkit::setAccessibleName(ControlId id, std::string_view name)
{
    const Control& target = control(id);
    if (target.shape >= 0)
        m_window->reader().nameShape(target.shape, m_window->shape(target.shape).place, text(name));
    else if (const QString changed = text(name); changed != target.widget->accessibleName())
        target.widget->setAccessibleName(changed);
}

void QtToolkit::setAccessibleDescription(ControlId id, std::string_view description)
{
    QWidget* widget = control(id).widget;
    if (!widget)
        throw std::logic_error("a shape has no description");
    if (const QString changed = text(description); changed != widget->accessibleDescription())
        widget->setAccessibleDescription(changed);
}

void QtToolkit::describeRow(int row, const Twips& place, std::string_view name, bool current)
{
    m_window->reader().describeRow(row, place, text(name), current);
}

void QtToolkit::describeSecret(const Twips& place, std::string_view name)
{
    m_window->reader().describeSecret(place, text(name));
}

void QtToolkit::speak(std::string_view message)
{
    if (m_window)
        m_window->reader().notify(text(message));
}

Answer QtToolkit::askYesNo(std::string_view title, std::string_view message)
{
    YesNoBox box(text(title), text(message), m_window);
    keepThroughMaximise(box);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

void QtToolkit::reportError(std::string_view message)
{
    showInternalError(m_window, text(message));
}

void QtToolkit::end(int status)
{
    if (m_window)
        m_window->hide();
    m_endProgram(status);
}

const QtToolkit::Control& QtToolkit::control(ControlId id) const
{
    return m_controls.at(static_cast<std::size_t>(id));
}

}  // namespace ui::qt
