#include "LocalService.h"
#include "TestAppModel.h"

#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Model/ProfileStore.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::LocalService;
using Kind = FeedbackStore::State::Kind;
using Failure = FeedbackStore::Failure;

class FeedbackStoreTest : public ::testing::Test {
protected:
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};
    FeedbackStore store{client};

    void fill(const QString& message = QStringLiteral("The pointer drifts."))
    {
        store.setTopic(FeedbackStore::Topic::bug);
        store.setMessage(message);
    }

    // Sends and waits for the reply; the body the service received, as JSON.
    QJsonObject sendAndReceive(const FeedbackStore::Details& details = {{"version", "1.0.0"}})
    {
        const std::size_t before = service.received.size();
        store.send(details);
        EXPECT_EQ(store.state().kind, Kind::sending);
        EXPECT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::sending; }, 5000));
        EXPECT_EQ(service.received.size(), before + 1);
        return QJsonDocument::fromJson(service.received.back().body).object();
    }
};

TEST_F(FeedbackStoreTest, WhatCanBeSent)
{
    EXPECT_FALSE(store.canSend()); // no topic, no message
    fill(QStringLiteral(" \n\t \r\n"));
    EXPECT_FALSE(store.canSend());

    // Characters as a reader counts them: a letter with two combining marks, a family joined by zero-width
    // joiners and a flag are one each, and so are a Devanagari letter and the emoji beside it.
    for (const QString& unit : {QStringLiteral("e\u0301\u0323"), QStringLiteral("👩‍👩‍👧‍👦"),
                                QStringLiteral("🇧🇷"), QStringLiteral("a"), QStringLiteral("👍🏽")}) {
        fill(QStringLiteral("\n  ") + unit.repeated(FeedbackStore::maxMessageLength) + QStringLiteral(" \n"));
        EXPECT_TRUE(store.canSend()) << unit.toStdString();
        fill(unit.repeated(FeedbackStore::maxMessageLength + 1));
        EXPECT_FALSE(store.canSend()) << unit.toStdString();
    }
    fill(QStringLiteral("क👍🏽").repeated(FeedbackStore::maxMessageLength / 2));
    EXPECT_EQ(store.messageLength(), FeedbackStore::maxMessageLength);
    EXPECT_TRUE(store.canSend());
    fill(store.message() + QStringLiteral("क"));
    EXPECT_FALSE(store.canSend());

    fill();
    const std::pair<const char*, bool> addresses[] = {
        {"", true},
        {" \t\u00a0", true},
        {"  ana@example.org\u00a0", true},
        {"ana@example.c", false},    // the only full stop is followed by one character
        {"ana@example.co.x", true},  // one full stop is followed by two
        {"ana@.example", false},     // a full stop first does not count
        {"ana@sub.example.c", true}, // backtracking finds ".example.c"
        {"ana@example.", false},
        {"ana@@example.org", false},
        {"an a@example.org", false},
        {"ana@example.org,", false},
        {"ana;b@example.org", false},
        {"<ana@example.org>", false},
        {"\"ana\"@example.org", false},
        {"ana@example.org\nx", false},
        {"ana@exam\u2003ple.org", false}, // an em space is white space too
    };
    for (const auto& [address, valid] : addresses) {
        store.setEmail(QString::fromUtf8(address));
        EXPECT_EQ(store.emailLooksValid(), valid) << address;
        EXPECT_EQ(store.canSend(), valid) << address;
    }
}

TEST_F(FeedbackStoreTest, TheBodyIsTheFormAsItStoodWhenTheSendBegan)
{
    fill(QStringLiteral("\n  Clicks stick 😀.  \n"));
    store.setEmail(QStringLiteral(" \tana@example.org\u00a0"));
    store.setSource(FeedbackStore::Source::help);
    store.send({{"version", "1.0.0"}, {"lang", "pt-BR"}});
    store.setMessage(QStringLiteral("typed while sending"));
    store.send({}); // a second press while the first is under way sends nothing
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind == Kind::sent; }, 5000));
    QTest::qWait(100);
    ASSERT_EQ(service.received.size(), 1u);
    EXPECT_EQ(service.received[0].path, "/api/feedback");

    const QJsonObject body = QJsonDocument::fromJson(service.received[0].body).object();
    EXPECT_EQ(body.keys(), (QStringList{"context", "email", "message", "rid", "source", "topic"}));
    EXPECT_EQ(body["topic"].toString(), "bug");
    EXPECT_EQ(body["source"].toString(), "help");
    EXPECT_EQ(body["message"].toString(), QStringLiteral("Clicks stick 😀."));
    EXPECT_EQ(body["email"].toString(), "ana@example.org");
    EXPECT_EQ(body["rid"].toString(), store.rid().toString(QUuid::WithoutBraces).toLower());
    EXPECT_EQ(body["rid"].toString().size(), 36);
    EXPECT_EQ(body["context"].toObject(), (QJsonObject{{"version", "1.0.0"}, {"lang", "pt-BR"}}));

    // Without details and without an address: an empty context and no "email".
    store.reset();
    fill();
    store.setEmail(QString());
    store.setIncludeDetails(false);
    const QJsonObject bare = sendAndReceive();
    EXPECT_EQ(bare["context"].toObject(), QJsonObject());
    EXPECT_FALSE(bare.contains("email"));
}

TEST_F(FeedbackStoreTest, EveryReplyLeavesTheFormAsItWasAndARetryKeepsItsIdentifier)
{
    const std::pair<int, FeedbackStore::State> replies[] = {
        {429, {Kind::failed, Failure::tooMany}},     {400, {Kind::failed, Failure::refused}},
        {201, {Kind::failed, Failure::unavailable}}, {204, {Kind::failed, Failure::unavailable}},
        {401, {Kind::failed, Failure::unavailable}}, {500, {Kind::failed, Failure::unavailable}},
    };
    fill();
    store.setEmail(QStringLiteral("ana@example.org"));
    const QUuid rid = store.rid();
    for (const auto& [status, state] : replies) {
        service.answer
            = [status = status](const LocalService::Request&) { return LocalService::Answer::withStatus(status); };
        const QJsonObject body = sendAndReceive();
        EXPECT_EQ(store.state(), state) << status;
        EXPECT_EQ(body["rid"].toString(), rid.toString(QUuid::WithoutBraces));
        EXPECT_EQ(store.message(), QStringLiteral("The pointer drifts."));
        EXPECT_EQ(store.topic(), FeedbackStore::Topic::bug);
    }
    // No answer, or one that is not the service's own: each send arrives once, with the same identifier, and
    // only the status of an answer counts, never its body.
    using AnswerKind = LocalService::Answer::Kind;
    const QByteArray moved = QByteArray::fromStdString(service.root().text()) + "/moved";
    const auto answer = [&](AnswerKind kind, int status, qsizetype size = 0) {
        LocalService::Answer made = LocalService::Answer::withStatus(status, QByteArray(size, ' '));
        made.kind = kind;
        if (status / 100 == 3) {
            made.headers = {{"Location", moved}};
        }
        return made;
    };
    const std::pair<LocalService::Answer, FeedbackStore::State> hostile[] = {
        {answer(AnswerKind::dropConnection, 200), {Kind::failed, Failure::offline}},
        {answer(AnswerKind::never, 200), {Kind::failed, Failure::offline}},
        {answer(AnswerKind::reply, 302), {Kind::failed, Failure::unavailable}},
        {answer(AnswerKind::reply, 307), {Kind::failed, Failure::unavailable}},
        {answer(AnswerKind::reply, 308), {Kind::failed, Failure::unavailable}},
        {answer(AnswerKind::endless, 500), {Kind::failed, Failure::unavailable}},
        {answer(AnswerKind::reply, 429, 1 << 20), {Kind::failed, Failure::tooMany}},
    };
    for (const auto& [reply, state] : hostile) {
        service.answer = [&reply = reply](const LocalService::Request& request) {
            return request.path == "/moved" ? LocalService::Answer::withStatus(200) : reply;
        };
        const std::size_t before = service.received.size();
        store.send({});
        ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::sending; }, 5000));
        EXPECT_EQ(store.state(), state) << reply.status << " " << int(reply.kind);
        QTest::qWait(100);
        EXPECT_EQ(service.received.size(), before + 1) << reply.status << " " << int(reply.kind);
        EXPECT_EQ(QJsonDocument::fromJson(service.received.back().body)["rid"].toString(),
                  rid.toString(QUuid::WithoutBraces));
    }
    // A reset after the status leaves what the status said, or no answer if the reset came first.
    service.answer = [&](const LocalService::Request&) { return answer(AnswerKind::reset, 200, 1000); };
    const std::size_t before = service.received.size();
    store.send({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::sending; }, 5000));
    const FeedbackStore::State offline{Kind::failed, Failure::offline};
    EXPECT_TRUE(store.state().kind == Kind::sent || store.state() == offline);
    QTest::qWait(100);
    EXPECT_EQ(service.received.size(), before + 1);
    EXPECT_EQ(service.deadlinesAsked.at(QStringLiteral("api/feedback")), std::chrono::seconds(20));

    // A body without end behind a 200 is never read: the message arrived.
    service.answer = [&](const LocalService::Request&) { return answer(AnswerKind::endless, 200); };
    sendAndReceive();
    EXPECT_EQ(store.state().kind, Kind::sent);
    store.copyMessage();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("The pointer drifts."));

    // Write Another: a new message with a new identifier to the same address, with the same choice of details.
    store.setIncludeDetails(false);
    store.reset();
    EXPECT_EQ(store.state().kind, Kind::editing);
    EXPECT_FALSE(store.topic());
    EXPECT_TRUE(store.message().isEmpty());
    EXPECT_NE(store.rid(), rid);
    EXPECT_EQ(store.email(), QStringLiteral("ana@example.org"));
    EXPECT_FALSE(store.includeDetails());
}

TEST(FeedbackStoreWithoutServiceTest, ABuildWithoutTheServiceSendsNothingAndSaysItIsUnavailable)
{
    ServiceClient client(std::nullopt, QSslConfiguration::defaultConfiguration());
    FeedbackStore store(client);
    store.setTopic(FeedbackStore::Topic::idea);
    store.setMessage(QStringLiteral("More presets"));
    store.send({});
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.state().kind != Kind::sending; }, 1000));
    EXPECT_EQ(store.state(), (FeedbackStore::State{Kind::failed, Failure::unavailable}));
}

class FeedbackDetailsTest : public ::testing::Test, protected testing::TestAppModel {};

TEST_F(FeedbackDetailsTest, DetailsNameTheApplicationAndLeaveOutWhatIsNotKnown)
{
    model().setPresetID(FilterPreset::ID::largeMovements);
    FeedbackStore::Details details = model().feedbackDetails();
    EXPECT_EQ(details.value("preset"), "largeMovements");
    EXPECT_EQ(details.value("version"), QStringLiteral(QUELLARINE_VERSION));
    // The system's major and minor version, always two numbers.
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(\A\d+\.\d+\z)")).match(details.value("os")).hasMatch())
        << details.value("os").toStdString();
    EXPECT_FALSE(details.contains("device"));
    for (const QString& key : details.keys()) {
        EXPECT_TRUE((QStringList{"version", "os", "lang", "preset"}).contains(key)) << key.toStdString();
    }
    model().profile().setDevice(ProfileStore::Device::both);
    EXPECT_EQ(model().feedbackDetails().value("device"), "both");
}

} // namespace
} // namespace quellarine
