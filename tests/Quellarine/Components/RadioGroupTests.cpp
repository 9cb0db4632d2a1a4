#include "Quellarine/Components/RadioGroup.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quellarine {
namespace {

// Three exclusive choices between two fields, as a form has them: what Tab, the arrows and a screen reader make
// of them, left to right and right to left.
class RadioGroupTest : public ::testing::Test {
protected:
    void build(Qt::LayoutDirection direction)
    {
        window = std::make_unique<QWidget>();
        window->setLayoutDirection(direction);
        auto* layout = new QHBoxLayout(window.get());
        before = new QLineEdit;
        layout->addWidget(before);
        buttons.clear();
        for (const char* title : {"Mouse", "Trackpad", "Both"}) {
            auto* button = new QPushButton(QString::fromLatin1(title));
            button->setCheckable(true);
            button->setAutoExclusive(true);
            layout->addWidget(button);
            buttons.push_back(button);
        }
        after = new QLineEdit;
        layout->addWidget(after);
        new RadioGroup(buttons);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The buttons Tab stops at, going once round from the first field.
    std::vector<QWidget*> tabStops()
    {
        std::vector<QWidget*> stops;
        before->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 8 && QApplication::focusWidget() != after; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() != after) {
                stops.push_back(QApplication::focusWidget());
            }
        }
        return stops;
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    QLineEdit* after = nullptr;
    std::vector<QAbstractButton*> buttons;
};

TEST_F(RadioGroupTest, OneTabStopArrowsChooseAndScreenReadersHearRadioButtons)
{
    QAccessible::setActive(true);
    build(Qt::LeftToRight);
    // None chosen yet: the first is the group's stop.
    EXPECT_EQ(tabStops(), std::vector<QWidget*>{buttons[0]});

    buttons[1]->click();
    EXPECT_EQ(tabStops(), std::vector<QWidget*>{buttons[1]});
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(buttons[index]);
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->role(), QAccessible::RadioButton);
        EXPECT_TRUE(radio->state().checkable);
        EXPECT_EQ(radio->state().checked, index == 1);
        EXPECT_EQ(radio->text(QAccessible::Name), buttons[index]->text());
    }

    // Right and Down go on, Left and Up back, round the ends; each move chooses.
    QTest::keyClick(buttons[1], Qt::Key_Right);
    EXPECT_TRUE(buttons[2]->hasFocus());
    EXPECT_TRUE(buttons[2]->isChecked());
    QTest::keyClick(buttons[2], Qt::Key_Down);
    EXPECT_TRUE(buttons[0]->isChecked());
    QTest::keyClick(buttons[0], Qt::Key_Up);
    EXPECT_TRUE(buttons[2]->isChecked());
    EXPECT_EQ(tabStops(), std::vector<QWidget*>{buttons[2]});

    // Pressed through the accessibility interface, as a screen reader's user does.
    QAccessibleInterface* mouse = QAccessible::queryAccessibleInterface(buttons[0]);
    ASSERT_NE(mouse->actionInterface(), nullptr);
    mouse->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(buttons[0]->isChecked());
    EXPECT_TRUE(mouse->state().checked);
    QAccessible::setActive(false);
}

TEST_F(RadioGroupTest, RightToLeftTheLeftArrowGoesOn)
{
    build(Qt::RightToLeft);
    buttons[0]->click();
    buttons[0]->setFocus();
    QTest::keyClick(buttons[0], Qt::Key_Left);
    EXPECT_TRUE(buttons[1]->isChecked());
    QTest::keyClick(buttons[1], Qt::Key_Right);
    EXPECT_TRUE(buttons[0]->isChecked());
}

} // namespace
} // namespace quellarine
