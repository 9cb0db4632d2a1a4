#include "Quellarine/Model/ProfileStore.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace quellarine;
using Details = ProfileStore::Details;
using Device = ProfileStore::Device;
using Appearance = ProfileStore::Appearance;

namespace {

class ProfileStoreTest : public testing::Test {
protected:
    QString settingsPath() const { return directory.filePath(QStringLiteral("settings.ini")); }

    // A store over a fresh reader of the settings file, as at the next launch.
    std::unique_ptr<ProfileStore> launch()
    {
        // The earlier launch's writes reached the disk when it quit.
        settle();
        readers.push_back(std::make_unique<Defaults>(settingsPath()));
        ProfileStore::Environment environment{
            .photoFolder = directory.filePath(QStringLiteral("data/Quellarine")),
            .applyAppearance = [this](Appearance appearance) { applied.push_back(appearance); },
            .startRelaunch = [this] { return helperStarts; },
            .quit = [this] { ++quits; },
        };
        return std::make_unique<ProfileStore>(*readers.back(), log, environment);
    }

    void writeRaw(const QString& key, const QVariant& value) const
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue(key, value);
    }

    // Every launch's writes so far have been tried on the disk.
    void settle() const
    {
        for (const auto& reader : readers) {
            reader->flush();
        }
    }

    QByteArray fileBytes() const
    {
        settle();
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static CalibrationResult sampleResult()
    {
        return CalibrationResult{.rhythm = 5.3,
                                 .shake = 1.25,
                                 .press = 0.118,
                                 .slip = 0.75,
                                 .extraClicks = 2,
                                 .misses = 1,
                                 .scores = {{FilterPreset::ID::strong, 0.31, 42.5}},
                                 .suggested = FilterPreset::ID::strong,
                                 .clickGuard = true,
                                 .date = 786'123'456.5};
    }

    QTemporaryDir directory;
    // Each launch reads through a Defaults of its own; earlier stores keep theirs.
    std::vector<std::unique_ptr<Defaults>> readers;
    QStringList logged;
    SystemLog log{[this](SystemLog::Level, const QString& message) { logged.append(message); }};
    std::vector<Appearance> applied;
    bool helperStarts = true;
    int quits = 0;
};

// 59 letters, then a thumbs-up with a skin tone: two scalars, each a surrogate pair, across the 60-scalar limit.
const QString straddlingName = QString(59, u'a') + QString::fromUtf8("\U0001F44D\U0001F3FD");

} // namespace

TEST_F(ProfileStoreTest, EveryValueSurvivesAFreshReader)
{
    auto store = launch();
    EXPECT_TRUE(store->details() == Details{});
    EXPECT_EQ(store->appearance(), Appearance::system);

    const Details typed{QStringLiteral("Zoë \"Z\", Ann"), straddlingName, QStringLiteral("o'brien+tag@例え.jp")};
    store->setDetails(typed);
    store->setDevice(Device::trackpad);
    store->setAppearance(Appearance::dark);
    store->setCalibration(sampleResult());
    store->setLanguage(QStringLiteral("pt-BR"));

    auto next = launch();
    EXPECT_EQ(next->details().firstName, typed.firstName);
    EXPECT_EQ(next->details().lastName, QString(59, u'a') + QString::fromUtf8("\U0001F44D"));
    EXPECT_EQ(next->details().email, typed.email);
    EXPECT_EQ(next->device(), Device::trackpad);
    EXPECT_EQ(next->appearance(), Appearance::dark);
    EXPECT_EQ(next->calibration(), sampleResult());
    EXPECT_EQ(next->language(), QStringLiteral("pt-BR"));
    EXPECT_EQ(next->launchLanguage(), QStringLiteral("pt-BR"));
    EXPECT_EQ(applied.back(), Appearance::dark);

    // The one-element array is kept as plain text; a list written by another tool reads as its first element.
    EXPECT_TRUE(fileBytes().contains("\nAppleLanguages=pt-BR\n")) << fileBytes().toStdString();
    writeRaw(QStringLiteral("AppleLanguages"), QStringList{QStringLiteral("fr"), QStringLiteral("ru")});
    EXPECT_EQ(launch()->language(), QStringLiteral("fr"));

    next->setLanguage(std::nullopt);
    next->setDevice(std::nullopt);
    auto unwritable = sampleResult();
    unwritable.shake = std::numeric_limits<double>::quiet_NaN();
    next->setCalibration(unwritable);
    EXPECT_FALSE(fileBytes().contains("profile.calibration")) << "a result without a JSON spelling stayed stored";
    auto cleared = launch();
    EXPECT_EQ(cleared->language(), std::nullopt);
    EXPECT_EQ(cleared->launchLanguage(), std::nullopt);
    EXPECT_EQ(cleared->device(), std::nullopt);
    EXPECT_EQ(cleared->calibration(), std::nullopt);
    EXPECT_FALSE(fileBytes().contains("AppleLanguages"));
}

TEST_F(ProfileStoreTest, DetailsAreCleanedBeforeAnyoneSeesThemAndWrittenOnlyWhenTheyChange)
{
    auto store = launch();
    QSignalSpy changes(store.get(), &ProfileStore::detailsChanged);
    QString seen;
    QObject::connect(store.get(), &ProfileStore::detailsChanged, [&] { seen = store->details().firstName; });

    store->setDetails({QStringLiteral("A\tda\u200D\n") + QString(70, u'x'), QString(), QString(300, u'e')});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(seen, QStringLiteral("Ada") + QString(57, u'x'));
    EXPECT_EQ(store->details().email.size(), 254);
    EXPECT_EQ(launch()->details().firstName, seen);

    // Equal details write nothing: a key removed behind the store's back stays removed.
    settle();
    QSettings(settingsPath(), QSettings::IniFormat).remove(QStringLiteral("profile.details"));
    store->setDetails(store->details());
    EXPECT_FALSE(fileBytes().contains("profile.details"));
    EXPECT_EQ(changes.count(), 1);

    // The device is written again on every assignment, but observers hear only of a change.
    QSignalSpy deviceChanges(store.get(), &ProfileStore::deviceChanged);
    store->setDevice(Device::mouse);
    settle();
    QSettings(settingsPath(), QSettings::IniFormat).remove(QStringLiteral("profile.device"));
    store->setDevice(Device::mouse);
    EXPECT_EQ(deviceChanges.count(), 1);
    EXPECT_EQ(launch()->device(), Device::mouse);

    store->setDetails({QStringLiteral("  "), QString(), QString()});
    EXPECT_EQ(store->displayName(), std::nullopt);
    store->setDetails({QStringLiteral("Ada"), QString(), QString()});
    EXPECT_EQ(store->displayName(), QStringLiteral("Ada"));
}

TEST_F(ProfileStoreTest, ACorruptValueFallsBackAloneAndIsLeftOnDisk)
{
    const std::vector<std::pair<QString, QVariant>> corrupt{
        {QStringLiteral("profile.details"), QByteArray(R"({"firstName":"Ada","lastName":"L"})")},
        {QStringLiteral("profile.details"), QByteArray("\xff\xfe not json")},
        {QStringLiteral("profile.device"), QStringLiteral("Mouse")},
        {QStringLiteral("profile.appearance"), QStringLiteral("sepia")},
        {QStringLiteral("profile.calibration"), QByteArray(R"({"shake":"lots"})")},
        {QStringLiteral("profile.calibration"), QByteArray("[1,2")},
        {QStringLiteral("AppleLanguages"), QStringList{}},
        {QStringLiteral("AppleLanguages"), QByteArray("fr")},
    };
    for (const auto& [key, value] : corrupt) {
        settle();
        QFile::remove(settingsPath());
        auto store = launch();
        store->setDetails({QStringLiteral("Ada"), QStringLiteral("Lovelace"), QStringLiteral("ada@example.org")});
        store->setDevice(Device::both);
        store->setAppearance(Appearance::light);
        store->setCalibration(sampleResult());
        store->setLanguage(QStringLiteral("ar"));
        store.reset();
        settle();
        writeRaw(key, value);
        const QByteArray before = fileBytes();

        auto next = launch();
        const bool details = key == u"profile.details";
        EXPECT_EQ(next->details().firstName, details ? QString() : QStringLiteral("Ada")) << key.toStdString();
        EXPECT_EQ(next->details().email, details ? QString() : QStringLiteral("ada@example.org"));
        EXPECT_EQ(next->device(), key == u"profile.device" ? std::nullopt : std::optional(Device::both));
        EXPECT_EQ(next->appearance(), key == u"profile.appearance" ? Appearance::system : Appearance::light);
        EXPECT_EQ(next->calibration().has_value(), key != u"profile.calibration");
        EXPECT_EQ(next->language(), key == u"AppleLanguages" ? std::nullopt : std::optional(QStringLiteral("ar")));
        EXPECT_EQ(fileBytes(), before) << "launching wrote to the settings";
    }
}

TEST_F(ProfileStoreTest, RelaunchQuitsOnlyOnceTheLanguageIsOnDiskAndTheHelperRuns)
{
    auto store = launch();
    // Something stands where the settings file goes: the language cannot be saved.
    ASSERT_TRUE(QDir(directory.path()).mkdir(QStringLiteral("settings.ini")));
    store->setLanguage(QStringLiteral("ru"));
    EXPECT_FALSE(store->relaunch());
    EXPECT_EQ(quits, 0);
    ASSERT_TRUE(QDir(directory.path()).rmdir(QStringLiteral("settings.ini")));

    helperStarts = false;
    EXPECT_FALSE(store->relaunch());
    EXPECT_EQ(quits, 0);
    ASSERT_EQ(logged.size(), 2);
    EXPECT_TRUE(logged[0].contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(logged[1].contains(QStringLiteral("helper could not be started")));
    EXPECT_EQ(launch()->language(), QStringLiteral("ru")) << "the failed write was not retried";

    helperStarts = true;
    EXPECT_TRUE(store->relaunch());
    EXPECT_EQ(quits, 1);
}
