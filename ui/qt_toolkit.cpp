#include "ui/qt_toolkit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "ui/qt_controls.h"

namespace ui {
namespace {

constexpr double TwipsPerPixel = 15.0;

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(game::Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

// Sizes in pixels rather than points keep text in proportion to the twip
// layout whatever DPI the screen reports: a point is 20 twips.
QFont qfont(const Font& font)
{
    QFont result(text(font.face));
    result.setPixelSize(static_cast<int>(std::lround(font.points * 20.0 / TwipsPerPixel)));
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

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QtToolkit::QtToolkit(std::function<void(int)> endProgram) : m_endProgram(std::move(endProgram))
{
    if (!m_endProgram)
        m_endProgram = [](int status) { QCoreApplication::exit(status); };
    // Where the window's faces are missing, these stand in with the same size and weight.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Lucida Handwriting"), QStringLiteral("Dancing Script"));
}

QtToolkit::~QtToolkit()
{
    delete m_window;
}

void QtToolkit::loadWindow(std::string_view caption, int widthTwips, int heightTwips, game::Colour background)
{
    auto* form = new FormWindow(qcolor(background));
    form->setObjectName(QStringLiteral("Form1"));
    form->setWindowTitle(text(caption));
    form->setFixedSize(pixels(widthTwips), pixels(heightTwips));
    m_window = form;
    m_controls.clear();
}

void QtToolkit::unloadWindow()
{
    m_controls.clear();
    if (!m_window)
        return;
    m_window->hide();
    // The click that asked for the unload may still be on the stack of one of its buttons.
    m_window->deleteLater();
    m_window = nullptr;
}

void QtToolkit::showWindow()
{
    // Without a window manager nobody else would centre it. On a screen smaller
    // than the window, its top left corner stays on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        m_window->move(area.x() + std::max(0, (area.width() - m_window->width()) / 2),
            area.y() + std::max(0, (area.height() - m_window->height()) / 2));
    }
    m_window->show();
}

ControlId QtToolkit::create(const ControlProperties& properties, std::function<void()> onClick)
{
    if (!m_window)
        throw std::logic_error("control created with no window loaded");
    const QRect place(pixels(properties.place.left), pixels(properties.place.top), pixels(properties.place.width),
        pixels(properties.place.height));
    if (properties.kind == ControlKind::Circle || properties.kind == ControlKind::Rectangle) {
        const auto form = properties.kind == ControlKind::Circle ? Shape::Form::Circle : Shape::Form::Rectangle;
        const int shape
            = m_window->addShape({text(properties.name), form, place, qcolor(properties.back), properties.visible});
        m_controls.push_back({nullptr, shape, properties.back});
        return static_cast<ControlId>(m_controls.size() - 1);
    }

    QWidget* widget = nullptr;
    QAbstractButton* button = nullptr;
    if (properties.kind == ControlKind::CommandButton) {
        button = new QPushButton(text(properties.caption), m_window);
        widget = button;
    } else if (properties.kind == ControlKind::ColourButton) {
        button = new ColourButton(qcolor(properties.back), m_window);
        widget = button;
    } else {
        auto* label = new QLabel(text(properties.caption), m_window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
    }
    widget->setObjectName(text(properties.name));
    if (!properties.accessibleName.empty())
        widget->setAccessibleName(text(properties.accessibleName));
    if (properties.font)
        widget->setFont(qfont(*properties.font));
    widget->setGeometry(place);
    widget->setVisible(properties.visible);
    if (button && onClick)
        QObject::connect(button, &QAbstractButton::clicked, button, [onClick = std::move(onClick)] { onClick(); });

    m_controls.push_back({widget, -1, properties.back});
    return static_cast<ControlId>(m_controls.size() - 1);
}

void QtToolkit::setTabOrder(std::span<const ControlId> order)
{
    QWidget* previous = nullptr;
    for (const ControlId id : order) {
        QWidget* widget = control(id).widget;
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
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
    if (QWidget* widget = control(id).widget)
        widget->setAccessibleName(text(name));
}

void QtToolkit::describeRow(int, std::string_view, bool)
{
}

void QtToolkit::describeSecret(std::string_view)
{
}

Answer QtToolkit::askYesNo(std::string_view title, std::string_view message)
{
    YesNoBox box(text(title), text(message), m_window);
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

}  // namespace ui
