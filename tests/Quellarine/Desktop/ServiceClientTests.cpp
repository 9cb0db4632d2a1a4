#include "GzipOfZeros.h"
#include "LocalService.h"

#include "Quellarine/Desktop/ServiceClient.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>
#include <optional>

namespace quellarine {
namespace {

using namespace std::chrono_literals;
using testing::LocalService;
using AnswerKind = LocalService::Answer::Kind;
using Outcome = ServiceReply::Outcome;

// A field of /proc/self/status, in KiB.
qint64 memoryStatus(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

// Starts measuring the process's peak resident memory afresh; its resident memory now, in KiB.
qint64 restartPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
    return memoryStatus("VmRSS");
}

class ServiceClientTest : public ::testing::Test {
protected:
    LocalService service;
    ServiceClient client{service.root(), service.clientTls(), service.deadlines()};
    QObject context;

    std::optional<ServiceReply> post(const QString& path, qint64 bodyLimit = 1024,
                                     std::chrono::milliseconds timeout = 20s)
    {
        std::optional<ServiceReply> result;
        client.post(path, QByteArrayLiteral("{\"a\":1}"), timeout, bodyLimit, &context,
                    [&](const ServiceReply& reply) { result = reply; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 10000));
        return result;
    }
};

TEST_F(ServiceClientTest, PostsJsonUnderTheRootAndSendsNoCookieBack)
{
    service.answer = [](const LocalService::Request&) {
        LocalService::Answer answer;
        answer.body = "{\"ok\":true}";
        answer.headers = {{"Set-Cookie", "session=abc; Path=/; Secure"}};
        return answer;
    };
    auto first = post(QStringLiteral("api/feedback"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->outcome, ServiceReply::Outcome::answered);
    EXPECT_EQ(first->status, 200);
    EXPECT_EQ(first->body, QByteArrayLiteral("{\"ok\":true}"));
    ASSERT_TRUE(post(QStringLiteral("api/calibrate/explain")));

    ASSERT_EQ(service.received.size(), 2u);
    EXPECT_EQ(service.received[0].method, "POST");
    EXPECT_EQ(service.received[0].path, "/api/feedback");
    EXPECT_EQ(service.received[1].path, "/api/calibrate/explain");
    EXPECT_EQ(service.received[0].headers.value("content-type"), "application/json");
    EXPECT_EQ(service.received[0].body, "{\"a\":1}");
    for (const auto& request : service.received) {
        EXPECT_FALSE(request.headers.contains("cookie"));
        EXPECT_FALSE(request.headers.contains("authorization"));
    }
    EXPECT_EQ(ServiceClient::join(service.root(), QStringLiteral("api/feedback")),
              QString::fromStdString(service.root().text()) + QStringLiteral("/api/feedback"));
}

TEST_F(ServiceClientTest, OnlyAWholeAnswerCounts)
{
    // A status with its body cut off or reset, a connection dropped unanswered, an answer slower than the time-out.
    for (auto kind : {AnswerKind::cutOff, AnswerKind::reset, AnswerKind::dropConnection, AnswerKind::never}) {
        service.answer = [kind](const LocalService::Request&) {
            LocalService::Answer answer;
            answer.kind = kind;
            answer.body = "{\"summary\":\"half";
            return answer;
        };
        auto reply = post(QStringLiteral("api/feedback"));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->outcome, ServiceReply::Outcome::offline) << int(kind);
    }
    // Error statuses are answers, not failures of the connection.
    service.answer = [](const LocalService::Request&) { return LocalService::Answer::withStatus(500); };
    auto failed = post(QStringLiteral("api/feedback"));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->outcome, ServiceReply::Outcome::answered);
    EXPECT_EQ(failed->status, 500);
}

TEST_F(ServiceClientTest, AnEndlessAnswerTakesNoMoreMemoryThanItsLimit)
{
    service.answer = [](const LocalService::Request&) {
        LocalService::Answer answer = LocalService::Answer::withStatus(200, R"({"summary":")");
        answer.kind = AnswerKind::endless;
        return answer;
    };
    // The first request makes the session and its TLS context, which any request needs.
    post(QStringLiteral("api/feedback"), ServiceClient::statusOnly);
    for (qint64 limit : {qint64(64 * 1024), ServiceClient::statusOnly}) {
        const qint64 poured = service.endlessBytes;
        const qint64 resident = restartPeak();
        auto reply = post(QStringLiteral("api/calibrate/explain"), limit);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->outcome, limit == ServiceClient::statusOnly ? Outcome::answered : Outcome::oversized);
        const qint64 growth = memoryStatus("VmHWM") - resident;
        std::cout << "endless answer, limit " << limit << " B: " << (service.endlessBytes - poured) / 1024
                  << " KiB poured, peak memory +" << growth << " KiB\n";
        EXPECT_LT(growth, 16 * 1024);
    }
}

TEST_F(ServiceClientTest, ACompressedAnswerIsRefusedUnpacked)
{
    // A gzip bomb, sent compressed though asked for as it is: 64 MB of zeros in some 65 kB.
    const QByteArray bomb = testing::gzipOfZeros(64 << 20);
    for (const char* coding : {"gzip", "deflate", "br"}) {
        service.answer = [&](const LocalService::Request&) {
            LocalService::Answer answer = LocalService::Answer::withStatus(200, bomb);
            answer.headers = {{"Content-Encoding", coding}};
            return answer;
        };
        // The feedback, whose status alone counts, and the explanation, whose body is read.
        for (qint64 limit : {ServiceClient::statusOnly, qint64(64 * 1024)}) {
            const qint64 resident = restartPeak();
            auto reply = post(QStringLiteral("api/feedback"), limit);
            ASSERT_TRUE(reply);
            EXPECT_EQ(reply->outcome, Outcome::unreadable) << coding << ' ' << limit;
            EXPECT_TRUE(reply->body.isEmpty());
            EXPECT_EQ(service.received.back().headers.value("accept-encoding"), "identity");
            // Nothing unpacked: no more than the compressed answer itself was ever held.
            EXPECT_LT(memoryStatus("VmHWM") - resident, 16 * 1024) << coding << ' ' << limit;
        }
    }

    // A plain answer from the same service is read.
    service.answer = [](const LocalService::Request&) { return LocalService::Answer::withStatus(200, "{}"); };
    auto plain = post(QStringLiteral("api/calibrate/explain"));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->outcome, Outcome::answered);
    EXPECT_EQ(plain->body, "{}");
}

TEST_F(ServiceClientTest, TwoRequestsInFlightEndIndependently)
{
    service.answer = [](const LocalService::Request& request) {
        LocalService::Answer answer;
        answer.status = request.path.endsWith("explain") ? 429 : 200;
        answer.delayMs = request.path.endsWith("explain") ? 300 : 0;
        return answer;
    };
    std::optional<ServiceReply> slow;
    std::optional<ServiceReply> fast;
    client.post(QStringLiteral("api/calibrate/explain"), "{}", 60s, 1024, &context,
                [&](const ServiceReply& reply) { slow = reply; });
    client.post(QStringLiteral("api/feedback"), "{}", 20s, ServiceClient::statusOnly, &context,
                [&](const ServiceReply& reply) { fast = reply; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return fast.has_value(); }, 5000));
    EXPECT_FALSE(slow.has_value());
    ASSERT_TRUE(QTest::qWaitFor([&] { return slow.has_value(); }, 5000));
    EXPECT_EQ(fast->status, 200);
    EXPECT_EQ(slow->status, 429);
}

TEST(ServiceClientWithoutServiceTest, SendsNothingAndSaysSoAtOnce)
{
    ServiceClient client(std::nullopt, QSslConfiguration::defaultConfiguration());
    QObject context;
    std::optional<ServiceReply> result;
    client.post(QStringLiteral("api/feedback"), "{}", 20s, ServiceClient::statusOnly, &context,
                [&](const ServiceReply& reply) { result = reply; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 1000));
    EXPECT_EQ(result->outcome, ServiceReply::Outcome::noService);
}

} // namespace
} // namespace quellarine
