#include "ShellFixture.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/StrengthBars.h"
#include "Quellarine/Components/PresetTile.h"
#include "Quellarine/Components/PresetPicker.h"
#include "Quellarine/Components/ClickGuardRow.h"
#include "Quellarine/Components/ToggleSwitch.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace quellarine;
using namespace quellarine::shelltest;
using ID = FilterPreset::ID;

namespace {

class PresetViewsTest : public ShellFixture {
protected:
    PresetPicker& picker()
    {
        if (!picker_) {
            picker_ = std::make_unique<PresetPicker>(model(), false);
            picker_->resize(344, picker_->sizeHint().height());
            picker_->show();
        }
        return *picker_;
    }

    void click(ID id) { QTest::mouseClick(picker().tile(id), Qt::LeftButton); }

    std::unique_ptr<PresetPicker> picker_;
};

// The accessible elements under `root` that a screen reader can reach, by name.
void collectReachable(QAccessibleInterface* root, QStringList& names)
{
    for (int index = 0; index < root->childCount(); ++index) {
        QAccessibleInterface* child = root->child(index);
        if (child == nullptr || child->state().invisible) {
            continue;
        }
        names.append(child->text(QAccessible::Name));
        collectReachable(child, names);
    }
}

} // namespace

TEST_F(PresetViewsTest, ChoosingTheSelectedPresetStillStoresIt)
{
    QSignalSpy changes(&model(), &AppModel::presetIDChanged);
    ASSERT_FALSE(stored(QStringLiteral("preset")).isValid());
    click(ID::balanced);
    EXPECT_EQ(stored(QStringLiteral("preset")).toString(), QStringLiteral("balanced"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(pointer.tap().smoother().filter.parameters(), FilterPreset::balanced().parameters);

    click(ID::strong);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(picker().tile(ID::strong)->selected());
    EXPECT_FALSE(picker().tile(ID::balanced)->selected());
    EXPECT_EQ(picker().summary(), QStringLiteral("Clear shaking"));
    EXPECT_EQ(pointer.tap().smoother().filter.parameters(), FilterPreset::strong().parameters);
}

TEST_F(PresetViewsTest, ChoosingSwitchesSmoothingOnOnlyWithThePermission)
{
    defaults.setBool(QStringLiteral("filterOn"), false);
    click(ID::gentle);
    EXPECT_TRUE(model().wantsOn());
    EXPECT_TRUE(stored(QStringLiteral("filterOn")).toBool());
    EXPECT_TRUE(model().isOn());
}

TEST_F(PresetViewsTest, ChoosingWithoutThePermissionOnlyChangesThePreset)
{
    permission.trusted = false;
    defaults.setBool(QStringLiteral("filterOn"), false);
    click(ID::precision);
    EXPECT_EQ(model().presetID(), ID::precision);
    EXPECT_FALSE(model().wantsOn());
    EXPECT_FALSE(stored(QStringLiteral("filterOn")).toBool());
}

TEST_F(PresetViewsTest, PersonalGroupOnlyWhileAPersonalSettingExists)
{
    EXPECT_FALSE(picker().showsPersonal());
    EXPECT_FALSE(picker().tile(ID::personal)->isVisibleTo(&picker()));

    model().applyPersonal(PersonalSetting{ID::balanced, 2.5, 0.008, 2, 0.9});
    EXPECT_TRUE(picker().showsPersonal());
    EXPECT_TRUE(picker().tile(ID::personal)->selected());
    // As wide as one tile of the row of three.
    EXPECT_NEAR(picker().tile(ID::personal)->width(), picker().tile(ID::precision)->width(), 2);

    model().setPersonal(std::nullopt);
    EXPECT_FALSE(picker().showsPersonal());
}

TEST_F(PresetViewsTest, PersonalChoiceWithoutASettingShowsBalanced)
{
    defaults.setString(QStringLiteral("preset"), QStringLiteral("personal"));
    EXPECT_TRUE(picker().tile(ID::balanced)->selected());
    EXPECT_EQ(picker().summary(), QStringLiteral("A good start for most people"));
}

TEST_F(PresetViewsTest, TilesHaveThreeLooks)
{
    ASSERT_TRUE(model().isOn());
    PresetTile& selected = *picker().tile(ID::balanced);
    PresetTile& other = *picker().tile(ID::gentle);
    EXPECT_EQ(selected.look().fill, PresetTile::Look::Fill::gradient);
    EXPECT_TRUE(selected.look().shadow.has_value());
    EXPECT_EQ(selected.foreground(), QColor(Qt::white));

    // Smoothing off: the selected tile is only tinted and outlined in the accent colour.
    model().setWantsOn(false);
    EXPECT_EQ(selected.look().fill, PresetTile::Look::Fill::accentTint);
    EXPECT_EQ(selected.look().border, Brand::accent.resolve(selected));
    EXPECT_FALSE(selected.look().shadow.has_value());
    EXPECT_EQ(selected.foreground(), Brand::accent.resolve(selected));

    EXPECT_EQ(other.look().fill, PresetTile::Look::Fill::controlBackground);
    EXPECT_EQ(other.foreground(), other.palette().color(QPalette::WindowText));
}

TEST_F(PresetViewsTest, TileIsAButtonWithTitleHintAndSelectedState)
{
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(picker().tile(ID::balanced));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->role(), QAccessible::Button);
    EXPECT_EQ(tile->text(QAccessible::Name), QStringLiteral("Balanced"));
    EXPECT_EQ(tile->text(QAccessible::Description), QStringLiteral("A good start for most people"));
    EXPECT_TRUE(tile->state().selected);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(picker().tile(ID::strong))->state().selected);
    EXPECT_EQ(picker().tile(ID::strong)->toolTip(), QStringLiteral("Clear shaking"));

    // Pressing it through assistive technology chooses it.
    QAccessible::queryAccessibleInterface(picker().tile(ID::strong))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(model().presetID(), ID::strong);
}

TEST_F(PresetViewsTest, StrengthBarsLightTheirLevel)
{
    StrengthBars bars(2, 2.0);
    QImage image(StrengthBars::size(2.0).toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    StrengthBars::paint(painter, QRectF(image.rect()), bars.level(), bars.scale(), Qt::black);
    painter.end();

    qreal lastHeight = 0;
    for (int index = 1; index <= StrengthBars::barCount; ++index) {
        const QRectF bar = StrengthBars::barRect(index, 2.0).translated(1, 1);
        EXPECT_GT(bar.height(), lastHeight);
        lastHeight = bar.height();
        const int alpha = qAlpha(image.pixel(bar.center().toPoint()));
        if (index <= 2) {
            EXPECT_EQ(alpha, 255) << "bar " << index;
        } else {
            EXPECT_NEAR(alpha, 64, 2) << "bar " << index;
        }
    }
    EXPECT_DOUBLE_EQ(StrengthBars::barRect(4, 1.0).height(), 19.0);
    EXPECT_DOUBLE_EQ(StrengthBars::barRect(1, 1.0).height(), 8.5);
}

TEST_F(PresetViewsTest, ClickGuardTextFlipsTheGuardLikeTheSwitch)
{
    ClickGuardRow row(model(), true);
    row.resize(500, row.sizeHint().height());
    row.show();
    ASSERT_TRUE(model().clickGuardOn());

    // A click on the explanation belongs to the area.
    auto labels = row.tapArea().findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    QWidget* explanation = labels.at(1);
    QTest::mouseClick(&row.tapArea(), Qt::LeftButton, {}, explanation->geometry().center());
    EXPECT_FALSE(model().clickGuardOn());
    EXPECT_FALSE(stored(QStringLiteral("clickGuard")).toBool());
    EXPECT_FALSE(row.toggle().isOn());

    QTest::mouseClick(&row.toggle(), Qt::LeftButton);
    EXPECT_TRUE(model().clickGuardOn());
    EXPECT_TRUE(stored(QStringLiteral("clickGuard")).toBool());
}

TEST_F(PresetViewsTest, ClickGuardRowShowsOnlyItsSwitchToAssistiveTechnology)
{
    ClickGuardRow row(model(), false);
    row.show();
    EXPECT_TRUE(AccessibilityHidden::isHidden(row.tapArea()));
    QStringList reachable;
    collectReachable(QAccessible::queryAccessibleInterface(&row), reachable);
    EXPECT_EQ(reachable, QStringList{QStringLiteral("Click guard")});
}
