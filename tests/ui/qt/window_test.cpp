// The real widgets on Qt's offscreen platform, driven by mouse clicks and key presses.

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <qpa/qplatformbackingstore.h>

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"
#include "tests/support/rows.h"
#include "ui/form1.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_toolkit.h"

namespace ui::qt {
namespace {

using game::testing::ScriptedUniform;
using testing::liveWidgets;
using testing::rgb;

// Runs `answer` on the next modal dialog as soon as it is open.
void onNextDialog(std::function<void(QMessageBox*)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no dialog open";
        answer(box);
    });
}

struct QtWindowTest : ::testing::Test {
    QtWindowTest() { form.load(); }
    ~QtWindowTest() override { liveWidgets(); }

    FormWindow* window() const { return toolkit.window(); }
    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* found = window()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Pegs and the swatch are painted by the window itself, the rest are widgets.
    QRect placeOf(const QString& name) const
    {
        if (const Shape* shape = window()->shapeNamed(name))
            return shape->rect;
        return control(name)->geometry();
    }
    bool isShown(const QString& name) const
    {
        if (const Shape* shape = window()->shapeNamed(name))
            return shape->visible && window()->isVisible();
        return control(name)->isVisible();
    }
    void click(const QString& name)
    {
        if (window()->shapeNamed(name))
            QTest::mouseClick(window(), Qt::LeftButton, {}, placeOf(name).center());
        else
            QTest::mouseClick(control(name), Qt::LeftButton);
    }
    // The colour the window shows at the centre of a control.
    QColor shownAt(const QString& name) const { return window()->grab().toImage().pixelColor(placeOf(name).center()); }
    void play(std::string_view pegs)
    {
        for (int p = 1; p <= 8; ++p) {
            const auto colour = game::paletteIndexOf(game::testing::peg(pegs[static_cast<std::size_t>(p - 1)]));
            click(QStringLiteral("Color(%1)").arg(*colour));
            click(QStringLiteral("Button(%1)").arg(p));
        }
        click(QStringLiteral("Go"));
    }

    std::vector<int> ends;
    QtToolkit toolkit{[this](int status) { ends.push_back(status); }};
    ScriptedUniform random = ScriptedUniform::forSecret("RROYGTBINKWMVIBT");
    Form1 form{toolkit, random};
};

TEST_F(QtWindowTest, WindowIsFixedTitledCentredAndGrey)
{
    EXPECT_EQ(window()->windowTitle(), "Huecracker");
    EXPECT_EQ(window()->size(), QSize(524, 629));
    EXPECT_EQ(window()->minimumSize(), window()->maximumSize());
    const Qt::WindowFlags flags = window()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(window()->isVisible());

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window()->x(), area.x() + std::max(0, (area.width() - 524) / 2));
    EXPECT_EQ(window()->y(), area.y() + std::max(0, (area.height() - 629) / 2));

    // Below the hidden answer row lies bare background.
    EXPECT_EQ(window()->grab().toImage().pixelColor(16, 610), QColor(192, 192, 192));
}

// Where each control goes in twips is the window logic's business, and how
// twips become pixels the scale's; here, that every kind of control gets there.
TEST_F(QtWindowTest, ControlsOfEveryKindSitAtTheirPlacesInPixels)
{
    EXPECT_EQ(placeOf("Guess(1)"), QRect(0, 0, 33, 33));
    EXPECT_EQ(placeOf("Guess(152)"), QRect(231, 594, 33, 33));
    EXPECT_EQ(placeOf("Clue(144)"), QRect(315, 578, 17, 17));
    EXPECT_EQ(placeOf("Button(3)"), QRect(429, 256, 49, 41));
    EXPECT_EQ(control<QPushButton>("Button(3)")->text(), "3");
    EXPECT_EQ(placeOf("Color(11)"), QRect(460, 192, 65, 65));
    EXPECT_EQ(placeOf("Go"), QRect(332, 368, 193, 135));
    EXPECT_EQ(placeOf("Label1"), QRect(336, 336, 121, 33));
    EXPECT_EQ(placeOf("Preview"), QRect(456, 336, 65, 33));

    for (const char* name : {"Guess(0)", "Clue(0)", "Button(0)", "Guess(145)", "Guess(152)"})
        EXPECT_FALSE(isShown(name)) << name;
    EXPECT_TRUE(isShown("Guess(144)"));
}

TEST_F(QtWindowTest, TextUsesTheWindowsFacesOrTheirStandIns)
{
    const auto check
        = [&](const QString& name, const QString& caption, const QStringList& faces, int pixels, bool bold) {
              const QWidget* widget = control(name);
              const QFontInfo info(widget->font());
              EXPECT_TRUE(faces.contains(info.family())) << name.toStdString() << ": " << info.family().toStdString();
              EXPECT_EQ(info.pixelSize(), pixels) << name.toStdString();
              EXPECT_EQ(info.bold(), bold) << name.toStdString();
              EXPECT_FALSE(info.italic());
              if (auto* button = qobject_cast<const QAbstractButton*>(widget))
                  EXPECT_EQ(button->text(), caption);
              else
                  EXPECT_EQ(qobject_cast<const QLabel*>(widget)->text(), caption);
          };
    const QStringList comic{"Comic Sans MS", "Comic Neue"};
    check("Go", "Go!", comic, 96, false);
    check("Reset", "Reset!", comic, 37, true);
    check("GiveUp", "Give Up!", comic, 37, true);
    check("Label1", "Color:", {"Lucida Handwriting", "Dancing Script"}, 29, true);
}

TEST_F(QtWindowTest, ColoursArePaintedExactlyAndNamedForScreenReaders)
{
    for (int c = 0; c < 12; ++c) {
        const QString name = QStringLiteral("Color(%1)").arg(c);
        EXPECT_EQ(shownAt(name), rgb(game::Palette[static_cast<std::size_t>(c)].colour)) << c;
        EXPECT_EQ(
            control(name)->accessibleName(), QString::fromLatin1(game::Palette[static_cast<std::size_t>(c)].name));
    }
    EXPECT_EQ(shownAt("Preview"), QColor(128, 64, 0));
    EXPECT_EQ(shownAt("Guess(1)"), QColor(192, 192, 192));
    EXPECT_EQ(shownAt("Clue(1)"), QColor(192, 192, 192));
}

TEST_F(QtWindowTest, ClicksChooseColoursPaintPegsAndScoreRows)
{
    click("Button(1)");
    EXPECT_EQ(shownAt("Guess(1)"), QColor(128, 64, 0));
    click("Color(1)");
    EXPECT_EQ(shownAt("Preview"), QColor(255, 0, 0));
    click("Button(3)");
    EXPECT_EQ(shownAt("Guess(3)"), QColor(255, 0, 0));
    // Pegs are outlined circles, so an empty one still shows on the grey board.
    const QImage image = window()->grab().toImage();
    for (const char* name : {"Guess(2)", "Guess(3)"}) {
        const QRect peg = placeOf(name);
        EXPECT_EQ(image.pixelColor(peg.topLeft()), QColor(192, 192, 192)) << name;
        EXPECT_LT(qGray(image.pixel(peg.left(), peg.center().y())), 64) << name;
    }

    play("RORKKKKK");
    EXPECT_EQ(form.state().row, 1);
    EXPECT_EQ(shownAt("Clue(1)"), QColor(0, 0, 0));
    EXPECT_EQ(shownAt("Clue(2)"), QColor(255, 255, 255));
    EXPECT_EQ(shownAt("Clue(3)"), QColor(255, 255, 255));
    EXPECT_EQ(shownAt("Clue(4)"), QColor(192, 192, 192));
    // Clicks on pegs, the swatch and the label do nothing.
    click("Guess(9)");
    click("Preview");
    click("Label1");
    EXPECT_EQ(shownAt("Guess(9)"), QColor(192, 192, 192));
    EXPECT_EQ(form.state().row, 1);

    // A press dragged off a button before its release is no click.
    QWidget* red = control("Color(1)");
    const QPoint off(red->width() / 2, red->height() + 40);
    QTest::mousePress(red, Qt::LeftButton);
    QTest::mouseMove(red, off);
    QTest::mouseRelease(red, Qt::LeftButton, {}, off);
    EXPECT_EQ(shownAt("Preview"), QColor(0, 0, 0));
}

TEST_F(QtWindowTest, OnASmallScreenTheWindowTextIncludedShrinksAlikeAndStaysCentred)
{
    // The netbook's screen, 1024x600, stands right of the desktop's.
    window()->move(1300, 10);
    ASSERT_EQ(window()->windowHandle()->screen()->geometry(), QRect(1280, 0, 1024, 600));
    click("Reset");
    // The offscreen platform's frame is 2 pixels wide, so the client area has
    // 596 of 629 pixels: every length, fonts included, at 0.948 of its natural size.
    EXPECT_EQ(window()->size(), QSize(496, 596));
    // Where on it: the table tests compute it, the fit test sees it on a real
    // X server; the offscreen platform of Qt 6.8 reads positions otherwise.
    EXPECT_EQ(window()->windowHandle()->screen()->name(), "netbook");
    EXPECT_EQ(QFontInfo(control("Go")->font()).pixelSize(), 91);
    EXPECT_EQ(QFontInfo(control("GiveUp")->font()).pixelSize(), 35);
    EXPECT_EQ(placeOf("GiveUp"), QRect(QPoint(315, 538), QPoint(496, 599)));
    EXPECT_EQ(placeOf("Guess(152)"), QRect(QPoint(219, 563), QPoint(249, 593)));
    click("Reset");
    EXPECT_EQ(window()->size(), QSize(496, 596));
}

// What the window shows, in device pixels: its backing store, once painted.
QImage shownOnScreen(QWidget* window)
{
    QCoreApplication::processEvents();
    return window->backingStore()->handle()->toImage().convertToFormat(QImage::Format_RGB32);
}

// Every offscreen screen: each scale a desktop may set, and each the fit picks.
TEST_F(QtWindowTest, PaintingLeavesWhatAFullRepaintDrawsAtEveryScale)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        window()->move(screen->geometry().topLeft() + QPoint(20, 20));
        click("Reset");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
        ASSERT_EQ(window()->devicePixelRatioF(), screen->devicePixelRatio()) << screen->name().toStdString();
        play("ROYGTBIV");
        const QImage painted = shownOnScreen(window());
        window()->repaint();
        EXPECT_TRUE(shownOnScreen(window()) == painted) << screen->name().toStdString();
    }
}

TEST_F(QtWindowTest, OnA640x480ScreenEveryCaptionStillFitsItsControl)
{
    window()->move(2400, 10);
    ASSERT_EQ(window()->windowHandle()->screen()->geometry(), QRect(2304, 0, 640, 480));
    click("Reset");
    ASSERT_EQ(window()->size(), QSize(396, 476));
    for (const char* name : {"Go", "Reset", "GiveUp", "Button(4)"}) {
        const auto* button = control<QAbstractButton>(name);
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width()) << name;
        EXPECT_LE(metrics.ascent() + metrics.descent(), button->height()) << name;
    }
}

TEST_F(QtWindowTest, AMaximisedWindowScalesTheBoardAlikeAndTakesItsOwnSizeBackOnceRestored)
{
    const QSize natural = window()->size();
    window()->showMaximized();
    EXPECT_NE(window()->minimumSize(), window()->maximumSize());
    // The desktop less the offscreen frame: 1020 pixels for 9435 twips, the
    // board 849 wide and centred.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window()->size() == QSize(1276, 1020); }));
    EXPECT_EQ(placeOf("Guess(1)"), QRect(213, 0, 54, 54));
    EXPECT_EQ(QFontInfo(control("Go")->font()).pixelSize(), 156);
    // The toolkit's own size too, on the position buttons.
    EXPECT_EQ(QFontInfo(control("Button(1)")->font()).pixelSize(),
        std::lround(QFontInfo(QApplication::font()).pixelSize() * 1020.0 / 629));

    window()->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window()->minimumSize() == window()->maximumSize(); }));
    EXPECT_EQ(window()->size(), natural);
    EXPECT_EQ(placeOf("Guess(1)"), QRect(0, 0, 33, 33));
}

// As a window manager would on showing it.
void activate(QWidget* window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

std::string focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "(none)";
}

// Contrast ratio by relative luminance, 1 to 21.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How tall the text in a part of the window is, counting only what stands
// out 4.5:1 from its ground, which is what most of its pixels show.
int readableTextHeight(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QColor ground(
        std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first);
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (contrast(image.pixelColor(x, y), ground) >= 4.5) {
                top = std::min(top, y);
                bottom = y;
            }
        }
    }
    return std::max(0, bottom - top + 1);
}

// The label and the buttons take their text and its ground from the desktop's
// theme, whatever the form's fixed grey.
TEST(QtWindowPalette, TextIsDrawnFullSizeAndStandsOutUnderLightDarkAndHighContrastThemes)
{
    const QPalette original = QApplication::palette();
    const auto themed = [](QColor window, QColor text) {
        QPalette palette(window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
        return palette;
    };
    const std::pair<const char*, QPalette> palettes[] = {{"default", original},
        {"light", themed(QColor(250, 250, 250), QColor(20, 20, 20))},
        {"dark", themed(QColor(53, 53, 53), QColor(238, 238, 236))}, {"high contrast", themed(Qt::black, Qt::white)}};
    for (const auto& [name, palette] : palettes) {
        QApplication::setPalette(palette);
        QtToolkit toolkit{[](int) {}};
        ScriptedUniform random = ScriptedUniform::forSecret("RROYGTBI");
        Form1 form{toolkit, random};
        form.load();
        const QImage window = toolkit.window()->grab().toImage();
        // Less the edges that neighbours overlap, and the buttons' bevels.
        for (const auto& [control, inside] :
            {std::pair{"Label1", QMargins(0, 1, 1, 1)}, {"Go", QMargins(4, 4, 4, 4)}}) {
            const QWidget* widget = toolkit.window()->findChild<QWidget*>(control);
            EXPECT_GE(readableTextHeight(window.copy(widget->geometry() - inside)), widget->font().pixelSize() / 2)
                << control << " under the " << name << " palette";
        }
    }
    QApplication::setPalette(original);
}

TEST_F(QtWindowTest, TheKeyboardStartsOnBrownAndTabsThroughColoursPositionsAndCommands)
{
    activate(window());
    EXPECT_EQ(focusName(), "Color(0)");
    std::vector<std::string> expected;
    for (int c = 1; c < 12; ++c)
        expected.push_back("Color(" + std::to_string(c) + ")");
    for (int b = 1; b <= 8; ++b)
        expected.push_back("Button(" + std::to_string(b) + ")");
    expected.insert(expected.end(), {"Go", "Reset", "GiveUp", "Color(0)"});
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusName());
    }
    EXPECT_EQ(visited, expected);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "GiveUp");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // red, chosen from the keyboard
    EXPECT_EQ(shownAt("Preview"), QColor(255, 0, 0));
    click("Reset");
    activate(window());
    EXPECT_EQ(focusName(), "Color(0)");
}

TEST_F(QtWindowTest, OnlyTheFocusedButtonWearsARingThatStandsOutOnAllFourSides)
{
    activate(window());
    const QImage unfocused = window()->grab().toImage();
    const auto buttons = window()->findChildren<QAbstractButton*>();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    for (int stop = 0; stop < 23; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QImage image = window()->grab().toImage();
        const QRect focused = QApplication::focusWidget()->geometry();
        // Along each side, inwards from the edge, some pixel of the ring must
        // stand out from what the button shows without the focus.
        const QPoint middle = focused.center();
        const std::array<std::function<QPoint(int)>, 4> sides{
            [&](int in) { return QPoint(focused.left() + in, middle.y()); },
            [&](int in) { return QPoint(focused.right() - in, middle.y()); },
            [&](int in) { return QPoint(middle.x(), focused.top() + in); },
            [&](int in) { return QPoint(middle.x(), focused.bottom() - in); }};
        for (std::size_t side = 0; side < sides.size(); ++side) {
            double best = 1;
            for (int in = 1; in <= 8; ++in) {
                const QPoint at = sides[side](in);
                best = std::max(best, contrast(image.pixelColor(at), unfocused.pixelColor(at)));
            }
            EXPECT_GE(best, 3.0) << focusName() << ", side " << side;
            // and no neighbour that overlaps it covers its edge (where that
            // lies inside the window: the right-hand column reaches past it).
            if (window()->rect().contains(sides[side](0))) {
                EXPECT_EQ(window()->childAt(sides[side](0)), QApplication::focusWidget())
                    << focusName() << ", side " << side;
            }
        }
        for (const QAbstractButton* button : buttons) {
            if (button->hasFocus() || button->isHidden())
                continue;
            const QPoint ring(button->x() + 4, button->geometry().center().y());
            EXPECT_EQ(image.pixelColor(ring), unfocused.pixelColor(ring))
                << button->objectName().toStdString() << " while " << focusName() << " has the focus";
        }
    }
}

TEST_F(QtWindowTest, AnyKeyTurnsTheRingOnSpaceToo)
{
    activate(window());
    const QWidget* brown = control("Color(0)");
    const QPoint ring(brown->x() + 4, brown->geometry().center().y());
    const QColor before = window()->grab().toImage().pixelColor(ring);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(focusName(), "Color(0)");
    EXPECT_EQ(before, QColor(128, 64, 0));
    EXPECT_EQ(window()->grab().toImage().pixelColor(ring), QColor(0, 0, 0));
}

TEST_F(QtWindowTest, AColourButtonLooksPressedWhileHeld)
{
    QWidget* green = control("Color(4)");
    // The bevel's left edge is light while raised, dark while pressed.
    const QPoint edge = green->geometry().topLeft() + QPoint(1, green->height() / 2);
    const int raised = qGray(window()->grab().toImage().pixel(edge));
    QTest::mousePress(green, Qt::LeftButton);
    const int held = qGray(window()->grab().toImage().pixel(edge));
    QTest::mouseRelease(green, Qt::LeftButton);
    EXPECT_GT(raised, 200);
    EXPECT_LT(held, 160);
    EXPECT_EQ(qGray(window()->grab().toImage().pixel(edge)), raised);
}

TEST_F(QtWindowTest, LostDialogShowsTheSecretIgnoresEscapeAndReturnAnswersYes)
{
    const int widgetsBefore = liveWidgets();
    QPointer<FormWindow> oldWindow = window();
    bool checked = false;
    onNextDialog([&](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Lost");
        EXPECT_EQ(box->text(), "Sorry, you lost! Play again?");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        EXPECT_TRUE(oldWindow->shapeNamed("Guess(145)")->visible);
        EXPECT_EQ(oldWindow->grab().toImage().pixelColor(16, 610), QColor(255, 0, 0));

        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible()) << "Escape answered the dialog";
        box->close();
        EXPECT_TRUE(box->isVisible()) << "closing answered the dialog";
        QTest::keyClick(box, Qt::Key_Return);
        checked = true;
    });
    click("GiveUp");
    ASSERT_TRUE(checked);
    EXPECT_TRUE(ends.empty());
    EXPECT_EQ(form.state().hits, 6);

    EXPECT_NE(window(), oldWindow.data());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(isShown("Guess(145)"));
    EXPECT_EQ(liveWidgets(), widgetsBefore);
    EXPECT_TRUE(oldWindow.isNull());
}

TEST_F(QtWindowTest, WinDialogAnsweredNoEndsTheProgram)
{
    QString title;
    QString text;
    bool cluesUnlit = false;
    onNextDialog([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        cluesUnlit = shownAt("Clue(1)") == QColor(192, 192, 192);
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    play("RROYGTBI");
    EXPECT_EQ(title, "Correct!");
    EXPECT_EQ(text, "You Won! Play Again?");
    EXPECT_TRUE(cluesUnlit);
    EXPECT_EQ(ends, std::vector<int>{0});
    EXPECT_FALSE(window()->isVisible());
    click("Reset");
    EXPECT_EQ(ends, std::vector<int>{0});
}

TEST_F(QtWindowTest, RestartsLeaveNoWidgetBehind)
{
    const int widgets = liveWidgets();
    for (int i = 0; i < 40; ++i) {
        click("Color(5)");
        click("Button(2)");
        QPointer<QWidget> old = window();
        click("Reset");
        ASSERT_EQ(liveWidgets(), widgets) << "restart " << i;
        ASSERT_TRUE(old.isNull());
    }
    EXPECT_EQ(shownAt("Preview"), QColor(128, 64, 0));
    EXPECT_EQ(shownAt("Guess(2)"), QColor(192, 192, 192));
}

TEST_F(QtWindowTest, ClosingTheWindowEndsTheEventLoopWithStatusZero)
{
    QTimer::singleShot(0, [this] { window()->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace ui::qt
