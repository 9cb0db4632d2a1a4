#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Desktop/SettingsPortal.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>

#include "Eventually.h"
#include "HostileDBusValues.h"
#include "PrivateBus.h"

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::eventually;

// A stand-in for the desktop's settings portal, answering "Read" the way the real one does (the value wrapped in
// a second variant) and announcing changes with its signal.
class FakeSettingsPortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    QMap<QString, QVariant> values;
    // Instead of the value, when set: what Read answers.
    std::optional<QList<QVariant>> readReply;

    void send(QDBusConnection& bus, const QList<QVariant>& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(SettingsPortal::path, SettingsPortal::interface,
                                                         QStringLiteral("SettingChanged"));
        signal.setArguments(arguments);
        bus.send(signal);
    }

    void change(QDBusConnection& bus, const QString& settingNamespace, const QString& key, const QVariant& value)
    {
        values.insert(settingNamespace + QLatin1Char('/') + key, value);
        QDBusMessage signal = QDBusMessage::createSignal(SettingsPortal::path, SettingsPortal::interface,
                                                         QStringLiteral("SettingChanged"));
        signal << settingNamespace << key << QVariant::fromValue(QDBusVariant(value));
        bus.send(signal);
    }

public slots:
    QDBusVariant Read(const QString& settingNamespace, const QString& key)
    {
        if (readReply) {
            setDelayedReply(true);
            connection().send(message().createReply(*readReply));
            return {};
        }
        const QString name = settingNamespace + QLatin1Char('/') + key;
        if (!values.contains(name)) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("No such setting"));
            return {};
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(values.value(name))));
    }
};

// A session bus of the test's own, stopped by its process id at the end.
class PrivateBusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        portalBus.emplace(bus.connect(QStringLiteral("portal")));
        clientBus.emplace(bus.connect(QStringLiteral("client")));
        ASSERT_TRUE(portalBus->isConnected() && clientBus->isConnected());
        ASSERT_TRUE(portalBus->registerService(SettingsPortal::service));
        ASSERT_TRUE(portalBus->registerObject(SettingsPortal::path, &fake, QDBusConnection::ExportAllSlots));
    }

    void TearDown() override
    {
        portalBus.reset();
        clientBus.reset();
        bus.stop();
    }

    testing::PrivateBus bus;
    FakeSettingsPortal fake;
    std::optional<QDBusConnection> portalBus;
    std::optional<QDBusConnection> clientBus;
};

TEST_F(PrivateBusTest, PortalReportsTheCurrentValueAndEveryChangeOfWatchedKeysOnly)
{
    fake.values.insert(QStringLiteral("org.freedesktop.appearance/color-scheme"), QVariant::fromValue(1u));
    SettingsPortal portal(*clientBus);
    QSignalSpy reports(&portal, &SettingsPortal::valueChanged);
    portal.watch(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"), QStringLiteral("u"));
    ASSERT_TRUE(reports.wait(5000));
    EXPECT_EQ(reports.at(0).at(2).toUInt(), 1u);

    fake.change(*portalBus, QStringLiteral("org.freedesktop.appearance"), QStringLiteral("accent-color"), 3.0);
    fake.change(*portalBus, QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                QVariant::fromValue(2u));
    ASSERT_TRUE(eventually([&] { return reports.size() == 2; }));
    EXPECT_EQ(reports.at(1).at(1).toString(), QStringLiteral("color-scheme"));
    EXPECT_EQ(reports.at(1).at(2).toUInt(), 2u);
}

TEST_F(PrivateBusTest, SystemAppearanceAndMotionFollowTheDesktop)
{
    fake.values.insert(QStringLiteral("org.freedesktop.appearance/color-scheme"), QVariant::fromValue(1u));
    fake.values.insert(QStringLiteral("org.gnome.desktop.interface/enable-animations"), true);
    Appearance& appearance = Appearance::shared();
    Motion& motion = Motion::shared();
    appearance.setChoice(Appearance::Choice::system);
    motion.setOverride(std::nullopt);
    SettingsPortal portal(*clientBus);
    appearance.follow(portal);
    motion.follow(portal);

    EXPECT_TRUE(eventually([&] { return appearance.isDark(); }));
    EXPECT_TRUE(Appearance::isDark(QApplication::palette()));
    EXPECT_TRUE(eventually([&] { return motion.desktopReducesMotion() == std::optional<bool>(false); }));

    QSignalSpy motionChanges(&motion, &Motion::reduceMotionChanged);
    fake.change(*portalBus, QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations"), false);
    ASSERT_TRUE(motionChanges.wait(5000));
    EXPECT_TRUE(motion.reduceMotion());

    fake.change(*portalBus, QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                QVariant::fromValue(0u));
    EXPECT_TRUE(eventually([&] { return !appearance.isDark(); }));

    motion.setOverride(false);
    EXPECT_FALSE(motion.reduceMotion()) << "the application's switch wins over the desktop";
    appearance.setChoice(Appearance::Choice::light);
}

TEST_F(PrivateBusTest, ValuesAndMessagesOfAnyOtherTypeAreIgnored)
{
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    const QString colorScheme = QStringLiteral("color-scheme");
    testing::HostileDBusValues hostile(5001);
    SettingsPortal portal(*clientBus);
    QSignalSpy reports(&portal, &SettingsPortal::valueChanged);
    // Read answered with a value of another type, or with anything at all.
    for (int round = 0; round < 40; ++round) {
        if (round % 2 == 0) {
            fake.readReply.reset();
            fake.values.insert(appearance + QLatin1Char('/') + colorScheme, hostile.next());
        } else {
            fake.readReply = hostile.arguments();
        }
        portal.watch(appearance, colorScheme, QStringLiteral("u"));
    }
    // Changes of another type, and signals of any shape.
    for (int round = 0; round < 150; ++round) {
        if (round % 2 == 0) {
            fake.change(*portalBus, appearance, colorScheme, hostile.next());
        } else {
            fake.send(*portalBus, hostile.arguments());
        }
    }
    fake.change(*portalBus, appearance, colorScheme, QVariant::fromValue(2u));
    ASSERT_TRUE(eventually([&] { return !reports.isEmpty() && reports.constLast().at(2) == QVariant::fromValue(2u); }));
    for (const QList<QVariant>& report : reports) {
        EXPECT_EQ(report.at(2).metaType(), QMetaType::fromType<uint>());
    }
}

TEST(AppearanceTest, ColorSchemeValues)
{
    EXPECT_EQ(Appearance::prefersDarkFromColorScheme(QVariant::fromValue(1u)), std::optional<bool>(true));
    EXPECT_EQ(Appearance::prefersDarkFromColorScheme(QVariant::fromValue(2u)), std::optional<bool>(false));
    EXPECT_EQ(Appearance::prefersDarkFromColorScheme(QVariant::fromValue(0u)), std::nullopt);
    EXPECT_EQ(Appearance::prefersDarkFromColorScheme(QStringLiteral("dark")), std::nullopt);
}

} // namespace
} // namespace quellarine

#include "DesktopSettingsTests.moc"
