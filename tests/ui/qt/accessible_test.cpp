// What a screen reader reads of the real window, through Qt's accessibility
// interfaces, on the offscreen platform.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "tests/support/qt_support.h"
#include "tests/support/rows.h"
#include "ui/form1.h"
#include "ui/qt/toolkit.h"

namespace ui {
namespace {

using game::testing::ScriptedUniform;

struct AccessibleTest : ::testing::Test {
    AccessibleTest() { form.load(); }

    QAccessibleInterface* frame() const { return QAccessible::queryAccessibleInterface(toolkit.window()); }
    static std::vector<QAccessibleInterface*> children(QAccessibleInterface* parent)
    {
        std::vector<QAccessibleInterface*> list;
        for (int i = 0; i < parent->childCount(); ++i)
            list.push_back(parent->child(i));
        return list;
    }
    QAccessibleInterface* childNamed(const QString& prefix) const
    {
        for (QAccessibleInterface* child : children(frame())) {
            if (child->text(QAccessible::Name).startsWith(prefix))
                return child;
        }
        return nullptr;
    }
    void click(const char* name) { QTest::mouseClick(toolkit.window()->findChild<QWidget*>(name), Qt::LeftButton); }

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
            "black", "1", "2", "3", "4", "5", "6", "7", "8", "Go!", "Reset!", "Give Up!"}));
    EXPECT_EQ(others, QStringList({"Board", "Color:", "Chosen colour: brown"}));
    EXPECT_EQ(children(window)[22]->text(QAccessible::Name), "Color:");
    EXPECT_EQ(children(window).front()->role(), QAccessible::List);
    EXPECT_EQ(children(window).back()->role(), QAccessible::Graphic);

    QAccessibleInterface* board = children(window).front();
    ASSERT_EQ(board->childCount(), 18);
    for (int row = 0; row < 18; ++row) {
        QAccessibleInterface* item = board->child(row);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->parent()->object(), board->object());
        EXPECT_TRUE(item->text(QAccessible::Name).startsWith(QStringLiteral("Row %1: empty").arg(row + 1)));
        EXPECT_EQ(item->text(QAccessible::Description), row == 0 ? "current row" : "") << row;
    }
}

TEST_F(AccessibleTest, TheSwatchSaysTheChosenColourWhereItIsDrawnOnTheScreen)
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
}

TEST_F(AccessibleTest, TheSecretIsThereOnlyWhileTheAnswerRowIsUncovered)
{
    EXPECT_EQ(childNamed("Secret:"), nullptr);
    QString secret;
    QTimer::singleShot(0, [&] {
        if (QAccessibleInterface* node = childNamed("Secret:")) {
            secret = node->text(QAccessible::Name);
            EXPECT_EQ(node->role(), QAccessible::StaticText);
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    click("GiveUp");
    EXPECT_EQ(secret, "Secret: red, red, orange, yellow, green, cyan, blue, navy");
    EXPECT_EQ(childNamed("Secret:"), nullptr);
}

}  // namespace
}  // namespace ui
