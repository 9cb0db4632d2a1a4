// Raising the pointer thread through the desktop's broker, against a broker of the test's own on a private bus:
// what is asked for stays within what the broker grants, the process's limit is set before real time is asked for,
// and refusals or nonsense answers end in an answer, never a crash.
#include "Quellarine/Desktop/RealtimeKit.h"

#include "tests/Quellarine/Support/Eventually.h"
#include "tests/Quellarine/Support/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVirtualObject>

#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace quellarine;
using namespace quellarine::testing;

namespace {

class FakeBroker : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        calls.append(member);
        if (member == u"GetAll") {
            connection.send(properties ? message.createReply(*properties)
                                       : message.createErrorReply(QDBusError::AccessDenied, {}));
            return true;
        }
        if (member == u"MakeThreadRealtime" || member == u"MakeThreadHighPriority") {
            arguments = message.arguments();
            argumentSignature = message.signature();
            const bool grant = member == u"MakeThreadRealtime" ? grantRealtime : grantHigh;
            connection.send(grant ? message.createReply()
                                  : message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.Failed"),
                                                             QStringLiteral("refused")));
            return true;
        }
        return false;
    }

    std::optional<QVariantList> properties;
    bool grantRealtime = true;
    bool grantHigh = true;
    QStringList calls;
    QVariantList arguments;
    QString argumentSignature;
};

QVariantList limits(QVariant maxPriority, QVariant minNice, QVariant maxTime)
{
    QVariantMap map{{QStringLiteral("MaxRealtimePriority"), maxPriority},
                    {QStringLiteral("MinNiceLevel"), minNice},
                    {QStringLiteral("RTTimeUSecMax"), maxTime}};
    return {map};
}

class RealtimeKitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        QDBusConnection serving = bus.connect(QStringLiteral("broker"));
        ASSERT_TRUE(serving.registerService(QString::fromLatin1(RealtimeKit::service)));
        ASSERT_TRUE(serving.registerVirtualObject(QString::fromLatin1(RealtimeKit::path), &broker));
    }

    struct Outcome {
        RealtimeKit::Granted granted = RealtimeKit::Granted::nothing;
        QString why;
        std::optional<RealtimeKit::Limits> preparedWith;
        bool answered = false;
        int answers = 0;
    };

    Outcome raise(bool prepares = true)
    {
        RealtimeKit kit(bus.connect(QStringLiteral("app")));
        Outcome outcome;
        kit.raise({.thread = 4242,
                   .priority = 10,
                   .nice = -10,
                   .prepareRealtime =
                       [&outcome, prepares](const RealtimeKit::Limits& granted) {
                           outcome.preparedWith = granted;
                           return prepares;
                       }},
                  [&outcome](RealtimeKit::Granted granted, const QString& why) {
                      outcome.granted = granted;
                      outcome.why = why;
                      outcome.answered = true;
                      ++outcome.answers;
                  });
        EXPECT_TRUE(eventually([&] { return outcome.answered; }));
        // Nothing more may come after the one answer.
        QTest::qWait(20);
        EXPECT_EQ(outcome.answers, 1);
        bus.disconnect(QStringLiteral("app"));
        return outcome;
    }

    PrivateBus bus;
    FakeBroker broker;
};

TEST_F(RealtimeKitTest, AsksForRealTimeWithinTheBrokersLimitsAfterTheProcessLimitIsSet)
{
    broker.properties = limits(5, -15, qlonglong{150'000});
    const Outcome outcome = raise();
    EXPECT_EQ(outcome.granted, RealtimeKit::Granted::realtime);
    ASSERT_TRUE(outcome.preparedWith);
    EXPECT_EQ(*outcome.preparedWith, (RealtimeKit::Limits{5, -15, 150'000}));
    EXPECT_EQ(broker.calls, (QStringList{QStringLiteral("GetAll"), QStringLiteral("MakeThreadRealtime")}));
    EXPECT_EQ(broker.argumentSignature, QStringLiteral("tu"));
    ASSERT_EQ(broker.arguments.size(), 2);
    EXPECT_EQ(broker.arguments.at(0).toULongLong(), 4242u);
    EXPECT_EQ(broker.arguments.at(1).toUInt(), 5u) << "asked for more than the broker grants";
}

TEST_F(RealtimeKitTest, RefusedRealTimeFallsBackToTheNiceLevelTheBrokerAllows)
{
    broker.properties = limits(20, -5, qlonglong{200'000});
    broker.grantRealtime = false;
    Outcome outcome = raise();
    EXPECT_EQ(outcome.granted, RealtimeKit::Granted::high);
    EXPECT_EQ(broker.calls.last(), QStringLiteral("MakeThreadHighPriority"));
    EXPECT_EQ(broker.argumentSignature, QStringLiteral("ti"));
    EXPECT_EQ(broker.arguments.at(1).toInt(), -5) << "asked for a better nice level than the broker allows";

    // A process limit that could not be set asks for no real time at all.
    broker.calls.clear();
    outcome = raise(false);
    EXPECT_EQ(outcome.granted, RealtimeKit::Granted::high);
    EXPECT_FALSE(broker.calls.contains(QStringLiteral("MakeThreadRealtime")));

    broker.grantHigh = false;
    outcome = raise();
    EXPECT_EQ(outcome.granted, RealtimeKit::Granted::nothing);
}

TEST_F(RealtimeKitTest, NonsenseOrMissingAnswersEndInNothingGranted)
{
    // No broker on the bus at all.
    {
        PrivateBus empty;
        ASSERT_NO_FATAL_FAILURE(empty.start());
        RealtimeKit kit(empty.connect(QStringLiteral("lonely")));
        bool answered = false;
        kit.raise({.thread = 1, .priority = 10, .nice = -10, .prepareRealtime = {}},
                  [&answered](RealtimeKit::Granted granted, const QString&) {
                      EXPECT_EQ(granted, RealtimeKit::Granted::nothing);
                      answered = true;
                  });
        EXPECT_TRUE(eventually([&] { return answered; }));
    }

    std::mt19937 random(7);
    const QVariantList oddValues{QStringLiteral("20"),
                                 true,
                                 2.5,
                                 QVariant::fromValue(QStringList{}),
                                 QByteArray("x"),
                                 QVariant::fromValue(QDBusObjectPath(QStringLiteral("/a")))};
    const QList<std::optional<QVariantList>> answers{
        std::nullopt,
        QVariantList{},
        QVariantList{QStringLiteral("a{sv} expected")},
        QVariantList{QVariant::fromValue(QStringList{QStringLiteral("MaxRealtimePriority")})},
        QVariantList{QVariantMap{{QStringLiteral("MaxRealtimePriority"), 20}}},
        limits(20, -15, qlonglong{200'000}) + QVariantList{1},
    };
    for (const auto& answer : answers) {
        broker.properties = answer;
        broker.calls.clear();
        const Outcome outcome = raise();
        EXPECT_EQ(outcome.granted, RealtimeKit::Granted::nothing);
        EXPECT_FALSE(broker.calls.contains(QStringLiteral("MakeThreadRealtime")));
    }
    for (int round = 0; round < 12; ++round) {
        QVariantList values{20, -15, qlonglong{200'000}};
        values[random() % 3] = oddValues.at(random() % oddValues.size());
        broker.properties = limits(values[0], values[1], values[2]);
        broker.calls.clear();
        const Outcome outcome = raise();
        EXPECT_EQ(outcome.granted, RealtimeKit::Granted::nothing);
        EXPECT_EQ(broker.calls, QStringList{QStringLiteral("GetAll")});
    }
    // Out-of-range numbers grant nothing beyond what can be asked for.
    broker.properties = limits(1000, -99, qlonglong{-5});
    const Outcome outOfRange = raise();
    ASSERT_TRUE(outOfRange.preparedWith);
    EXPECT_EQ(*outOfRange.preparedWith, (RealtimeKit::Limits{99, -20, 0}));
}

} // namespace
