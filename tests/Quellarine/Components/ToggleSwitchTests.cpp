#include "Quellarine/Components/ToggleSwitch.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace quellarine;

TEST(ToggleSwitchTest, OnlyTheUserFlipReportsAChange)
{
    ToggleSwitch toggle(QStringLiteral("Filter"), ToggleSwitch::ControlSize::large);
    toggle.show();
    QSignalSpy switched(&toggle, &ToggleSwitch::switched);

    // Values from the model are shown silently.
    toggle.setOn(true);
    toggle.setOn(false);
    toggle.setOn(true);
    EXPECT_TRUE(toggle.isOn());
    EXPECT_EQ(switched.count(), 0);

    QTest::mouseClick(&toggle, Qt::LeftButton);
    ASSERT_EQ(switched.count(), 1);
    EXPECT_FALSE(switched.at(0).at(0).toBool());
    EXPECT_FALSE(toggle.isOn());

    toggle.setFocus();
    QTest::keyClick(&toggle, Qt::Key_Space);
    ASSERT_EQ(switched.count(), 2);
    EXPECT_TRUE(switched.at(1).at(0).toBool());
}

TEST(ToggleSwitchTest, DisabledSwitchIgnoresClicksAndKeepsItsName)
{
    ToggleSwitch toggle(QStringLiteral("Click guard"));
    toggle.show();
    toggle.setEnabled(false);
    QSignalSpy switched(&toggle, &ToggleSwitch::switched);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_EQ(switched.count(), 0);
    EXPECT_FALSE(toggle.isOn());

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&toggle);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Click guard"));
    EXPECT_TRUE(accessible->state().checkable);
    EXPECT_TRUE(accessible->state().disabled);
}

TEST(ToggleSwitchTest, ShownLabelStandsBeforeTheTrackAndAClickOnItFlips)
{
    const QString label = QStringLiteral("Check for updates automatically");
    ToggleSwitch toggle(label, ToggleSwitch::Label::shown);
    toggle.resize(toggle.sizeHint());
    toggle.show();
    EXPECT_GT(toggle.width(), toggle.fontMetrics().horizontalAdvance(label) + toggle.trackSize().width());
    EXPECT_GT(toggle.trackRect().left(), toggle.width() / 2);
    toggle.setLayoutDirection(Qt::RightToLeft);
    EXPECT_LT(toggle.trackRect().right(), toggle.width() / 2);

    QSignalSpy switched(&toggle, &ToggleSwitch::switched);
    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(4, toggle.height() / 2));
    ASSERT_EQ(switched.count(), 1);
    EXPECT_TRUE(toggle.isOn());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&toggle)->text(QAccessible::Name), label);
}
