#include "TestAppModel.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Spring.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Shell/UpdateRow.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using Mark = UpdateRow::LeadingMark;

class UpdateRowTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    UpdateRow& row()
    {
        if (!row_) {
            row_ = std::make_unique<UpdateRow>(model());
            row_->resize(row_->sizeHint().expandedTo(QSize(230, 0)));
            row_->show();
        }
        return *row_;
    }

    // Checks could start: off until the test says otherwise.
    void cannotCheck(bool automatic)
    {
        model();
        updater->setCanCheck(false);
        model().updates().setAutomaticallyChecks(automatic);
    }

    std::unique_ptr<UpdateRow> row_;
};

TEST_F(UpdateRowTest, WithNoUpdateItOffersACheckAndNamesTheRunningVersion)
{
    UpdateRow& view = row();
    EXPECT_EQ(view.leadingMark(), Mark::arrows);
    EXPECT_EQ(view.title(), QStringLiteral("Check for Updates"));
    EXPECT_EQ(view.accessibleName(), QStringLiteral("Check for Updates"));
    EXPECT_EQ(view.trailingText(), QStringLiteral("v") + UpdateController::appVersion());
    // A build without a version shows the mark alone.
    EXPECT_EQ(UpdateRow::versionMark(QString()), QStringLiteral("v"));
    EXPECT_EQ(view.toolTip(), QStringLiteral("See if a newer Quellarine is out"));
    EXPECT_TRUE(view.isEnabled());
    EXPECT_FALSE(view.spinning());

    // A click is the user's check.
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);
}

TEST_F(UpdateRowTest, SpinnerOnlyWhileNoCheckCanStartAndTheUpdaterChecksByItself)
{
    cannotCheck(true);
    UpdateRow& view = row();
    EXPECT_EQ(view.leadingMark(), Mark::spinner);
    EXPECT_TRUE(view.spinning());
    EXPECT_FALSE(view.isEnabled());
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 0);

    // Automatic checks off: the arrows again, still not clickable.
    model().updates().setAutomaticallyChecks(false);
    EXPECT_EQ(view.leadingMark(), Mark::arrows);
    EXPECT_FALSE(view.spinning());
    EXPECT_FALSE(view.isEnabled());

    // The updater can check again: the row comes back.
    updater->setCanCheck(true);
    EXPECT_TRUE(view.isEnabled());
}

TEST_F(UpdateRowTest, AKnownUpdateTurnsTheRowRedAndStaysClickableWhileNoCheckCanStart)
{
    Motion::shared().setOverride(true);
    cannotCheck(true);
    UpdateRow& view = row();
    findUpdate(QStringLiteral("1.4"));
    EXPECT_EQ(view.leadingMark(), Mark::redDot);
    EXPECT_EQ(view.title(), QStringLiteral("Update to 1.4"));
    EXPECT_EQ(view.accessibleName(), QStringLiteral("Update to 1.4"));
    EXPECT_EQ(view.trailingText(), QStringLiteral("New"));
    EXPECT_EQ(view.toolTip(), QStringLiteral("See what's new and install it, free"));
    EXPECT_FALSE(view.spinning());
    EXPECT_EQ(view.updateLook(), 1.0);
    EXPECT_TRUE(view.isEnabled());
    // The user's check hands over to the updater's own window.
    QTest::mouseClick(&view, Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);

    // Skipping the version forgets it.
    updaterDelegate->updaterUserDidMakeChoice(UserUpdateChoice::skip, AppcastItem{});
    EXPECT_EQ(view.title(), QStringLiteral("Check for Updates"));
    EXPECT_EQ(view.updateLook(), 0.0);
    EXPECT_FALSE(view.isEnabled());
    Motion::shared().setOverride(std::nullopt);
}

TEST_F(UpdateRowTest, TheLookSpringsOverWhenAnUpdateBecomesKnown)
{
    Motion::shared().setOverride(false);
    UpdateRow& view = row();
    findUpdate(QStringLiteral("2.0"));
    EXPECT_LT(view.updateLook(), 1.0);
    // However busy the machine, the spring comes to rest exactly on the update's look (its timer may run late
    // under load: wait for the state, not for a time).
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.updateLook() == 1.0; }, 10'000));
    EXPECT_EQ(view.updateLook(), 1.0);
    Motion::shared().setOverride(std::nullopt);
}

TEST(SpringTest, LightDampingOvershootsAndSettlesWithinItsTime)
{
    const Spring critical{.response = 0.5};
    const Spring light{.response = 0.5, .dampingFraction = 0.85};
    double peak = 0;
    for (double time = 0; time < 1.0; time += 0.005) {
        EXPECT_LE(critical.value(time), 1.0);
        peak = std::max(peak, light.value(time));
    }
    EXPECT_GT(peak, 1.0);
    EXPECT_LT(peak, 1.01);
    for (double time = light.settlingTime(); time < light.settlingTime() + 2; time += 0.01) {
        EXPECT_NEAR(light.value(time), 1.0, 0.001);
    }
    EXPECT_EQ(light.value(0), 0.0);
}

// In every language, at the width the sidebar gives it, the title is read whole: it wraps and the row grows,
// and the red title of a known update reads on its red wash as text should, light or dark.
TEST_F(UpdateRowTest, TheTitleWrapsWholeInEveryLanguageAndItsRedReads)
{
    constexpr int sidebarWidth = 230;
    for (const bool update : {false, true}) {
        if (update) {
            findUpdate(QStringLiteral("12.10.3"));
        }
        for (const QString& language : Localization::languages()) {
            SCOPED_TRACE(language.toStdString());
            Localization::apply(language);
            row().resize(sidebarWidth, row().heightForWidth(sidebarWidth));
            const QStringList lines = row().titleLines();
            const auto squeeze = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
            EXPECT_EQ(squeeze(lines.join(QString())), squeeze(row().title())) << "the title is cut";
            EXPECT_GE(row().height(), static_cast<int>(lines.size()) * QFontMetrics(QFont()).height() / 2 + 16);
            if (lines.size() > 1) {
                EXPECT_GT(row().heightForWidth(sidebarWidth), row().heightForWidth(sidebarWidth * 3));
            }
        }
    }
    Localization::apply(QStringLiteral("en"));

    for (const bool dark : {false, true}) {
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        const QColor red = Brand::systemRed.resolve(dark);
        const QColor wash = composited(withOpacity(red, 0.12), row().palette().color(QPalette::Window));
        EXPECT_GE(contrastRatio(row().titleColor(), wash), 4.5) << (dark ? "dark" : "light");
    }
    Appearance::shared().setChoice(Appearance::Choice::light);
}

} // namespace
} // namespace quellarine
