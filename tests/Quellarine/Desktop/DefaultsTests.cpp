#include "Quellarine/Desktop/Defaults.h"

#include "QuellarineKit/Support/DecodingError.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace quellarine;

namespace {

class DefaultsTest : public testing::Test {
protected:
    QString path() const { return directory.filePath(QStringLiteral("settings.ini")); }

    // What another process would read from the file once the writes so far have been tried.
    QVariant onDisk(const Defaults& defaults, const QString& key) const
    {
        EXPECT_TRUE(defaults.flush());
        QSettings fresh(path(), QSettings::IniFormat);
        return fresh.value(key);
    }

    QTemporaryDir directory;
};

const QString trickyText
    = QStringLiteral("He said \"hi\", then left;\nline two\t= ä ø 漢字 🙂 \\ @start %20 [x]");

} // namespace

TEST_F(DefaultsTest, TextAndBytesSurviveAFreshReader)
{
    Defaults defaults(path());
    const QList<QString> texts{trickyText, QStringLiteral("@ByteArray(fake)"), QStringLiteral("a,b"), QString(),
                               QStringLiteral(" padded ")};
    for (int index = 0; index < texts.size(); ++index) {
        QString key = QStringLiteral("text.%1").arg(index);
        defaults.setString(key, texts[index]);
        EXPECT_EQ(onDisk(defaults, key).toString(), texts[index]) << index;
        EXPECT_EQ(Defaults(path()).string(key), texts[index]) << index;
    }

    QByteArray bytes("\x00\x01\"quoted\",\n\xc3\xa4\xff", 12);
    defaults.setData(QStringLiteral("bytes"), bytes);
    EXPECT_EQ(onDisk(defaults, QStringLiteral("bytes")).toByteArray(), bytes);
    EXPECT_EQ(Defaults(path()).data(QStringLiteral("bytes")), bytes);
}

TEST_F(DefaultsTest, JsonIsStoredCompactAndReadBack)
{
    Defaults defaults(path());
    nlohmann::json value = {{"name", trickyText.toStdString()}, {"minCutoff", 1.25}, {"stages", 2}, {"on", true}};
    defaults.setJson(QStringLiteral("profile.details"), value);

    QByteArray stored = onDisk(defaults, QStringLiteral("profile.details")).toByteArray();
    EXPECT_EQ(stored.toStdString(), value.dump());
    EXPECT_EQ(Defaults(path()).json(QStringLiteral("profile.details")), value);
}

TEST_F(DefaultsTest, ScalarsReadBackWithTheirKinds)
{
    Defaults defaults(path());
    defaults.setBool(QStringLiteral("filterOn"), false);
    ASSERT_TRUE(defaults.flush());

    Defaults fresh(path());
    EXPECT_EQ(fresh.boolean(QStringLiteral("filterOn")), false);
}

TEST_F(DefaultsTest, ValuesOfTheWrongKindReadAsAbsent)
{
    Defaults defaults(path());
    defaults.setString(QStringLiteral("flag"), QStringLiteral("maybe"));
    defaults.setData(QStringLiteral("record"), QByteArray("{\"base\": "));
    defaults.setString(QStringLiteral("text"), QStringLiteral("{}"));
    ASSERT_TRUE(defaults.flush());

    Defaults fresh(path());
    EXPECT_EQ(fresh.boolean(QStringLiteral("flag")), std::nullopt);
    EXPECT_EQ(fresh.json(QStringLiteral("record")), std::nullopt);
    EXPECT_EQ(fresh.data(QStringLiteral("text")), std::nullopt);
    EXPECT_TRUE(fresh.contains(QStringLiteral("flag")));
}

TEST_F(DefaultsTest, RegisteredDefaultsStayInMemory)
{
    Defaults defaults(path());
    defaults.registerDefaults({{QStringLiteral("filterOn"), true}, {QStringLiteral("clickGuard"), true}});
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), true);
    EXPECT_TRUE(defaults.contains(QStringLiteral("clickGuard")));
    EXPECT_FALSE(QSettings(path(), QSettings::IniFormat).contains(QStringLiteral("filterOn")));

    defaults.setBool(QStringLiteral("filterOn"), false);
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), false);
    defaults.remove(QStringLiteral("filterOn"));
    EXPECT_EQ(defaults.boolean(QStringLiteral("filterOn")), true);
    ASSERT_TRUE(defaults.flush());
    EXPECT_EQ(Defaults(path()).boolean(QStringLiteral("filterOn")), std::nullopt);
}

TEST_F(DefaultsTest, GroupedWritesAndRemovals)
{
    Defaults defaults(path());
    defaults.setString(QStringLiteral("other"), QStringLiteral("kept"));
    defaults.setStrings({{QStringLiteral("updates.availableVersion"), QStringLiteral("1.10")},
                         {QStringLiteral("updates.availableBuild"), QStringLiteral("110")}});
    EXPECT_EQ(onDisk(defaults, QStringLiteral("updates.availableVersion")).toString(), QStringLiteral("1.10"));
    EXPECT_EQ(onDisk(defaults, QStringLiteral("updates.availableBuild")).toString(), QStringLiteral("110"));

    // An empty key must not wipe the file; a group goes with every key in it.
    defaults.setString(QStringLiteral("group/inner/key"), QStringLiteral("gone"));
    defaults.remove(QStringList{QStringLiteral("updates.availableVersion"), QString(),
                                QStringLiteral("updates.availableBuild"), QStringLiteral("/group/")});
    EXPECT_EQ(defaults.string(QStringLiteral("group/inner/key")), std::nullopt);
    ASSERT_TRUE(defaults.flush());
    QSettings fresh(path(), QSettings::IniFormat);
    EXPECT_EQ(fresh.allKeys(), QStringList{QStringLiteral("other")});
}

TEST_F(DefaultsTest, UnwritableJsonIsRefusedAndNothingIsStored)
{
    Defaults defaults(path());
    nlohmann::json notFinite = {{"beta", std::numeric_limits<double>::quiet_NaN()}};
    EXPECT_THROW(defaults.setJson(QStringLiteral("personalSetting"), notFinite), EncodingError);
    nlohmann::json badText = {{"name", std::string("\xff\xfe")}};
    EXPECT_THROW(defaults.setJson(QStringLiteral("personalSetting"), badText), EncodingError);
    EXPECT_FALSE(defaults.contains(QStringLiteral("personalSetting")));
    EXPECT_FALSE(Defaults(path()).contains(QStringLiteral("personalSetting")));
}

TEST_F(DefaultsTest, AWriteThatCannotReachTheDiskSaysSo)
{
    QString blocker = directory.filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // The settings file would have to live inside a plain file.
    Defaults defaults(blocker + QStringLiteral("/settings.ini"));
    QStringList logged;
    defaults.setProblemLog([&](const QString& message) { logged.append(message); });
    defaults.setBool(QStringLiteral("filterOn"), true);
    EXPECT_FALSE(defaults.flush());
    // Once per episode of failures, naming the file, however many writes fail in it.
    defaults.setString(QStringLiteral("preset"), QStringLiteral("strong"));
    EXPECT_FALSE(defaults.flush());
    defaults.remove(QStringLiteral("preset"));
    defaults.setStringList(QStringLiteral("AppleLanguages"), {QStringLiteral("fr")});
    EXPECT_FALSE(defaults.flush());
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains(blocker + QStringLiteral("/settings.ini"))) << logged[0].toStdString();

    // The disk comes back, then fails again: a new episode.
    ASSERT_TRUE(QFile::remove(blocker));
    ASSERT_TRUE(QDir().mkdir(blocker));
    defaults.setBool(QStringLiteral("filterOn"), false);
    EXPECT_TRUE(defaults.flush());
    defaults.setBool(QStringLiteral("filterOn"), true);
    EXPECT_TRUE(defaults.flush());
    EXPECT_EQ(logged.size(), 1);
    // What was changed meanwhile reaches the disk with the next write.
    QSettings fresh(blocker + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(fresh.value(QStringLiteral("AppleLanguages")).toString(), QStringLiteral("fr"));
    EXPECT_FALSE(fresh.contains(QStringLiteral("preset")));
    ASSERT_TRUE(QDir(blocker).removeRecursively());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    defaults.setBool(QStringLiteral("clickGuard"), false);
    EXPECT_FALSE(defaults.flush());
    defaults.setBool(QStringLiteral("clickGuard"), true);
    EXPECT_FALSE(defaults.flush());
    EXPECT_EQ(logged.size(), 2);
}

TEST_F(DefaultsTest, AFileWithALineThatIsNoSettingTakesWritesAndSaysSo)
{
    // Whether the settings are read before the first write or not, as the application and a store may do.
    for (bool readFirst : {true, false}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nthis line is no setting\npreset=strong\n");
        file.close();

        Defaults defaults(path());
        if (readFirst) {
            EXPECT_EQ(defaults.string(QStringLiteral("preset")), QStringLiteral("strong"));
        }
        defaults.setBool(QStringLiteral("filterOn"), false);
        defaults.setString(QStringLiteral("language"), QStringLiteral("fr"));
        EXPECT_TRUE(defaults.flush()) << readFirst;

        Defaults fresh(path());
        EXPECT_EQ(fresh.boolean(QStringLiteral("filterOn")), false);
        EXPECT_EQ(fresh.string(QStringLiteral("language")), QStringLiteral("fr"));
        EXPECT_EQ(fresh.string(QStringLiteral("preset")), QStringLiteral("strong"));
    }
}

TEST_F(DefaultsTest, ALinkPipeOrDeviceAtThePathIsNeitherReadNorWrittenThrough)
{
    const QString target = directory.filePath(QStringLiteral("elsewhere.ini"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\npreset=strong\n");
    }
    struct Case {
        const char* what;
        std::function<bool()> make;
    };
    std::vector<Case> cases{
        {"a link to a settings file", [&] { return QFile::link(target, path()); }},
        {"a link to a device", [&] { return QFile::link(QStringLiteral("/dev/zero"), path()); }},
        // Opened for reading, a pipe would wait for a writer for ever.
        {"a pipe", [&] { return mkfifo(QFile::encodeName(path()).constData(), 0600) == 0; }},
    };
    if (getuid() == 0) {
        // The device itself at the path, as only an administrator can put it there.
        cases.push_back({"a device", [&] {
                             return mknod(QFile::encodeName(path()).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
                         }});
    }
    for (const Case& c : cases) {
        QFile::remove(path());
        ASSERT_TRUE(c.make()) << c.what;
        Defaults defaults(path());
        QStringList logged;
        defaults.setProblemLog([&](const QString& message) { logged.append(message); });
        EXPECT_EQ(defaults.string(QStringLiteral("preset")), std::nullopt) << c.what;
        ASSERT_EQ(logged.size(), 1) << c.what;
        EXPECT_TRUE(logged[0].contains(path())) << logged[0].toStdString();

        // The first write puts a file of the settings' own in its place.
        defaults.setString(QStringLiteral("preset"), QStringLiteral("gentle"));
        ASSERT_TRUE(defaults.flush()) << c.what;
        struct stat status {};
        ASSERT_EQ(lstat(QFile::encodeName(path()).constData(), &status), 0);
        EXPECT_TRUE(S_ISREG(status.st_mode)) << c.what;
        EXPECT_EQ(status.st_mode & 0777, 0600u) << c.what;
        EXPECT_EQ(Defaults(path()).string(QStringLiteral("preset")), QStringLiteral("gentle")) << c.what;
        EXPECT_EQ(logged.size(), 1) << c.what;
    }
    // What the link pointed to is as it was.
    EXPECT_EQ(QSettings(target, QSettings::IniFormat).value(QStringLiteral("preset")).toString(),
              QStringLiteral("strong"));
    QFile zero(QStringLiteral("/dev/zero"));
    ASSERT_TRUE(zero.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    EXPECT_EQ(zero.read(4), QByteArray(4, '\0'));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

TEST_F(DefaultsTest, TheUsersFileIsWhereQSettingsKeepsIt)
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    const QString expected
        = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("temrid"), QStringLiteral("Quellarine"))
              .fileName();
    EXPECT_EQ(Defaults::userFilePath(), expected);
    if (saved.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", saved);
    }
}
