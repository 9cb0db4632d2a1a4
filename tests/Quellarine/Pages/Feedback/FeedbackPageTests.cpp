#include "LocalService.h"
#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Pages/Feedback/FeedbackPage.h"
#include "Quellarine/Pages/Feedback/TopicTile.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using Kind = FeedbackStore::State::Kind;
using testing::LocalService;

class FeedbackPageTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};

    FeedbackPage& show()
    {
        services = &client;
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        page = new FeedbackPage(model());
        layout->addWidget(page);
        window->resize(660, 1100);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *page;
    }

    // Screenshots show windows of their own: the form's window takes the keyboard back afterwards.
    void capture(const QString& name)
    {
        testing::Screenshots::capture(name, new FeedbackPage(model()), 660);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void type(QWidget* widget, const QString& text)
    {
        widget->setFocus();
        QTest::keyClicks(widget, text);
    }

    std::unique_ptr<QWidget> window;
    FeedbackPage* page = nullptr;
};

TEST_F(FeedbackPageTest, AWholeMessageByKeyboardFromTopicToThanks)
{
    service.answer = [](const LocalService::Request&) { return LocalService::Answer::withStatus(500); };
    FeedbackPage& form = show();
    EXPECT_EQ(form.editor()->placeholderText(), TopicTile::placeholder(std::nullopt));
    EXPECT_TRUE(form.sendHint()->isVisible());
    EXPECT_FALSE(form.sendButton()->isEnabled());

    // Return on a tile chooses it and sends the typing into the message.
    form.tiles()[1]->setFocus();
    QTest::keyClick(form.tiles()[1], Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.editor()->hasFocus(); }));
    EXPECT_EQ(model().feedback().topic(), FeedbackStore::Topic::idea);
    EXPECT_TRUE(form.tiles()[1]->selected());
    EXPECT_EQ(form.editor()->placeholderText(), TopicTile::placeholder(FeedbackStore::Topic::idea));
    QTest::keyClicks(form.editor(), QStringLiteral("Bigger buttons, please."));
    EXPECT_FALSE(form.sendHint()->isVisible());
    type(form.emailField(), QStringLiteral("ana@example"));
    EXPECT_FALSE(form.sendButton()->isEnabled());
    EXPECT_EQ(form.emailHint()->text(), QStringLiteral("That doesn't look like an email address."));
    QTest::keyClicks(form.emailField(), QStringLiteral(".org "));
    EXPECT_TRUE(form.sendButton()->isEnabled());

    // Ctrl+Return sends; the fields wait while it travels; the failure keeps the form and says why.
    QTest::keyClick(form.emailField(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(model().feedback().state().kind, Kind::sending);
    EXPECT_TRUE(form.editor()->isReadOnly());
    EXPECT_EQ(form.sendButton()->text(), QStringLiteral("Sending…"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model().feedback().state().kind == Kind::failed; }));
    ASSERT_NE(form.failureNotice(), nullptr);
    EXPECT_EQ(
        form.failureNotice()->text(),
        QStringLiteral("Sending isn't working right now. Your message is kept here: try again later, or copy it."));
    EXPECT_FALSE(form.editor()->isReadOnly());
    EXPECT_EQ(form.editor()->toPlainText(), QStringLiteral("Bigger buttons, please."));
    // Tab reaches the way out of the failure where it stands: after the details, before Send.
    form.detailsSwitch()->setFocus();
    QTest::keyClick(form.detailsSwitch(), Qt::Key_Tab);
    EXPECT_TRUE(form.copyButton()->hasFocus());
    QTest::keyClick(form.copyButton(), Qt::Key_Tab);
    EXPECT_TRUE(form.sendButton()->hasFocus());
    form.copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Bigger buttons, please."));
    EXPECT_TRUE(form.failureNotice()->isVisible());
    capture(QStringLiteral("feedback-failed"));

    // One more character and the notice goes; a good reply shows the thanks, with the trimmed address.
    QTest::keyClicks(form.editor(), QStringLiteral("!"));
    EXPECT_EQ(model().feedback().state().kind, Kind::editing);
    EXPECT_EQ(form.failureNotice(), nullptr);
    service.answer = [](const LocalService::Request&) { return LocalService::Answer::withStatus(200); };
    form.sendButton()->setFocus();
    QTest::keyClick(form.sendButton(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.writeAnotherButton() != nullptr; }));
    EXPECT_EQ(form.thanksLine()->text(),
              QStringLiteral("It's read by a person, and the answer goes to ana@example.org."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.writeAnotherButton()->hasFocus(); }));
    EXPECT_EQ(QJsonDocument::fromJson(service.received.back().body)["message"].toString(),
              QStringLiteral("Bigger buttons, please.!"));
    capture(QStringLiteral("feedback-sent"));

    // Ctrl+Return on the thanks sends nothing more; Write Another brings the form back, address kept.
    const std::size_t sent = service.received.size();
    QTest::keyClick(form.writeAnotherButton(), Qt::Key_Return, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(service.received.size(), sent);
    QTest::keyClick(form.writeAnotherButton(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.editor() != nullptr; }));
    EXPECT_TRUE(form.editor()->toPlainText().isEmpty());
    EXPECT_EQ(form.emailField()->text(), QStringLiteral("ana@example.org "));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.tiles().front()->hasFocus(); }));
}

// The arrow keys walk the topics, choosing each and keeping the keyboard there; Tab goes on to the message and
// Shift+Tab comes back to the topic chosen.
TEST_F(FeedbackPageTest, ArrowKeysWalkTheTopicsAndTabMovesOn)
{
    FeedbackPage& form = show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const std::vector<TopicTile*>& tiles = form.tiles();
    tiles.front()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tiles.front()->hasFocus(); }));
    const std::vector<std::pair<Qt::Key, std::size_t>> walk{{Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3},
                                                            {Qt::Key_Left, 2},  {Qt::Key_Up, 1},   {Qt::Key_Up, 0}};
    for (const auto& [key, index] : walk) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), tiles[index]) << "after key " << key;
        EXPECT_EQ(model().feedback().topic(), tiles[index]->topic());
        EXPECT_FALSE(form.editor()->hasFocus());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.editor());
    QTest::keyClick(form.editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), tiles.front());
}

TEST_F(FeedbackPageTest, TheCounterAppearsNearTheLimitAndTurnsWarmPastIt)
{
    FeedbackPage& form = show();
    model().feedback().setTopic(FeedbackStore::Topic::bug);
    const auto message
        = [&](int count) { model().feedback().setMessage(QStringLiteral("\n") + QString(count, 'x') + " "); };
    message(3600);
    EXPECT_FALSE(form.counter()->isVisible());
    message(3601);
    EXPECT_TRUE(form.counter()->isVisible());
    EXPECT_EQ(form.counter()->text(), QStringLiteral("3,601 of 4,000 characters"));
    EXPECT_EQ(form.counter()->foregroundRole(), QPalette::PlaceholderText);
    message(4001);
    EXPECT_EQ(form.counter()->foregroundRole(), QPalette::WindowText);
    EXPECT_FALSE(form.sendButton()->isEnabled());
    EXPECT_FALSE(form.sendHint()->isVisible());
    capture(QStringLiteral("feedback-form"));
}

TEST_F(FeedbackPageTest, EachFailureInItsSentence)
{
    FeedbackPage& form = show();
    model().feedback().setTopic(FeedbackStore::Topic::bug);
    model().feedback().setMessage(QStringLiteral("The pointer drifts."));
    const std::pair<LocalService::Answer, const char*> failures[] = {
        {LocalService::Answer::of(LocalService::Answer::Kind::dropConnection),
         "Quellarine couldn't reach the internet. Your message is kept here: try again when you're online."},
        {LocalService::Answer::withStatus(429),
         "Many messages were sent in a short time. Your message is kept here: try again in an hour."},
        {LocalService::Answer::withStatus(400),
         "The message couldn't be sent as it is. Check the email address, or shorten the message."},
        {LocalService::Answer::withStatus(503),
         "Sending isn't working right now. Your message is kept here: try again later, or copy it."},
    };
    for (const auto& [answer, sentence] : failures) {
        service.answer = [&answer = answer](const LocalService::Request&) { return answer; };
        form.sendButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return model().feedback().state().kind == Kind::failed; }));
        ASSERT_NE(form.failureNotice(), nullptr);
        EXPECT_EQ(form.failureNotice()->text(), QString::fromUtf8(sentence));
    }
}

TEST_F(FeedbackPageTest, TheThanksCheckMarkFollowsTheAppearanceWhileShown)
{
    model().feedback().setState({Kind::sent});
    FeedbackPage& form = show();
    ASSERT_NE(form.thanksLine(), nullptr);
    QWidget* mark = nullptr;
    for (QWidget* child : form.findChildren<QWidget*>()) {
        if (child->accessibleName() == QStringLiteral("Sent")) {
            mark = child;
        }
    }
    ASSERT_NE(mark, nullptr);

    Appearance::shared().setChoice(Appearance::Choice::dark);
    QApplication::processEvents();
    const QImage image = testing::Screenshots::render(*mark);
    Appearance::shared().setChoice(Appearance::Choice::light);
    EXPECT_EQ(testing::Screenshots::opaquePixels(image, Brand::accent.resolve(false).rgb()), 0);
    EXPECT_GT(testing::Screenshots::opaquePixels(image, Brand::accent.resolve(true).rgb()), 0);
}

TEST_F(FeedbackPageTest, ArabicLaysTheFormOutFromTheRight)
{
    Localization::apply(QStringLiteral("ar"));
    model().feedback().setTopic(FeedbackStore::Topic::praise);
    model().feedback().setEmail(QStringLiteral("ana@"));
    show();
    EXPECT_EQ(page->layoutDirection(), Qt::RightToLeft);
    capture(QStringLiteral("feedback-ar"));
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine
