#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Desktop/ResourceNoteFolder.h"
#include "Quellarine/Desktop/Resources.h"
#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"

#include "QuellarineKit/Research/ReleaseNotes.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

// The page column at its widest and the harness's margins around it.
constexpr int pageWindowWidth = 660 + 2 * 24;

std::vector<ReleaseNote> shipped(const QString& language)
{
    Resources::ensureLoaded();
    return ReleaseNotes::load(ResourceNoteFolder(WhatsNewPage::notesPath), language.toStdString());
}

class WhatsNewScreenshotTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(WhatsNewScreenshotTest, PageWithNotesEmptyAndNarrow)
{
    findUpdate(QStringLiteral("1.1.0"));
    std::vector<ReleaseNote> notes = shipped(QStringLiteral("en"));
    notes.push_back(ReleaseNote{"0.9.0",
                                "The preview",
                                "Tried out by a few people before the first release.",
                                {"Code spans look like `click_guard`, links like [this one](https://example.org)."}});
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("whats-new"), new WhatsNewPage(model(), notes), pageWindowWidth).size(), 2);
    updaterDelegate->updaterDidNotFindUpdate();
    EXPECT_EQ(
        Screenshots::capture(QStringLiteral("whats-new-empty"), new WhatsNewPage(model(), {}), pageWindowWidth).size(),
        2);
    // A narrow column: the header and the items wrap.
    EXPECT_EQ(Screenshots::capture(QStringLiteral("whats-new-narrow"), new WhatsNewPage(model(), notes), 420).size(),
              2);
}

} // namespace
} // namespace quellarine
