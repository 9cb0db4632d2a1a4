#include "Quellarine/Desktop/Defaults.h"

#include "Quellarine/Desktop/IniCodec.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <vector>

#include <unistd.h>

using namespace quellarine;
using quellarine::testing::SmallDisk;

namespace {

// An environment variable set for the time of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : name_(name)
        , saved_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (saved_.isNull()) {
            qunsetenv(name_);
        } else {
            qputenv(name_, saved_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    QByteArray saved_;
};

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const nlohmann::json calibration
    = {{"shake", 1.8}, {"press", 0.21},         {"slip", 3.5},        {"extraClicks", 2},
       {"misses", 0},  {"suggested", "strong"}, {"clickGuard", true}, {"date", 786'000'000.5}};

class DefaultsDiskTest : public ::testing::Test {
protected:
    // A person's settings: a calibration, the profile's name, the preset.
    void writeUsersSettings(const QString& path)
    {
        Defaults defaults(path);
        defaults.setJson(QStringLiteral("profile.calibration"), calibration);
        defaults.setJson(QStringLiteral("profile.details"),
                         {{"firstName", "Ada"}, {"lastName", "Lovelace"}, {"email", "ada@example.org"}});
        defaults.setString(QStringLiteral("preset"), QStringLiteral("strong"));
        ASSERT_TRUE(defaults.flush());
    }

    static void expectUsersSettings(const Defaults& defaults)
    {
        EXPECT_EQ(defaults.json(QStringLiteral("profile.calibration")), calibration);
        EXPECT_EQ(defaults.json(QStringLiteral("profile.details")).value_or(nullptr).value("firstName", ""), "Ada");
        EXPECT_EQ(defaults.string(QStringLiteral("preset")), QStringLiteral("strong"));
    }

    QTemporaryDir directory;
    QStringList logged;
};

} // namespace

TEST_F(DefaultsDiskTest, AFullOrReadOnlyTemporaryFolderChangesNothingOfTheSettings)
{
    const QString path = directory.filePath(QStringLiteral("config/temrid/Quellarine.ini"));
    writeUsersSettings(path);
    for (const bool readOnly : {false, true}) {
        SmallDisk temporary(directory.filePath(QStringLiteral("tmp")));
        if (!temporary.mounted()) {
            GTEST_SKIP() << "mounting a file system needs root";
        }
        if (readOnly) {
            ASSERT_TRUE(temporary.setReadOnly(true));
        } else {
            temporary.fill();
        }
        const ScopedVariable tmpdir("TMPDIR", QFile::encodeName(directory.filePath(QStringLiteral("tmp"))));
        {
            Defaults defaults(path);
            expectUsersSettings(defaults);
            defaults.setBool(QStringLiteral("filterOn"), readOnly);
            EXPECT_TRUE(defaults.flush()) << readOnly;
        }
        const Defaults relaunched(path);
        expectUsersSettings(relaunched);
        EXPECT_EQ(relaunched.boolean(QStringLiteral("filterOn")), readOnly);
    }
}

TEST_F(DefaultsDiskTest, AFullOrReadOnlyConfigFolderKeepsTheFileAndTheChangesUntilASaveSucceeds)
{
    const QString folder = directory.filePath(QStringLiteral("config"));
    SmallDisk disk(folder);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    const QString path = folder + QStringLiteral("/Quellarine.ini");
    writeUsersSettings(path);
    const QByteArray before = bytesOf(path);

    Defaults defaults(path);
    defaults.setProblemLog([this](const QString& message) { logged.append(message); });
    disk.fill();
    defaults.setString(QStringLiteral("preset"), QStringLiteral("gentle"));
    defaults.setBool(QStringLiteral("filterOn"), false);
    EXPECT_FALSE(defaults.flush());
    ASSERT_TRUE(disk.setReadOnly(true));
    defaults.setString(QStringLiteral("profile.appearance"), QStringLiteral("dark"));
    for (int key = 0; key < 20; ++key) {
        defaults.setString(QStringLiteral("count.%1").arg(key), QString::number(key));
    }
    EXPECT_FALSE(defaults.flush());

    // The file as it was, byte for byte, and nothing else left beside it; the changes in memory.
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral("filler"), QStringLiteral("Quellarine.ini")}));
    EXPECT_EQ(defaults.string(QStringLiteral("preset")), QStringLiteral("gentle"));
    EXPECT_EQ(defaults.string(QStringLiteral("profile.appearance")), QStringLiteral("dark"));
    EXPECT_EQ(defaults.string(QStringLiteral("count.19")), QStringLiteral("19"));
    // Once for the full disk, once for the read-only one, naming the file, however many writes failed.
    ASSERT_EQ(logged.size(), 2) << logged.join(u'\n').toStdString();
    EXPECT_TRUE(logged[0].contains(path) && logged[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        << logged[0].toStdString();
    EXPECT_TRUE(logged[1].contains(QString::fromLocal8Bit(std::strerror(EROFS)))) << logged[1].toStdString();

    // Room again: the next save writes every change made meanwhile.
    ASSERT_TRUE(disk.setReadOnly(false));
    disk.free();
    defaults.setBool(QStringLiteral("clickGuard"), true);
    EXPECT_TRUE(defaults.flush());
    const Defaults relaunched(path);
    EXPECT_EQ(relaunched.string(QStringLiteral("preset")), QStringLiteral("gentle"));
    EXPECT_EQ(relaunched.boolean(QStringLiteral("filterOn")), false);
    EXPECT_EQ(relaunched.string(QStringLiteral("profile.appearance")), QStringLiteral("dark"));
    EXPECT_EQ(relaunched.string(QStringLiteral("count.19")), QStringLiteral("19"));
    EXPECT_EQ(relaunched.boolean(QStringLiteral("clickGuard")), true);
    EXPECT_EQ(relaunched.json(QStringLiteral("profile.calibration")), calibration);
    EXPECT_EQ(logged.size(), 2);
}

// Whatever fails when, a reader of the file finds whole settings as they stood after some change, never older
// than what it found before; the settings in memory are always the latest.
TEST_F(DefaultsDiskTest, TheFileAlwaysHoldsAnEarlierWholeStateAndMemoryTheLatest)
{
    const QString folder = directory.filePath(QStringLiteral("config"));
    SmallDisk disk(folder);
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    const QString path = folder + QStringLiteral("/Quellarine.ini");
    const QStringList keys{QStringLiteral("preset"), QStringLiteral("profile.details"), QStringLiteral("group/key"),
                           QStringLiteral("group"),  QStringLiteral("AppleLanguages"),  QStringLiteral("welcomed")};
    std::mt19937 random(8122026);
    const auto randomValue = [&]() -> QVariant {
        const QString text
            = QString::number(random() % 1000) + QStringLiteral(" \"x\", y;\n") + QString(int(random() % 3000), u'z');
        switch (random() % 3) {
        case 0:
            return text;
        case 1:
            return text.toUtf8() + QByteArray(1, '\xff');
        default:
            return QStringList{text, QStringLiteral("fr")};
        }
    };

    Defaults defaults(path);
    std::vector<QVariantMap> states{QVariantMap()}; // after each change, oldest first
    std::size_t seen = 0;                           // the latest state a reader found on the disk
    bool full = false;
    bool readOnly = false;
    int saves[2] = {0, 0}; // flushes that failed, that succeeded
    for (int step = 0; step < 400; ++step) {
        const unsigned action = random() % 12;
        if (action == 0 && !readOnly) {
            full = !full;
            if (full) {
                disk.fill();
            } else {
                disk.free();
            }
        } else if (action == 1) {
            if (disk.setReadOnly(!readOnly)) {
                readOnly = !readOnly;
            }
        } else if (action == 2) {
            if (defaults.flush()) {
                ASSERT_EQ(IniCodec::decode(bytesOf(path)), states.back()) << step;
                ++saves[true];
            } else {
                ++saves[false];
            }
        } else {
            QVariantMap latest = states.back();
            const QString key = keys.at(random() % keys.size());
            if (random() % 4 == 0) {
                defaults.remove(key);
                latest.remove(key);
                latest.remove(key + QStringLiteral("/key"));
            } else {
                const QVariant value = randomValue();
                if (value.typeId() == QMetaType::QString) {
                    defaults.setString(key, value.toString());
                } else if (value.typeId() == QMetaType::QByteArray) {
                    defaults.setData(key, value.toByteArray());
                } else {
                    defaults.setStringList(key, value.toStringList());
                }
                latest.insert(key, value);
            }
            states.push_back(latest);
        }

        for (const QString& key : keys) {
            const QVariant expected = states.back().value(key);
            if (expected.typeId() == QMetaType::QByteArray) {
                EXPECT_EQ(defaults.data(key), expected.toByteArray()) << step;
            } else if (expected.typeId() == QMetaType::QStringList) {
                EXPECT_EQ(defaults.stringList(key), expected.toStringList()) << step;
            } else {
                EXPECT_EQ(defaults.string(key), expected.isValid() ? std::optional(expected.toString()) : std::nullopt)
                    << step;
            }
        }
        const auto onDisk = IniCodec::decode(bytesOf(path));
        ASSERT_TRUE(onDisk);
        std::size_t found = seen;
        while (found < states.size() && states[found] != *onDisk) {
            ++found;
        }
        ASSERT_LT(found, states.size()) << "step " << step << ": the file holds no state the settings had since";
        seen = found;
    }
    // Both kinds happened; how many depends on where the writer's thread stood at each change.
    EXPECT_GT(saves[false], 0);
    EXPECT_GT(saves[true], 0);
    if (readOnly) {
        ASSERT_TRUE(disk.setReadOnly(false));
    }
    disk.free();
    ASSERT_TRUE(defaults.flush());
    EXPECT_EQ(IniCodec::decode(bytesOf(path)), states.back());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("Quellarine.ini")});
}

TEST_F(DefaultsDiskTest, AFileLargerThanAnySettingsIsSetAsideNeverOverwritten)
{
    const QString path = directory.filePath(QStringLiteral("Quellarine.ini"));
    QByteArray large = "[General]\npreset=strong\nnote=";
    large += QByteArray(Defaults::fileSizeLimit, 'n');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(large);
    }
    {
        Defaults defaults(path);
        defaults.setProblemLog([this](const QString& message) { logged.append(message); });
        EXPECT_EQ(defaults.string(QStringLiteral("preset")), std::nullopt);
        defaults.setString(QStringLiteral("preset"), QStringLiteral("gentle"));
        EXPECT_TRUE(defaults.flush());
    }
    const QStringList aside = QDir(directory.path()).entryList({QStringLiteral("Quellarine.ini.too-large-*")});
    ASSERT_EQ(aside.size(), 1);
    const QString asidePath = directory.filePath(aside[0]);
    EXPECT_EQ(bytesOf(asidePath), large);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains(path) && logged[0].contains(asidePath)) << logged[0].toStdString();
    EXPECT_EQ(Defaults(path).string(QStringLiteral("preset")), QStringLiteral("gentle"));

    // A second one in the same second goes under a name of its own.
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(large + 'x');
    }
    Defaults(path).flush();
    const QStringList both = QDir(directory.path()).entryList({QStringLiteral("Quellarine.ini.too-large-*")});
    EXPECT_GE(both.size(), 2);
    EXPECT_EQ(bytesOf(asidePath), large);
}
