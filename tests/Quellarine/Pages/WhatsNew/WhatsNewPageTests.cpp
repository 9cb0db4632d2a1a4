#include "OpenedAddresses.h"
#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Pages/WhatsNew/MarkdownText.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/Resources.h"
#include "Quellarine/Desktop/ResourceNoteFolder.h"
#include "Quellarine/Pages/WhatsNew/CapsuleText.h"
#include "Quellarine/Pages/WhatsNew/EmptyState.h"
#include "Quellarine/Pages/WhatsNew/NoteCard.h"
#include "Quellarine/Pages/WhatsNew/NoteItem.h"
#include "Quellarine/Pages/WhatsNew/UpdateBanner.h"
#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"

#include "QuellarineKit/Research/ReleaseNotes.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::OpenedAddresses;
using testing::Screenshots;

// The page column at its widest and the harness's margins around it.
constexpr int pageWindowWidth = 660 + 2 * 24;

const std::string running = UpdateController::appVersion().toStdString();

ReleaseNote note(const std::string& version, std::vector<std::string> items = {"An item"})
{
    return ReleaseNote{version, "Release " + version, "What " + version + " brings.", std::move(items)};
}

std::vector<ReleaseNote> shipped(const QString& language)
{
    Resources::ensureLoaded();
    return ReleaseNotes::load(ResourceNoteFolder(WhatsNewPage::notesPath), language.toStdString());
}

class WhatsNewPageTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    WhatsNewPage& show(const std::vector<ReleaseNote>& notes)
    {
        page = std::make_unique<WhatsNewPage>(model(), notes);
        page->resize(660, 900);
        page->show();
        QApplication::processEvents();
        return *page;
    }

    std::unique_ptr<WhatsNewPage> page;
};

TEST_F(WhatsNewPageTest, WithoutNotesOnlyTheTitleTheEmptyStateAndAKnownUpdateShow)
{
    ASSERT_TRUE(model().whatsNewUnseen());
    WhatsNewPage& whatsNew = show({});
    EXPECT_FALSE(model().whatsNewUnseen());
    EXPECT_TRUE(whatsNew.cards().isEmpty());
    ASSERT_NE(whatsNew.emptyState(), nullptr);
    EXPECT_TRUE(whatsNew.emptyState()->isVisible());
    EXPECT_EQ(whatsNew.emptyState()->title()->text(), QStringLiteral("No release notes"));
    EXPECT_EQ(whatsNew.emptyState()->description()->text(),
              QStringLiteral("They're part of the app download. Check for Updates to get the latest version."));
    EXPECT_FALSE(whatsNew.banner()->isVisible());

    findUpdate(QStringLiteral("2.1.0"));
    EXPECT_TRUE(whatsNew.banner()->isVisible());
    EXPECT_TRUE(whatsNew.emptyState()->isVisible());
}

TEST_F(WhatsNewPageTest, AKnownUpdateIsOfferedUntilTheControllerForgetsIt)
{
    findUpdate(QStringLiteral("2.1.0"));
    WhatsNewPage& whatsNew = show({note("1.0.0")});
    UpdateBanner& banner = *whatsNew.banner();
    ASSERT_TRUE(banner.isVisible());
    EXPECT_EQ(banner.message()->text(), QStringLiteral("Quellarine 2.1.0 is available"));
    EXPECT_EQ(banner.accessibleName(), banner.message()->text());
    EXPECT_EQ(whatsNew.emptyState(), nullptr);

    QTest::mouseClick(banner.updateButton(), Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);
    // By keyboard alone: Tab reaches the button, Space presses it.
    whatsNew.activateWindow();
    banner.updateButton()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(banner.updateButton(), Qt::Key_Space);
    EXPECT_EQ(updater->userChecks, 2);

    findUpdate(QStringLiteral("2.2.0"));
    EXPECT_EQ(banner.message()->text(), QStringLiteral("Quellarine 2.2.0 is available"));
    updaterDelegate->updaterDidNotFindUpdate();
    EXPECT_FALSE(banner.isVisible());
    EXPECT_EQ(whatsNew.cards().size(), 1);
}

TEST_F(WhatsNewPageTest, OnlyTheRunningVersionsCardIsMarked)
{
    ASSERT_FALSE(running.empty());
    WhatsNewPage& whatsNew = show({note("9.0.0"), note(running, {"One", "Two"}), note("0.9.0")});
    ASSERT_EQ(whatsNew.cards().size(), 3);
    const QColor accent = Brand::accent.resolve(whatsNew);
    const QColor secondary = whatsNew.palette().color(QPalette::PlaceholderText);
    for (int index = 0; index < 3; ++index) {
        const NoteCard& card = *whatsNew.cards()[index];
        const bool current = index == 1;
        EXPECT_EQ(card.isCurrent(), current);
        EXPECT_EQ(card.badge() != nullptr, current);
        EXPECT_EQ(card.versionPill()->text(), QString::fromStdString(card.note().version));
        EXPECT_EQ(card.borderColor(), current ? withOpacity(accent, 0.45) : withOpacity(secondary, 0.18));
        EXPECT_EQ(card.versionPill()->textColor(), current ? accent : secondary);
        for (const NoteItem* item : card.items()) {
            EXPECT_EQ(item->bulletColor(), current ? accent : withOpacity(secondary, 0.6));
        }
    }
    const NoteCard& current = *whatsNew.cards()[1];
    EXPECT_EQ(current.badge()->text(), QStringLiteral("This version"));
    EXPECT_EQ(current.headline()->text(), QString::fromStdString("Release " + running));
    ASSERT_NE(current.intro(), nullptr);
    EXPECT_EQ(current.intro()->tone(), MarkdownText::Tone::secondary);
    ASSERT_EQ(current.items().size(), 2);
    // Each bullet sits just above its item's first baseline, beside the text.
    for (const NoteItem* item : current.items()) {
        const QRectF bullet = item->bulletRect();
        EXPECT_NEAR(bullet.bottom(), item->text()->y() + item->text()->firstBaseline() - NoteItem::bulletLift, 0.5);
        EXPECT_LE(bullet.right(), item->text()->x() - NoteItem::bulletSpacing + 0.5);
    }

    // A running version without notes marks nothing; a card without intro or items shows neither.
    WhatsNewPage& other = show({note("9.0.0"), ReleaseNote{"0.1.0", "Bare", std::nullopt, {}}});
    for (const NoteCard* card : other.cards()) {
        EXPECT_FALSE(card->isCurrent());
        EXPECT_EQ(card->badge(), nullptr);
    }
    EXPECT_EQ(other.cards()[1]->intro(), nullptr);
    EXPECT_TRUE(other.cards()[1]->items().isEmpty());
}

// The document position of the first character of `text` in the item's text.
QPoint pointOf(MarkdownText& text, const QString& part)
{
    const int position = static_cast<int>(text.document()->toPlainText().indexOf(part));
    QTextCursor cursor(text.document());
    cursor.setPosition(position + 1);
    return text.cursorRect(cursor).center();
}

TEST_F(WhatsNewPageTest, ItemsShowTheirFormattingAndTheirLinksOpenByPointerAndKeyboard)
{
    OpenedAddresses addresses;
    WhatsNewPage& whatsNew = show({note(
        running,
        {"Read **this** in the [guide](https://example.org/guide).", "An **open item with `code and <b>html</b>"})});
    const NoteCard& card = *whatsNew.cards().front();
    MarkdownText& linked = *card.items()[0]->text();
    MarkdownText& plain = *card.items()[1]->text();

    EXPECT_EQ(linked.document()->toPlainText(), QStringLiteral("Read this in the guide."));
    EXPECT_EQ(plain.document()->toPlainText(), QStringLiteral("An **open item with `code and <b>html</b>"));
    QTextCursor cursor(linked.document());
    cursor.setPosition(7);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(20);
    EXPECT_TRUE(cursor.charFormat().isAnchor());
    EXPECT_EQ(cursor.charFormat().anchorHref(), QStringLiteral("https://example.org/guide"));
    EXPECT_EQ(cursor.charFormat().foreground().color(), Brand::accent.resolve(linked));
    // Only text with a link is a Tab stop.
    EXPECT_TRUE(linked.focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(plain.focusPolicy() & Qt::TabFocus);

    QTest::mouseClick(linked.viewport(), Qt::LeftButton, {}, pointOf(linked, QStringLiteral("guide")));
    ASSERT_EQ(addresses.urls.size(), 1);
    EXPECT_EQ(addresses.urls.front(), QUrl(QStringLiteral("https://example.org/guide")));
    // Clicking plain text opens nothing.
    QTest::mouseClick(linked.viewport(), Qt::LeftButton, {}, pointOf(linked, QStringLiteral("Read")));
    EXPECT_EQ(addresses.urls.size(), 1);

    // Tab moves onto the link; Return opens it.
    whatsNew.activateWindow();
    whatsNew.setFocus(Qt::OtherFocusReason);
    for (int step = 0; step < 4 && QApplication::focusWidget() != &linked; ++step) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &whatsNew, Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), &linked);
    QTest::keyClick(&linked, Qt::Key_Return);
    EXPECT_EQ(addresses.urls.size(), 2);
}

TEST_F(WhatsNewPageTest, TheShippedNotesCoverThisVersionInEveryLanguage)
{
    const std::vector<ReleaseNote> english = shipped(QStringLiteral("en"));
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(english.front().version, running);
    EXPECT_EQ(WhatsNewPage::shippedNotes(), english);
    for (const QString& language : Localization::languages()) {
        const std::vector<ReleaseNote> notes = shipped(language);
        ASSERT_EQ(notes.size(), english.size()) << language.toStdString();
        const ReleaseNote& note = notes.front();
        EXPECT_EQ(note.version, running);
        EXPECT_NE(note.headline, "Quellarine " + running) << language.toStdString();
        EXPECT_TRUE(note.intro) << language.toStdString();
        EXPECT_EQ(note.items.size(), english.front().items.size()) << language.toStdString();
        if (language != u"en") {
            EXPECT_NE(note.headline, english.front().headline) << language.toStdString();
            EXPECT_NE(note.items, english.front().items) << language.toStdString();
        }
        // The notes' own markup is balanced: nothing of it is left to show as text.
        for (const std::string& item : note.items) {
            const QString shown = InlineMarkdown::plainText(InlineMarkdown::runs(QString::fromStdString(item)));
            EXPECT_FALSE(shown.contains(u'*') || shown.contains(u'`') || shown.contains(u'['))
                << language.toStdString() << ": " << item;
        }
    }
}

TEST_F(WhatsNewPageTest, ArabicScreenshot)
{
    Localization::apply(QStringLiteral("ar"));
    findUpdate(QStringLiteral("1.1.0"));
    auto* arabic = new WhatsNewPage(model(), shipped(QStringLiteral("ar")));
    EXPECT_TRUE(arabic->isRightToLeft());
    EXPECT_EQ(arabic->cards().front()->badge()->text(), QStringLiteral("هذا الإصدار"));
    EXPECT_EQ(Screenshots::capture(QStringLiteral("whats-new-ar"), arabic, pageWindowWidth).size(), 2);
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine
