#include "LocalService.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/ScreenScale.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/ExplainStore.h"

#include "QuellarineKit/Services/ExplanationRequest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::LocalService;
using Kind = ExplainStore::State::Kind;
using Failure = ExplainStore::Failure;

constexpr const char* goodAnswer
    = R"({"summary":"Your hand shakes a little.","points":["Try Strong.","Click slowly."],)"
      R"("setting":{"base":"strong","minCutoff":1.2,"beta":0.01,"stages":2,"strength":0.8}})";

class ExplainStoreTest : public ::testing::Test {
protected:
    QTemporaryDir directory;
    Defaults defaults{directory.filePath(QStringLiteral("settings.ini"))};
    QStringList logged;
    SystemLog log{[this](SystemLog::Level, const QString& message) { logged.append(message); }};
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};
    std::unique_ptr<ExplainStore> store = std::make_unique<ExplainStore>(defaults, client, log);
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
        service.answer
            = [status, body](const LocalService::Request&) { return LocalService::Answer::withStatus(status, body); };
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
    EXPECT_EQ(service.deadlinesAsked.at(QStringLiteral("api/calibrate/explain")), std::chrono::seconds(60));

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
    ExplainStore relaunched(defaults, client, log);
    EXPECT_EQ(relaunched.saved(), explanation);
    CalibrationResult later = result;
    later.date += 1;
    EXPECT_FALSE(relaunched.explanation(later));
}

// A good answer with the spaces JSON allows around it, `size` bytes in all.
QByteArray padded(const QByteArray& answer, qint64 size)
{
    return answer + QByteArray(size - answer.size(), ' ');
}

LocalService::Answer answerOf(int status, QByteArray body,
                              LocalService::Answer::Kind kind = LocalService::Answer::Kind::reply)
{
    LocalService::Answer answer = LocalService::Answer::withStatus(status, std::move(body));
    answer.kind = kind;
    return answer;
}

TEST_F(ExplainStoreTest, EveryFailureIsAStateOfOneRequestThatKeepsTheSavedExplanation)
{
    answerWith(200, goodAnswer);
    ask();
    const auto saved = store->saved();
    ASSERT_TRUE(saved);

    using AnswerKind = LocalService::Answer::Kind;
    const QByteArray moved = QByteArray::fromStdString(service.root().text()) + "/moved";
    const QByteArray longSummary
        = R"({"summary":")" + QByteArray(ExplainStore::summaryLimit + 1, 'a') + R"(","points":[]})";
    std::vector<std::pair<LocalService::Answer, ExplainStore::State>> replies{
        {answerOf(429, R"({"reason":"license_daily"})"), {Kind::failed, Failure::usedToday}},
        {answerOf(429, R"({"reason":"daily"})"), {Kind::failed, Failure::busyToday}},
        {answerOf(429, R"({"reason":"weekly"})"), {Kind::failed, Failure::unavailable}},
        {answerOf(429, R"({"reason":7})"), {Kind::failed, Failure::unavailable}},
        {answerOf(429, ""), {Kind::failed, Failure::unavailable}},
        {answerOf(500, goodAnswer), {Kind::failed, Failure::unavailable}},
        {answerOf(201, goodAnswer), {Kind::failed, Failure::unavailable}},
        {answerOf(200, R"({"summary":"Hi","points":["a",3]})"), {Kind::failed, Failure::unavailable}},
        {answerOf(200, R"({"summary":"Hi"})"), {Kind::failed, Failure::unavailable}},
        {answerOf(200, "not json"), {Kind::failed, Failure::unavailable}},
        // A text longer than any explanation's.
        {answerOf(200, longSummary), {Kind::failed, Failure::unavailable}},
        // Larger than any answer: announced, or coming without end.
        {answerOf(200, padded(goodAnswer, ExplainStore::sizeLimit + 1)), {Kind::failed, Failure::unavailable}},
        {answerOf(200, goodAnswer, AnswerKind::endless), {Kind::failed, Failure::unavailable}},
        {answerOf(429, R"({"reason":"daily"})", AnswerKind::endless), {Kind::failed, Failure::unavailable}},
        // No answer at all: closed before one, cut off or reset in the middle of one, or none within the deadline.
        {answerOf(200, goodAnswer, AnswerKind::dropConnection), {Kind::failed, Failure::offline}},
        {answerOf(200, goodAnswer, AnswerKind::cutOff), {Kind::failed, Failure::offline}},
        {answerOf(200, goodAnswer, AnswerKind::reset), {Kind::failed, Failure::offline}},
        {answerOf(200, goodAnswer, AnswerKind::never), {Kind::failed, Failure::offline}},
    };
    // A redirect is not the service's answer, wherever it would lead.
    for (int status : {301, 302, 303, 307, 308}) {
        LocalService::Answer redirect = answerOf(status, goodAnswer);
        redirect.headers = {{"Location", moved}};
        replies.emplace_back(redirect, ExplainStore::State{Kind::failed, Failure::unavailable});
    }
    for (const auto& [answer, state] : replies) {
        service.answer = [&answer = answer](const LocalService::Request& request) {
            return request.path == "/moved" ? LocalService::Answer::withStatus(200, goodAnswer) : answer;
        };
        const std::size_t before = service.received.size();
        EXPECT_EQ(ask(), state) << answer.status << " " << int(answer.kind);
        QTest::qWait(100);
        // Never a second copy, nor a visit elsewhere.
        EXPECT_EQ(service.received.size(), before + 1) << answer.status << " " << int(answer.kind);
        EXPECT_EQ(store->saved(), saved);
    }
}

TEST_F(ExplainStoreTest, AnAnswerUpToTheLimitIsReadAndNoByteMore)
{
    answerWith(200, padded(goodAnswer, ExplainStore::sizeLimit));
    EXPECT_EQ(ask(), ExplainStore::State{Kind::idle});
    ASSERT_TRUE(store->explanation(result));
    answerWith(200, padded(R"({"summary":"Other","points":[]})", ExplainStore::sizeLimit + 1));
    EXPECT_EQ(ask(), (ExplainStore::State{Kind::failed, Failure::unavailable}));
    EXPECT_EQ(store->explanation(result)->summary, QStringLiteral("Your hand shakes a little."));
}

TEST_F(ExplainStoreTest, NoStoredValueSlowsALaunch)
{
    const QString key = QString::fromLatin1(ExplainStore::savedKey);
    const QString file = directory.filePath(QStringLiteral("settings.ini"));

    // As an earlier version left it: a readable explanation of megabytes. It goes at the next launch, logged.
    defaults.setJson(key, {{"summary", std::string(3'000'000, 'x')}, {"points", {"p"}}, {"resultDate", 5}});
    ASSERT_TRUE(defaults.flush());
    ASSERT_GT(QFile(file).size(), 3'000'000);
    logged.clear();
    ExplainStore relaunched(defaults, client, log);
    EXPECT_FALSE(relaunched.saved());
    ASSERT_TRUE(defaults.flush());
    EXPECT_FALSE(Defaults(file).data(key));
    EXPECT_LT(QFile(file).size(), 4096);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].startsWith(QStringLiteral("Dropped a stored explanation of ")));

    // Small, but with texts longer than any explanation's: dropped as unreadable.
    defaults.setJson(key,
                     {{"summary", "S"},
                      {"points", std::vector<std::string>(ExplainStore::pointCountLimit + 1, "p")},
                      {"resultDate", 5}});
    EXPECT_FALSE(ExplainStore(defaults, client, log).saved());
    ASSERT_TRUE(defaults.flush());
    EXPECT_FALSE(Defaults(file).data(key));

    // The longest explanation an answer can give, in the characters that take the most room stored, is kept.
    const QString longestPoint(ExplainStore::pointLimit, QChar(1));
    ExplainStore::Explanation longest{QString(ExplainStore::summaryLimit, QChar(1)),
                                      QStringList(ExplainStore::pointCountLimit, longestPoint),
                                      PersonalSetting{FilterPreset::ID::strong, 1.2, 0.01, 2, 0.8}, result.date};
    store->setSaved(longest);
    ASSERT_TRUE(defaults.data(key));
    EXPECT_LE(defaults.data(key)->size(), ExplainStore::sizeLimit);
    EXPECT_EQ(ExplainStore(defaults, client, log).saved(), longest);
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
    defaults.setJson(
        QString::fromLatin1(ExplainStore::savedKey),
        nlohmann::json::parse(R"({"summary":"Kept","points":["p"],"resultDate":5,)"
                              R"("setting":{"base":"gentle","minCutoff":99,"beta":0.01,"stages":1,"strength":0.8}})"));
    ExplainStore relaunched(defaults, client, log);
    ASSERT_TRUE(relaunched.saved());
    EXPECT_EQ(relaunched.saved()->summary, QStringLiteral("Kept"));
    EXPECT_FALSE(relaunched.saved()->setting);
}

TEST(ExplainStoreWithoutServiceTest, ABuildWithoutTheServiceSaysItIsUnavailableAtOnce)
{
    QTemporaryDir directory;
    Defaults defaults(directory.filePath(QStringLiteral("settings.ini")));
    ServiceClient client(std::nullopt, QSslConfiguration::defaultConfiguration());
    ExplainStore store(defaults, client, SystemLog([](SystemLog::Level, const QString&) {}));
    store.ask(CalibrationResult{}, std::nullopt);
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::asking; }, 1000));
    EXPECT_EQ(store.state(), (ExplainStore::State{Kind::failed, Failure::unavailable}));
}

} // namespace
} // namespace quellarine
