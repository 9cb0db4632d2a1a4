#include "LocalService.h"
#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Pages/Calibration/AIBadge.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Pages/Calibration/DisclosureButton.h"
#include "Quellarine/Pages/Calibration/ExplainCard.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Model/ExplainStore.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::LocalService;
using Kind = ExplainStore::State::Kind;

class ExplainCardTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};
    CalibrationResult result = [] {
        CalibrationResult measured;
        measured.shake = 2.5;
        measured.rhythm = 6.0;
        measured.scores = {{FilterPreset::ID::strong, 0.3, 55}, {FilterPreset::ID::balanced, 0.5, 25}};
        measured.suggested = FilterPreset::ID::strong;
        measured.date = 812345678;
        return measured;
    }();

    ExplainCard& show()
    {
        services = &client;
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        card = new ExplainCard(model(), result);
        layout->addWidget(card);
        window->resize(600, 500);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *card;
    }

    void answer(QByteArray body)
    {
        service.answer = [body](const LocalService::Request&) { return LocalService::Answer::withStatus(200, body); };
    }

    void capture(const QString& name)
    {
        testing::Screenshots::capture(name, new ExplainCard(model(), result), 600);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<QWidget> window;
    ExplainCard* card = nullptr;
};

TEST_F(ExplainCardTest, FromTheOfferThroughAFailureToTheExplanation)
{
    ExplainCard& shown = show();
    ASSERT_FALSE(shown.showsExplanation());
    EXPECT_TRUE(shown.askButton()->isEnabled());
    EXPECT_EQ(shown.failureNotice(), nullptr);

    // The disclosure shows exactly what would be sent.
    EXPECT_FALSE(shown.numbers()->isVisible());
    shown.numbersToggle()->setFocus();
    QTest::keyClick(shown.numbersToggle(), Qt::Key_Space);
    EXPECT_TRUE(shown.numbers()->isVisible());
    EXPECT_TRUE(shown.numbersToggle()->isChecked());
    QAccessibleInterface* disclosure = QAccessible::queryAccessibleInterface(shown.numbersToggle());
    ASSERT_NE(disclosure, nullptr);
    EXPECT_EQ(disclosure->text(QAccessible::Name), QStringLiteral("See exactly what is sent"));
    EXPECT_TRUE(disclosure->state().checkable && disclosure->state().checked);
    EXPECT_EQ(shown.numbers()->text(), model().explain().numbersPreview(result, model().profile().device()));
    EXPECT_TRUE(shown.numbers()->text().endsWith(QStringLiteral("\nlanguage: en")));

    // Two presses while asking send one request; the failure's sentence follows.
    service.answer = [](const LocalService::Request&) {
        return LocalService::Answer::withStatus(429, R"({"reason":"license_daily"})");
    };
    shown.askButton()->click();
    ASSERT_EQ(model().explain().state().kind, Kind::asking);
    EXPECT_FALSE(shown.askButton()->isEnabled());
    EXPECT_EQ(shown.askButton()->text(), QStringLiteral("Writing…"));
    shown.askButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model().explain().state().kind == Kind::failed; }));
    EXPECT_EQ(service.received.size(), 1u);
    ASSERT_NE(shown.failureNotice(), nullptr);
    EXPECT_EQ(shown.failureNotice()->text(),
              QStringLiteral("You've had today's three explanations. Try again tomorrow."));
    EXPECT_TRUE(shown.numbers()->isVisible()); // the disclosure stays as the user left it
    capture(QStringLiteral("explain-card-failed"));

    // The service's words are shown as they are written, never as markup.
    answer(R"json({"summary":"<b>Strong</b> <img src=\"https://x.org/a.png\"> [site](https://x.org)",)json"
           R"json("points":["<i>slow</i> clicks"],)json"
           R"json("setting":{"base":"strong","minCutoff":1.0,"beta":0.01,"stages":2,"strength":0.9}})json");
    shown.askButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.showsExplanation(); }));
    EXPECT_EQ(shown.summary()->text(),
              QStringLiteral("<b>Strong</b> <img src=\"https://x.org/a.png\"> [site](https://x.org)"));
    EXPECT_EQ(shown.summary()->textFormat(), Qt::PlainText);
    for (QLabel* label : shown.findChildren<QLabel*>()) {
        if (label->text().contains(QStringLiteral("<i>"))) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
        }
    }
    capture(QStringLiteral("explain-card-explained"));
}

TEST_F(ExplainCardTest, EachFailureInItsSentenceAndOnlyBesideItsOwnResult)
{
    ExplainCard& shown = show();
    const std::pair<LocalService::Answer, const char*> failures[] = {
        {LocalService::Answer::of(LocalService::Answer::Kind::dropConnection),
         "Quellarine couldn't reach the internet. The suggestion above doesn't need it: it was worked out on this "
         "computer."},
        {LocalService::Answer::withStatus(429, R"({"reason":"license_daily"})"),
         "You've had today's three explanations. Try again tomorrow."},
        {LocalService::Answer::withStatus(429, R"({"reason":"daily"})"),
         "Many people asked for an explanation today. Try again tomorrow."},
        {LocalService::Answer::withStatus(503),
         "Explanations aren't available right now. Try again later; the suggestion above works just the same."},
    };
    for (const auto& [answer, sentence] : failures) {
        service.answer = [&answer = answer](const LocalService::Request&) { return answer; };
        shown.askButton()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return model().explain().state().kind == Kind::failed; }));
        ASSERT_NE(shown.failureNotice(), nullptr);
        EXPECT_EQ(shown.failureNotice()->text(), QString::fromUtf8(sentence));
    }

    // The card of a newer result starts afresh: the failure was about another one.
    CalibrationResult newer = result;
    newer.date += 3600;
    ExplainCard fresh(model(), newer);
    EXPECT_EQ(fresh.failureNotice(), nullptr);
    EXPECT_TRUE(fresh.askButton()->isEnabled());
    EXPECT_NE(shown.failureNotice(), nullptr);
}

TEST_F(ExplainCardTest, TryItAdoptsTheSettingUntilAnotherPresetIsChosen)
{
    const PersonalSetting setting{FilterPreset::ID::strong, 1.0, 0.01, 2, 0.9};
    ExplainStore::Explanation explanation{QStringLiteral("Steady."), {}, setting, result.date};
    model().explain().setSaved(explanation);
    ExplainCard& shown = show();
    ASSERT_TRUE(shown.showsExplanation());
    ASSERT_NE(shown.tryButton(), nullptr);

    shown.tryButton()->setFocus();
    QTest::keyClick(shown.tryButton(), Qt::Key_Space);
    EXPECT_EQ(model().presetID(), FilterPreset::ID::personal);
    EXPECT_EQ(model().personal(), setting);
    EXPECT_EQ(shown.tryButton(), nullptr);
    ASSERT_NE(shown.inUseLabel(), nullptr);
    EXPECT_EQ(shown.inUseLabel()->text(), QStringLiteral("In use"));

    model().setPresetID(FilterPreset::ID::gentle);
    EXPECT_NE(shown.tryButton(), nullptr);
    // The personal preset with another setting is not this one.
    model().applyPersonal({FilterPreset::ID::strong, 2.0, 0.01, 2, 0.9});
    EXPECT_NE(shown.tryButton(), nullptr);

    // An explanation of an earlier result is not shown beside this one; nor is a setting without a preset.
    ExplainStore::Explanation older = explanation;
    older.resultDate -= 60;
    model().explain().setSaved(older);
    EXPECT_FALSE(shown.showsExplanation());
    ExplainStore::Explanation unusable = explanation;
    unusable.setting->minCutoff = 99;
    model().explain().setSaved(unusable);
    ASSERT_TRUE(shown.showsExplanation());
    EXPECT_EQ(shown.tryButton(), nullptr);
    EXPECT_EQ(shown.inUseLabel(), nullptr);
}

TEST_F(ExplainCardTest, TheExplanationsAccentFollowsTheAppearanceWhileShown)
{
    const PersonalSetting setting{FilterPreset::ID::strong, 1.0, 0.01, 2, 0.9};
    model().applyPersonal(setting);
    model().explain().setSaved(
        ExplainStore::Explanation{QStringLiteral("Steady."), {QStringLiteral("Point.")}, setting, result.date});
    ExplainCard& shown = show();
    ASSERT_NE(shown.inUseLabel(), nullptr);

    // Switched to dark while the check marks and "In use" are on screen: none keeps the light accent.
    Appearance::shared().setChoice(Appearance::Choice::dark);
    QApplication::processEvents();
    const QImage image = testing::Screenshots::render(*shown.summary()->parentWidget());
    Appearance::shared().setChoice(Appearance::Choice::light);
    EXPECT_EQ(testing::Screenshots::opaquePixels(image, Brand::accent.resolve(false).rgb()), 0);
    EXPECT_GT(testing::Screenshots::opaquePixels(image, Brand::accent.resolve(true).rgb()), 0);
}

TEST_F(ExplainCardTest, TheCardAndBadgeInEveryAppearance)
{
    show();
    capture(QStringLiteral("explain-card"));
    Localization::apply(QStringLiteral("ar"));
    auto* asking = new ExplainCard(model(), result);
    asking->numbersToggle()->click();
    testing::Screenshots::capture(QStringLiteral("explain-card-numbers-ar"), asking, 600);
    Localization::apply(QStringLiteral("en"));
    testing::Screenshots::capture(QStringLiteral("ai-badge"), new AIBadge(false));
    model().explain().setSaved(ExplainStore::Explanation{
        QStringLiteral("Your hand shakes a little, about six times a second."),
        {QStringLiteral("Strong takes out most of it."), QStringLiteral("Hold still a moment before you click.")},
        PersonalSetting{FilterPreset::ID::strong, 1.0, 0.01, 2, 0.9},
        result.date});
    Localization::apply(QStringLiteral("ar"));
    capture(QStringLiteral("explain-card-ar"));
    Localization::apply(QStringLiteral("en"));
}

// The columns, in the widget's own pixels, between which its drawing puts anything opaque.
std::pair<int, int> inkedColumns(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Its own drawing only, without the window's background.
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

// The numbers' lines read left to right in every language, but the block starts at the reading edge as the card
// does: at the left in English, at the right in Arabic.
TEST_F(ExplainCardTest, WhatIsSentStartsAtTheReadingEdgeInEitherDirection)
{
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("ar")}) {
        SCOPED_TRACE(language.toStdString());
        Localization::apply(language);
        ExplainCard& shown = show();
        shown.numbersToggle()->click();
        QApplication::processEvents();
        QLabel& numbers = *shown.numbers();
        ASSERT_TRUE(numbers.isVisible());
        const auto [first, last] = inkedColumns(numbers);
        ASSERT_LE(first, last) << "nothing drawn";
        const QRect box = numbers.contentsRect();
        constexpr int slack = 4;
        if (language == QStringLiteral("ar")) {
            EXPECT_GE(last, box.right() - slack);
            EXPECT_GT(first, box.left() + slack);
        } else {
            EXPECT_LE(first, box.left() + slack);
            EXPECT_LT(last, box.right() - slack);
        }
    }
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine
