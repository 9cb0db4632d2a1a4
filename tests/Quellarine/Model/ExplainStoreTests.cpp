#include "LocalService.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/ScreenScale.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Model/ExplainStore.h"

#include "QuellarineKit/Services/ExplanationRequest.h"

#include <QTemporaryDir>
#include <QTest>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::LocalService;
using Kind = ExplainStore::State::Kind;
using Failure = ExplainStore::Failure;

constexpr const char* goodAnswer =
    R"({"summary":"Your hand shakes a little.","points":["Try Strong.","Click slowly."],)"
    R"("setting":{"base":"strong","minCutoff":1.2,"beta":0.01,"stages":2,"strength":0.8}})";

class ExplainStoreTest : public ::testing::Test {
protected:
    QTemporaryDir directory;
    Defaults defaults{directory.filePath(QStringLiteral("settings.ini"))};
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), LocalService::timeScale};
    std::unique_ptr<ExplainStore> store = std::make_unique<ExplainStore>(defaults, client);
    CalibrationResult result = [] {
        CalibrationResult measured;
        measured.shake = 2.5;
        measured.rhythm = 5.5;
        measured.scores = {{FilterPreset::ID::strong, 0.4, 60}, {FilterPreset::ID::gentle, 0.8, 20}};
        measured.suggested = FilterPreset::ID::strong;
        measured.date = 812345678.25;
        return measured;
    }();

    void answerWith(int status, QByteArray body)
    {
        service.answer = [status, body](const LocalService::Request&) {
            return LocalService::Answer::withStatus(status, body);
        };
    }

    ExplainStore::State ask()
    {
        store->ask(result, ProfileStore::Device::mouse);
        EXPECT_EQ(store->state().kind, Kind::asking);
        EXPECT_TRUE(QTest::qWaitFor([&] { return store->state().kind != Kind::asking; }, 5000));
        return store->state();
    }
};

TEST_F(ExplainStoreTest, SendsTheNumbersOnceAndKeepsTheAnswerForThisResult)
{
    answerWith(200, goodAnswer);
    store->ask(result, ProfileStore::Device::mouse);
    store->ask(result, ProfileStore::Device::mouse); // a second ask while the first is under way sends nothing
    ASSERT_TRUE(QTest::qWaitFor([&] { return store->state().kind == Kind::idle; }, 5000));
    QTest::qWait(100);
    ASSERT_EQ(service.received.size(), 1u);
    EXPECT_EQ(service.received[0].path, "/api/calibrate/explain");

    const auto body = nlohmann::json::parse(service.received[0].body.toStdString());
    EXPECT_EQ(body["lang"], ExplainStore::lang().toStdString());
    EXPECT_EQ(body["result"], ExplanationRequest::payload(result, "mouse", mmPerPoint()));
    EXPECT_EQ(store->numbersPreview(result, ProfileStore::Device::mouse).toStdString(),
              ExplanationRequest::preview(body["result"], body["lang"]));

    const auto explanation = store->explanation(result);
    ASSERT_TRUE(explanation);
    EXPECT_EQ(explanation->summary, QStringLiteral("Your hand shakes a little."));
    EXPECT_EQ(explanation->points, (QStringList{"Try Strong.", "Click slowly."}));
    ASSERT_TRUE(explanation->setting);
    EXPECT_EQ(explanation->setting->base, FilterPreset::ID::strong);

    // Kept across launches, and only beside the result it explains.
    ExplainStore relaunched(defaults, client);
    EXPECT_EQ(relaunched.saved(), explanation);
    CalibrationResult later = result;
    later.date += 1;
    EXPECT_FALSE(relaunched.explanation(later));
}

TEST_F(ExplainStoreTest, EveryFailureIsAStateAndKeepsTheSavedExplanation)
{
    answerWith(200, goodAnswer);
    ask();
    const auto saved = store->saved();
    ASSERT_TRUE(saved);

    const std::tuple<int, QByteArray, Failure> replies[] = {
        {429, R"({"reason":"license_daily"})", Failure::usedToday},
        {429, R"({"reason":"daily"})", Failure::busyToday},
        {429, R"({"reason":"weekly"})", Failure::unavailable},
        {429, R"({"reason":7})", Failure::unavailable},
        {429, "", Failure::unavailable},
        {500, goodAnswer, Failure::unavailable},
        {201, goodAnswer, Failure::unavailable},
        {200, R"({"summary":"Hi","points":["a",3]})", Failure::unavailable},
        {200, R"({"summary":"Hi"})", Failure::unavailable},
        {200, "not json", Failure::unavailable},
    };
    for (const auto& [status, body, failure] : replies) {
        answerWith(status, body);
        EXPECT_EQ(ask(), (ExplainStore::State{Kind::failed, failure})) << status << " " << body.toStdString();
        EXPECT_EQ(store->saved(), saved);
    }
    for (auto kind : {LocalService::Answer::Kind::dropConnection, LocalService::Answer::Kind::never,
                      LocalService::Answer::Kind::cutOff}) {
        service.answer = [kind](const LocalService::Request&) { return LocalService::Answer::of(kind); };
        const std::size_t before = service.received.size();
        EXPECT_EQ(ask(), (ExplainStore::State{Kind::failed, Failure::offline}));
        QTest::qWait(100);
        EXPECT_EQ(service.received.size(), before + 1); // never a second copy
        EXPECT_EQ(store->saved(), saved);
    }
}

TEST_F(ExplainStoreTest, OnlyASettingInRangeOnAScoredPresetIsOffered)
{
    const std::pair<const char*, bool> settings[] = {
        {R"({"base":"veryStrong","minCutoff":1.2,"beta":0.01,"stages":2,"strength":0.8})", false}, // not scored
        {R"({"base":"personal","minCutoff":1.2,"beta":0.01,"stages":2,"strength":0.8})", false},
        {R"({"base":"gentle","minCutoff":9,"beta":0.01,"stages":2,"strength":0.8})", false}, // out of range
        {R"("strong")", false},
        {R"({"base":"gentle","minCutoff":1.2,"beta":0.01,"stages":1,"strength":0.8})", true},
    };
    for (const auto& [setting, kept] : settings) {
        answerWith(200, QByteArray(R"({"summary":"S","points":[],"setting":)") + setting + "}");
        EXPECT_EQ(ask().kind, Kind::idle) << setting;
        ASSERT_TRUE(store->saved());
        EXPECT_EQ(store->saved()->setting.has_value(), kept) << setting;
    }

    // A stored explanation whose setting went out of range keeps its words and loses only the setting.
    defaults.setJson(QString::fromLatin1(ExplainStore::savedKey),
                     nlohmann::json::parse(R"({"summary":"Kept","points":["p"],"resultDate":5,)"
                                           R"("setting":{"base":"gentle","minCutoff":99,"beta":0.01,"stages":1,"strength":0.8}})"));
    ExplainStore relaunched(defaults, client);
    ASSERT_TRUE(relaunched.saved());
    EXPECT_EQ(relaunched.saved()->summary, QStringLiteral("Kept"));
    EXPECT_FALSE(relaunched.saved()->setting);
}

TEST(ExplainStoreWithoutService, ABuildWithoutTheServiceSaysItIsUnavailableAtOnce)
{
    QTemporaryDir directory;
    Defaults defaults(directory.filePath(QStringLiteral("settings.ini")));
    ServiceClient client(std::nullopt, QSslConfiguration::defaultConfiguration());
    ExplainStore store(defaults, client);
    store.ask(CalibrationResult{}, std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::asking; }, 1000));
    EXPECT_EQ(store.state(), (ExplainStore::State{Kind::failed, Failure::unavailable}));
}

} // namespace
} // namespace quellarine
