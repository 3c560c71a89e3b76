// What a screen reader reads of the real window, through Qt's accessibility
// interfaces, and what it is told, through Qt's accessibility events, on the
// offscreen platform.

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"
#include "tests/support/rows.h"
#include "ui/form1.h"
#include "ui/qt/accessible.h"
#include "ui/qt/qt_toolkit.h"

namespace ui::qt {
namespace {

using game::testing::ScriptedUniform;

// What a screen reader was told, as it was at the time.
struct Heard {
    QAccessible::Event type;
    QPointer<QObject> object;
    QAccessible::Role role;
    QString name;
};
std::vector<Heard> heard;

void record(QAccessibleEvent* event)
{
    QAccessibleInterface* node = event->accessibleInterface();
    heard.push_back({event->type(), event->object(), node ? node->role() : QAccessible::NoRole,
        node ? node->text(QAccessible::Name) : QString()});
}

// Qt sends accessibility events only while a screen reader listens; this makes
// it believe that one does, and hands the events to `record`.
struct ScreenReader {
    explicit ScreenReader(bool listening)
    {
        heard.clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listening);
        QAccessible::installUpdateHandler(record);
    }
    ~ScreenReader()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;
};

std::vector<QAccessibleInterface*> children(QAccessibleInterface* parent)
{
    std::vector<QAccessibleInterface*> list;
    for (int i = 0; i < parent->childCount(); ++i)
        list.push_back(parent->child(i));
    return list;
}

struct AccessibleTest : ::testing::Test {
    explicit AccessibleTest(bool listening = true) : reader(listening)
    {
        form.load();
        activate();
    }

    // As a window manager does with a new window.
    void activate() const
    {
        toolkit.window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(toolkit.window()));
    }
    // What the new window of a restart says once it is active.
    QStringList notificationsOnceActive()
    {
        EXPECT_EQ(notifications(), QStringList());
        activate();
        EXPECT_TRUE(QTest::qWaitFor([] {
            return std::any_of(
                heard.begin(), heard.end(), [](const Heard& event) { return event.role == QAccessible::Notification; });
        }));
        return notifications();
    }

    QAccessibleInterface* frame() const { return QAccessible::queryAccessibleInterface(toolkit.window()); }
    QAccessibleInterface* childNamed(const QString& prefix) const
    {
        for (QAccessibleInterface* child : children(frame())) {
            if (child->text(QAccessible::Name).startsWith(prefix))
                return child;
        }
        return nullptr;
    }
    QAccessibleInterface* row(int index) const { return children(frame()).front()->child(index); }
    void click(const char* name) { QTest::mouseClick(toolkit.window()->findChild<QWidget*>(name), Qt::LeftButton); }
    // Where the window draws a shape, on the screen.
    QRect onScreen(const char* shape) const
    {
        const QRect place = toolkit.window()->shapeNamed(shape)->rect;
        return {toolkit.window()->mapToGlobal(place.topLeft()), place.size()};
    }
    // The texts of the notifications sent since the last call.
    QStringList notifications()
    {
        // Each is shown just after its new name is told: some screen readers
        // read the text of the show from what the name change told them.
        QStringList texts;
        const Heard* renamed = nullptr;
        for (const Heard& event : heard) {
            if (event.role != QAccessible::Notification)
                continue;
            if (event.type == QAccessible::NameChanged) {
                renamed = &event;
                continue;
            }
            EXPECT_EQ(event.type, QAccessible::ObjectShow);
            EXPECT_EQ(event.object->parent(), toolkit.window());
            EXPECT_TRUE(renamed && renamed->name == event.name) << event.name.toStdString();
            renamed = nullptr;
            texts << event.name;
        }
        heard.clear();
        return texts;
    }
    bool heardOf(QAccessible::Event type, QObject* object) const
    {
        return std::any_of(heard.begin(), heard.end(),
            [&](const Heard& event) { return event.type == type && event.object == object; });
    }
    // Every object a screen reader can visit stands where the window is drawn;
    // some buttons reach a few pixels past its edges by design. A notification
    // is drawn nowhere.
    void expectAllOnTheWindow() const
    {
        const QRect window(toolkit.window()->mapToGlobal(QPoint(0, 0)), toolkit.window()->size());
        std::vector<QAccessibleInterface*> all = children(frame());
        const std::vector<QAccessibleInterface*> rows = children(all.front());
        all.insert(all.end(), rows.begin(), rows.end());
        for (QAccessibleInterface* node : all) {
            if (node->role() == QAccessible::Notification)
                continue;
            const std::string name = node->text(QAccessible::Name).toStdString();
            EXPECT_FALSE((node->rect() & window).isEmpty()) << name;
            if (!node->object()->isWidgetType()) {
                EXPECT_TRUE(window.contains(node->rect())) << name;
            }
        }
    }

    ScreenReader reader;
    QtToolkit toolkit{[](int) {}};
    ScriptedUniform random = ScriptedUniform::forSecret("RROYGTBI");
    Form1 form{toolkit, random};
};

TEST_F(AccessibleTest, TheFrameListsTheBoardThenTheControlsInKeyboardOrderThenTheSwatch)
{
    QAccessibleInterface* window = frame();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Huecracker");

    QStringList buttons;
    QStringList others;
    for (QAccessibleInterface* child : children(window)) {
        EXPECT_EQ(child->parent()->object(), window->object());
        EXPECT_EQ(window->indexOfChild(child), static_cast<int>(buttons.size() + others.size()));
        (child->role() == QAccessible::Button ? buttons : others) << child->text(QAccessible::Name);
    }
    EXPECT_EQ(buttons,
        QStringList({"brown", "red", "orange", "yellow", "green", "cyan", "blue", "navy", "magenta", "purple", "white",
            "black", "1: empty", "2: empty", "3: empty", "4: empty", "5: empty", "6: empty", "7: empty", "8: empty",
            "Go!", "Reset!", "Give Up!"}));
    EXPECT_EQ(others, QStringList({"Board", "Color:", "Chosen colour: brown"}));
    EXPECT_EQ(children(window)[22]->text(QAccessible::Name), "Color:");
    EXPECT_EQ(children(window).front()->role(), QAccessible::List);
    EXPECT_EQ(children(window).back()->role(), QAccessible::Graphic);
    EXPECT_EQ(childNamed("Go!")->text(QAccessible::Description),
        "Row 1: empty, empty, empty, empty, empty, empty, empty, empty");

    QAccessibleInterface* board = children(window).front();
    ASSERT_EQ(board->childCount(), 18);
    for (int index = 0; index < 18; ++index) {
        QAccessibleInterface* item = board->child(index);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->parent()->object(), board->object());
        EXPECT_TRUE(item->text(QAccessible::Name).startsWith(QStringLiteral("Row %1: empty").arg(index + 1)));
        EXPECT_EQ(item->text(QAccessible::Description), index == 0 ? "current row" : "") << index;
    }
    expectAllOnTheWindow();
}

TEST_F(AccessibleTest, TheSwatchAndTheRowsStandWhereTheyAreDrawnOnTheScreenAtEveryScale)
{
    click("Color(8)");
    QAccessibleInterface* swatch = childNamed("Chosen colour: ");
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->text(QAccessible::Name), "Chosen colour: magenta");
    // The window stands in the middle of the screen, so window and screen
    // coordinates differ: 456,336 in the window.
    const QPoint origin = toolkit.window()->mapToGlobal(QPoint(0, 0));
    ASSERT_NE(origin, QPoint(0, 0));
    EXPECT_EQ(swatch->rect(), QRect(origin + QPoint(456, 336), QSize(65, 33)));
    // A row: its eight pegs and the upper line of its clue block.
    EXPECT_EQ(row(2)->rect(), onScreen("Guess(17)").united(onScreen("Clue(20)")));

    // The netbook's screen, right of the desktop's, makes a smaller window.
    toolkit.window()->move(1300, 10);
    ASSERT_EQ(toolkit.window()->windowHandle()->screen()->geometry(), QRect(1280, 0, 1024, 600));
    click("Reset");
    ASSERT_LT(toolkit.window()->height(), 600);
    EXPECT_EQ(row(17)->rect(), onScreen("Guess(137)").united(onScreen("Clue(140)")));
    EXPECT_EQ(children(frame()).front()->rect(), onScreen("Guess(1)").united(row(17)->rect()));
    expectAllOnTheWindow();

    // A size the desktop imposes scales the board, and what is read of it, alike.
    toolkit.window()->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return toolkit.window()->width() > 1000; }));
    EXPECT_EQ(row(17)->rect(), onScreen("Guess(137)").united(onScreen("Clue(140)")));
    EXPECT_EQ(childNamed("Chosen colour: ")->rect(), onScreen("Preview"));
}

TEST_F(AccessibleTest, EachChoicePegAndGoIsHeardAtOnceAndTheRowsFollow)
{
    click("Color(1)");
    click("Button(3)");
    // Some screen readers read names from their cache, which only a change renews.
    EXPECT_TRUE(heardOf(QAccessible::NameChanged, row(0)->object()));
    EXPECT_TRUE(heardOf(QAccessible::NameChanged, childNamed("Chosen colour: ")->object()));
    EXPECT_EQ(notifications(), QStringList({"Chosen colour: red", "3: red"}));
    EXPECT_EQ(childNamed("3: ")->text(QAccessible::Name), "3: red");

    // Hand-scored against RROYGTBI: red twice in place, cyan and navy crossed.
    for (const char* button : {"Button(1)", "Button(2)", "Button(4)", "Button(5)", "Button(6)"})
        click(button);
    click("Color(5)");
    click("Button(8)");
    click("Color(7)");
    click("Button(7)");
    notifications();
    click("Go");
    // The current row moved, and a screen reader is told of both rows.
    EXPECT_TRUE(heardOf(QAccessible::DescriptionChanged, row(0)->object()));
    EXPECT_TRUE(heardOf(QAccessible::DescriptionChanged, row(1)->object()));
    EXPECT_EQ(row(1)->text(QAccessible::Description), "current row");
    EXPECT_EQ(notifications(), QStringList({"Row 1: 2 black, 2 white"}));
    EXPECT_TRUE(row(0)->text(QAccessible::Name).endsWith("; 2 black, 2 white"));
    EXPECT_EQ(childNamed("3: ")->text(QAccessible::Name), "3: empty");

    click("Reset");
    EXPECT_EQ(notificationsOnceActive(), QStringList({"New game"}));
}

TEST_F(AccessibleTest, TheSecretIsThereOnlyWhileTheAnswerRowIsUncoveredAndIsHeardBeforeTheQuestion)
{
    EXPECT_EQ(childNamed("Secret:"), nullptr);
    const QString secret = "Secret: red, red, orange, yellow, green, cyan, blue, navy";
    QTimer::singleShot(0, [&] {
        QAccessibleInterface* node = childNamed("Secret:");
        if (node) {
            EXPECT_EQ(node->text(QAccessible::Name), secret);
            EXPECT_EQ(node->role(), QAccessible::StaticText);
            EXPECT_TRUE(heardOf(QAccessible::ObjectCreated, node->object()));
            EXPECT_EQ(notifications(), QStringList({secret}));
            EXPECT_EQ(node->rect(), onScreen("Guess(145)").united(onScreen("Guess(152)")));
            // Behind the question the window takes no mouse: a cursor resting
            // on the answer row still shows its text.
            QCursor::setPos(onScreen("Guess(147)").center());
            EXPECT_TRUE(QTest::qWaitFor([&] { return QToolTip::text() == secret; }, 3000));
        }
        EXPECT_NE(node, nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    click("GiveUp");
    EXPECT_EQ(childNamed("Secret:"), nullptr);
    EXPECT_EQ(notificationsOnceActive(), QStringList({"New game"}));
    QToolTip::hideText();
}

TEST_F(AccessibleTest, ARestingMouseShowsTheTextOfTheRowUnderIt)
{
    click("Color(4)");
    click("Button(2)");
    click("Go");
    const auto tipAt = [&](const char* shape) {
        const QPoint at = toolkit.window()->shapeNamed(shape)->rect.center();
        QHelpEvent rest(QEvent::ToolTip, at, toolkit.window()->mapToGlobal(at));
        QApplication::sendEvent(toolkit.window(), &rest);
        return rest.isAccepted() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt("Guess(2)"), "Row 1: empty, green, empty, empty, empty, empty, empty, empty; 0 black, 1 white");
    EXPECT_EQ(tipAt("Clue(13)"), "Row 2: empty, empty, empty, empty, empty, empty, empty, empty");
    EXPECT_EQ(tipAt("Preview"), "");
    QToolTip::hideText();
}

struct SilentAccessibleTest : AccessibleTest {
    SilentAccessibleTest() : AccessibleTest(false) {}
};

TEST_F(SilentAccessibleTest, WithNoScreenReaderNothingIsBuiltToBeHeard)
{
    click("Color(1)");
    click("Button(3)");
    click("Go");
    for (QAccessibleInterface* child : children(frame()))
        EXPECT_NE(child->role(), QAccessible::Notification);
    // Qt 6.8 hands the handler its widgets' own events even so; what the
    // window itself says is what must stay unsaid.
    for (const Heard& event : heard) {
        EXPECT_FALSE(event.object && dynamic_cast<const AccessibleNode*>(event.object.data()))
            << "event " << event.type << " of " << event.name.toStdString();
        EXPECT_NE(event.role, QAccessible::Notification) << event.name.toStdString();
    }
}

}  // namespace
}  // namespace ui::qt
