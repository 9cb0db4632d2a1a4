#include "OpenedAddresses.h"
#include "TestAppModel.h"

#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Components/ToggleSwitch.h"

#include "QuellarineKit/Services/Product.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using quellarine::testing::OpenedAddresses;

class HelpPageTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    HelpPage& show(std::optional<WebAddress> site = WebAddress::parse("https://temrid.com"))
    {
        page = std::make_unique<HelpPage>(
            model(), [this](const QString& identity) { openedWindows.append(identity); }, site);
        page->show();
        return *page;
    }

    std::unique_ptr<HelpPage> page;
    QStringList openedWindows;
};

TEST_F(HelpPageTest, UpdateCheckIsDisabledWhileTheUpdaterCannotCheckAndTheOtherActionsWork)
{
    OpenedAddresses addresses;
    HelpPage& help = show();
    ASSERT_NE(updater, nullptr);
    updater->setCanCheck(false);

    EXPECT_FALSE(help.updateAction()->isEnabled());
    QTest::mouseClick(help.updateAction(), Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 0);

    QTest::mouseClick(help.welcomeAction(), Qt::LeftButton);
    EXPECT_EQ(openedWindows, QStringList{QStringLiteral("welcome")});

    // Feedback from here records the help page as the form's origin and switches the window to the form.
    QTest::mouseClick(help.feedbackAction(), Qt::LeftButton);
    EXPECT_EQ(model().feedback().source(), FeedbackStore::Source::help);
    EXPECT_EQ(model().section(), MainSection::feedback);

    EXPECT_EQ(help.siteAction()->text(), QStringLiteral("temrid.com"));
    QTest::mouseClick(help.siteAction(), Qt::LeftButton);
    ASSERT_EQ(addresses.urls.size(), 1);
    EXPECT_EQ(addresses.urls.front().toString(), QStringLiteral("https://temrid.com"));

    // As soon as the updater can check again, so can the page.
    updater->setCanCheck(true);
    ASSERT_TRUE(help.updateAction()->isEnabled());
    QTest::mouseClick(help.updateAction(), Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);
}

TEST_F(HelpPageTest, ABuildWithoutAWebSiteShowsNoLinkToIt)
{
    HelpPage& help = show(std::nullopt);
    EXPECT_EQ(help.siteAction(), nullptr);
    EXPECT_TRUE(help.welcomeAction()->isVisible());
}

TEST_F(HelpPageTest, AutomaticUpdatesSwitchChangesOnlyTheUpdatersOwnSetting)
{
    HelpPage& help = show();
    QAbstractButton& automatic = *help.automaticUpdatesSwitch();
    EXPECT_TRUE(automatic.isChecked());
    updater->automaticWrites.clear();
    const QStringList keysBefore = storedKeys();

    QTest::mouseClick(&automatic, Qt::LeftButton);
    EXPECT_FALSE(model().updates().automaticallyChecks());
    QTest::mouseClick(&automatic, Qt::LeftButton);
    EXPECT_TRUE(model().updates().automaticallyChecks());
    EXPECT_EQ(updater->automaticWrites, (std::vector<bool>{false, true}));
    EXPECT_EQ(storedKeys(), keysBefore);

    // A change made elsewhere shows here without being written back.
    updater->automaticWrites.clear();
    model().updates().setAutomaticallyChecks(false);
    EXPECT_FALSE(automatic.isChecked());
    EXPECT_EQ(updater->automaticWrites, std::vector<bool>{false});
}

} // namespace
} // namespace quellarine
