#include "ui/qt_toolkit.h"

#include <cmath>
#include <stdexcept>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QResource>
#include <QStandardPaths>
#include <QWindow>

#include "ui/qt_accessible.h"
#include "ui/qt_controls.h"
#include "ui/qt_screen.h"

namespace ui {
namespace {

constexpr double TwipsPerPixel = 15.0;
constexpr double TwipsPerPoint = 20.0;

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor qcolor(game::Colour colour)
{
    return QColor(colour.red(), colour.green(), colour.blue());
}

// The icon installed where icon themes keep it, else the one built in. Title
// bars and task switchers take these sizes; larger views find the installed
// icon through the desktop entry. Both ways avoid what costs more than
// bringing up the window itself: the icon loader reads the theme's whole index
// at every start, and decoding a PNG first loads every image plugin's details.
QIcon gameIcon()
{
    const QString name = QStringLiteral("org.huecracker.Huecracker");
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QString installed = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation, QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name));
        if (!installed.isEmpty()) {
            icon.addFile(installed, QSize(size, size));
            continue;
        }
        // Raw RGBA, made from the same artwork as the installed PNGs.
        const QByteArray pixels
            = QResource(QStringLiteral(":/icons/%1-%2.rgba").arg(name).arg(size)).uncompressedData();
        if (pixels.size() == qsizetype{size} * size * 4) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace

void showInternalError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Huecracker"),
        QStringLiteral("Huecracker met an internal error and must close:\n%1").arg(message));
}

QtToolkit::QtToolkit(std::function<void(int)> endProgram) : m_endProgram(std::move(endProgram))
{
    if (!m_endProgram)
        m_endProgram = [](int status) { QCoreApplication::exit(status); };
    // What holds for the whole program is set up once, however many toolkits it makes.
    static const bool setUp = [] {
        // Where the window's faces are missing, these stand in with the same size and weight.
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        QFont::insertSubstitution(QStringLiteral("Lucida Handwriting"), QStringLiteral("Dancing Script"));
        installAccessibility();
        QApplication::setWindowIcon(gameIcon());
        return true;
    }();
    Q_UNUSED(setUp);
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
    m_window = form;
    m_controls.clear();
    m_firstFocus = nullptr;

    // What the last load learnt of the frame holds for this one; the first
    // load asks the window manager before the window shows, as a window of
    // fixed size, which some managers frame more thinly.
    const QSize natural(static_cast<int>(widthTwips / TwipsPerPixel), static_cast<int>(heightTwips / TwipsPerPixel));
    form->setFixedSize(natural);
    if (!m_frame)
        m_frame = requestFrameExtents(*form);
    const QScreen* screen = m_screen ? m_screen.data() : QGuiApplication::primaryScreen();
    m_scale = screen ? fitScale(natural, m_frame.value_or(QMargins()), screen->availableGeometry()) : 1.0;
    // Rounded down, so that a scaled window never outgrows the room it was fitted to.
    form->setFixedSize(
        static_cast<int>(widthTwips * pixelsPerTwip() + 1e-9), static_cast<int>(heightTwips * pixelsPerTwip() + 1e-9));
}

void QtToolkit::unloadWindow()
{
    m_controls.clear();
    m_firstFocus = nullptr;
    if (!m_window)
        return;
    if (const QWindow* handle = m_window->windowHandle(); handle && m_window->isVisible()) {
        // A window restarted before its manager framed it reports no frame.
        if (const QMargins frame = handle->frameMargins(); !frame.isNull() || !m_frame)
            m_frame = frame;
        m_screen = handle->screen();
    }
    m_window->hide();
    // Restarts can come faster than the event loop: the controls go now, and
    // the bare window, on whose stack the click may still be, once it has run.
    m_window->releaseControls(m_clicked);
    m_window->deleteLater();
    m_window = nullptr;
}

void QtToolkit::showWindow()
{
    if (const QScreen* screen = m_screen ? m_screen.data() : QGuiApplication::primaryScreen())
        m_window->move(
            centredClientPosition(m_window->size(), m_frame.value_or(QMargins()), screen->availableGeometry()));
    m_window->show();
    if (m_firstFocus)
        m_firstFocus->setFocus(Qt::OtherFocusReason);
}

ControlId QtToolkit::create(const ControlProperties& properties, std::function<void()> onClick)
{
    if (!m_window)
        throw std::logic_error("control created with no window loaded");
    const QRect place = pixels(properties.place);

    QWidget* widget = nullptr;
    QAbstractButton* button = nullptr;
    switch (properties.kind) {
    case ControlKind::Circle:
    case ControlKind::Rectangle: {
        const auto form = properties.kind == ControlKind::Circle ? Shape::Form::Circle : Shape::Form::Rectangle;
        const int shape = m_window->addShape({.name = text(properties.name),
            .form = form,
            .rect = place,
            .colour = qcolor(properties.back),
            .visible = properties.visible,
            .node = {}});
        m_controls.push_back({nullptr, shape, properties.back});
        if (!properties.accessibleName.empty())
            m_window->setShapeAccessibleName(shape, text(properties.accessibleName));
        return static_cast<ControlId>(m_controls.size() - 1);
    }
    case ControlKind::CommandButton:
        button = new CommandButton(text(properties.caption), m_window);
        widget = button;
        break;
    case ControlKind::ColourButton:
        button = new ColourButton(qcolor(properties.back), m_window);
        widget = button;
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(text(properties.caption), m_window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
        widget->setFont(font(*properties.font));
    if (button && !properties.tabStop)
        button->setFocusPolicy(Qt::NoFocus);
    widget->setGeometry(place);
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
    QWidget* previous = nullptr;
    for (const ControlId id : order) {
        QWidget* widget = control(id).widget;
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            m_firstFocus = widget;
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
    const Control& target = control(id);
    if (target.shape >= 0)
        m_window->setShapeAccessibleName(target.shape, text(name));
    else
        target.widget->setAccessibleName(text(name));
}

void QtToolkit::describeRow(int row, std::string_view name, bool current)
{
    m_window->describeRow(row, text(name), current);
}

void QtToolkit::describeSecret(std::string_view name)
{
    m_window->describeSecret(text(name));
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

int QtToolkit::pixels(int twips) const
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

// From rounded edges rather than a rounded size, so that controls which touch
// or overlap by a few twips still do at every scale.
QRect QtToolkit::pixels(const Twips& place) const
{
    const int left = pixels(place.left);
    const int top = pixels(place.top);
    return {left, top, pixels(place.left + place.width) - left, pixels(place.top + place.height) - top};
}

// Sizes in pixels rather than points keep text in proportion to the twips
// whatever DPI the screen reports.
QFont QtToolkit::font(const Font& font) const
{
    QFont result(text(font.face));
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * TwipsPerPoint * pixelsPerTwip()))));
    result.setBold(font.bold);
    // Captions are plain ASCII that every face has; without merging, Qt skips
    // asking fontconfig for fallback faces.
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

}  // namespace ui
