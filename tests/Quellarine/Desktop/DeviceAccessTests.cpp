#include "Quellarine/Desktop/DeviceAccess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// The command that gives the user at the computer the pointing devices: what it leaves on disk and what it asks of
// the system. That udev then grants the access is shown on Debian's own udev in the virtual machine
// (tests/DeviceAccess/device-access.sh).

namespace quellarine {
namespace {

QByteArray repositoryFile(const char* name)
{
    QFile file(QStringLiteral(QUELLARINE_LINUX_RESOURCES_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

class DeviceAccessTest : public ::testing::Test {
protected:
    DeviceAccess::Destination destination() const
    {
        return {.rulesFolder = folder.filePath(QStringLiteral("etc/udev/rules.d")),
                .modulesFolder = folder.filePath(QStringLiteral("etc/modules-load.d")),
                .helper = QStringLiteral("/opt/quellarine/libexec/quellarine-device-helper")};
    }
    DeviceAccess::Runner recorder(int failingStep = -1)
    {
        return [this, failingStep](const QString& program, const QStringList& arguments) {
            steps.append(QStringList{program} + arguments);
            return steps.size() - 1 == failingStep ? 1 : 0;
        };
    }

    QTemporaryDir folder;
    QList<QStringList> steps;
};

TEST_F(DeviceAccessTest, InstallsTheFilesThePackageInstallsThenLoadsUinputAndHasUdevApplyTheRule)
{
    EXPECT_EQ(DeviceAccess::install(destination(), recorder()), std::nullopt);

    for (auto [folder, name] : {std::pair{destination().rulesFolder, "70-quellarine.rules"},
                                std::pair{destination().modulesFolder, "quellarine-uinput.conf"}}) {
        QFile installed(QDir(folder).filePath(QLatin1String(name)));
        ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(installed.readAll(), repositoryFile(name)) << name;
        EXPECT_EQ(installed.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther), 0) << name;
        EXPECT_TRUE(installed.permissions() & QFileDevice::ReadOther) << name;
    }
    // The group exists before the rule names it, and the helper is given it before its set-group-ID mode (a change
    // of group clears that bit); uinput is there before udev applies the rule to it, and the command ends once udev
    // is done. Every program by its absolute path: a root shell's PATH may be the user's.
    const QString helper = destination().helper;
    const QList<QStringList> expected{
        {QStringLiteral("/usr/sbin/addgroup"), QStringLiteral("--system"), QStringLiteral("quellarine")},
        {QStringLiteral("/bin/chgrp"), QStringLiteral("quellarine"), helper},
        {QStringLiteral("/bin/chmod"), QStringLiteral("2755"), helper},
        {QStringLiteral("/sbin/modprobe"), QStringLiteral("uinput")},
        {QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")},
    };
    ASSERT_EQ(steps.size(), 7);
    EXPECT_EQ(steps.mid(0, 5), expected);
    EXPECT_EQ(steps[5].mid(0, 2), (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("trigger")}));
    EXPECT_EQ(steps.back().mid(0, 2), (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("settle")}));

    // Run again, it writes the same files over and does it all again.
    steps.clear();
    EXPECT_EQ(DeviceAccess::install(destination(), recorder()), std::nullopt);
    EXPECT_EQ(steps.size(), 7);
}

TEST_F(DeviceAccessTest, AFolderItCannotWriteEndsItBeforeUinputOrUdevAreAsked)
{
    QFile blocker(folder.filePath(QStringLiteral("etc")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folders would go

    auto failure = DeviceAccess::install(destination(), recorder());
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("70-quellarine.rules"))) << failure->toStdString();
    ASSERT_EQ(steps.size(), 3) << "only the group and the helper's";
    EXPECT_EQ(steps.back().first(), QStringLiteral("/bin/chmod"));
}

TEST_F(DeviceAccessTest, AFailedStepIsNamedAndNothingAfterItRuns)
{
    auto failure = DeviceAccess::install(destination(), recorder(4));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("/bin/udevadm control --reload"))) << failure->toStdString();
    EXPECT_EQ(steps.size(), 5);

    // A group that cannot be made gives no helper to it and writes no rule that names it.
    steps.clear();
    QTemporaryDir fresh;
    const DeviceAccess::Destination elsewhere{.rulesFolder = fresh.filePath(QStringLiteral("rules")),
                                              .modulesFolder = fresh.filePath(QStringLiteral("modules")),
                                              .inputFolder = QStringLiteral("/dev/input"),
                                              .helper = destination().helper};
    failure = DeviceAccess::install(elsewhere, recorder(0));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("addgroup"))) << failure->toStdString();
    EXPECT_EQ(steps.size(), 1);
    EXPECT_FALSE(QDir(elsewhere.rulesFolder).exists());
}

TEST_F(DeviceAccessTest, TheKeyboardsGrantIsItsOwnRuleAndNothingElse)
{
    EXPECT_EQ(DeviceAccess::installKeyboards(destination(), recorder()), std::nullopt);

    // Only the keyboards' rule is written, and the pointing devices' grant is not given with it.
    EXPECT_EQ(QDir(destination().rulesFolder).entryList(QDir::Files),
              QStringList{QStringLiteral("71-quellarine-keyboards.rules")});
    EXPECT_FALSE(QDir(destination().modulesFolder).exists());
    QFile installed(QDir(destination().rulesFolder).filePath(QStringLiteral("71-quellarine-keyboards.rules")));
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    EXPECT_EQ(installed.readAll(), repositoryFile("71-quellarine-keyboards.rules"));
    // setfacl, which the rule runs, is there; the group and the helper's mode as the devices' grant makes them.
    ASSERT_EQ(steps.size(), 7);
    EXPECT_EQ(steps[0], (QStringList{QStringLiteral("/usr/bin/setfacl"), QStringLiteral("--version")}));
    EXPECT_EQ(steps[1].mid(0, 2), (QStringList{QStringLiteral("/usr/sbin/addgroup"), QStringLiteral("--system")}));
    EXPECT_EQ(steps[3], (QStringList{QStringLiteral("/bin/chmod"), QStringLiteral("2755"), destination().helper}));
    EXPECT_EQ(steps[4].mid(0, 3),
              (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")}));
    EXPECT_TRUE(steps[5].contains(QStringLiteral("--subsystem-match=input")));
    EXPECT_EQ(steps.back().mid(0, 2), (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("settle")}));
    const QString rule = QString::fromUtf8(repositoryFile("71-quellarine-keyboards.rules"));
    EXPECT_TRUE(rule.contains(QStringLiteral("RUN+=\"/usr/bin/setfacl -m g:quellarine:r $devnode\"")));
    EXPECT_FALSE(rule.contains(QStringLiteral("uaccess"))) << "no program of the user reads the keyboards";

    // The other way round: the pointing devices' command leaves the keyboards alone.
    QTemporaryDir other;
    const DeviceAccess::Destination pointing{.rulesFolder = other.filePath(QStringLiteral("rules")),
                                             .modulesFolder = other.filePath(QStringLiteral("modules")),
                                             .inputFolder = QStringLiteral("/dev/input"),
                                             .helper = destination().helper};
    EXPECT_EQ(DeviceAccess::install(pointing, recorder()), std::nullopt);
    EXPECT_FALSE(
        QDir(pointing.rulesFolder).entryList(QDir::Files).contains(QStringLiteral("71-quellarine-keyboards.rules")));

    auto failure = DeviceAccess::installKeyboards(destination(), recorder(int(steps.size()) + 5));
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("udevadm trigger"))) << failure->toStdString();
}

TEST_F(DeviceAccessTest, TakingTheKeyboardsBackTakesOnlyTheGroupsEntryOffTheNodesThemselvesAndFollowsNoLink)
{
    ASSERT_EQ(DeviceAccess::installKeyboards(destination(), recorder()), std::nullopt);
    ASSERT_EQ(DeviceAccess::install(destination(), recorder()), std::nullopt);
    steps.clear();
    DeviceAccess::Destination where = destination();
    where.inputFolder = folder.filePath(QStringLiteral("dev/input"));
    ASSERT_TRUE(QDir().mkpath(where.inputFolder));
    // A file and links under the folder's names: none is a device node, whatever it points to.
    QFile(QDir(where.inputFolder).filePath(QStringLiteral("event1"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), QDir(where.inputFolder).filePath(QStringLiteral("event2"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/etc/shadow"), QDir(where.inputFolder).filePath(QStringLiteral("event3"))));
    const QString node = QDir(where.inputFolder).filePath(QStringLiteral("event4"));
    const bool deviceMade = mknod(QFile::encodeName(node).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;

    EXPECT_EQ(DeviceAccess::removeKeyboards(where, recorder()), std::nullopt);
    // The pointing devices' rule stays.
    EXPECT_EQ(QDir(where.rulesFolder).entryList(QDir::Files), QStringList{QStringLiteral("70-quellarine.rules")});
    // udev forgets the rule before the entries go, then tells the readers of the keyboards.
    QList<QStringList> expected{
        {QStringLiteral("/bin/udevadm"), QStringLiteral("control"), QStringLiteral("--reload")}};
    if (deviceMade) {
        expected.append(
            {QStringLiteral("/usr/bin/setfacl"), QStringLiteral("-x"), QStringLiteral("g:quellarine"), node});
    }
    ASSERT_EQ(steps.mid(0, expected.size()), expected);
    ASSERT_EQ(steps.size(), expected.size() + 2);
    EXPECT_EQ(
        steps[expected.size()].mid(0, 3),
        (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("trigger"), QStringLiteral("--action=change")}));
    EXPECT_EQ(steps.back().mid(0, 2), (QStringList{QStringLiteral("/bin/udevadm"), QStringLiteral("settle")}));

    // Taken back twice, it does the same again.
    steps.clear();
    EXPECT_EQ(DeviceAccess::removeKeyboards(where, recorder()), std::nullopt);
    EXPECT_EQ(steps.size(), expected.size() + 2);

    // An input folder that is a link is refused whole.
    steps.clear();
    DeviceAccess::Destination linked = where;
    linked.inputFolder = folder.filePath(QStringLiteral("linked-input"));
    ASSERT_TRUE(QFile::link(where.inputFolder, linked.inputFolder));
    const auto refused = DeviceAccess::removeKeyboards(linked, recorder());
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->contains(linked.inputFolder)) << refused->toStdString();
    EXPECT_EQ(steps.size(), 1) << "no entry taken off through the link";
}

TEST(DeviceAccessCommandTest, TheShellGivesBackThePathExactlyWhateverItHolds)
{
    // Paths as people have them, and random ones made of what shells treat specially.
    QStringList paths{QStringLiteral("/usr/bin/quellarine"), QStringLiteral("/home/zoë/My Apps/quellarine"),
                      QStringLiteral("/opt/it's here/quellarine"), QStringLiteral("/tmp/$HOME/`x`/a\\b/q")};
    const QString special = QStringLiteral(" '\"$`\\!*?;&|<>(){}[]#~%\t\u00e9\u4e2d/-_.");
    std::mt19937 random(36);
    for (int i = 0; i < 200; ++i) {
        QString path = QStringLiteral("/");
        for (int length = int(random() % 20); length > 0; --length) {
            path += special[int(random() % special.size())];
        }
        paths.append(path + QStringLiteral("quellarine"));
    }
    for (const QString& path : paths) {
        const QString command = DeviceAccess::installCommand(path);
        ASSERT_TRUE(command.startsWith(QStringLiteral("sudo "))) << command.toStdString();
        // The words the shell would hand to sudo.
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("printf '%s\\n' ") + command.mid(5)});
        ASSERT_TRUE(shell.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(shell.readAllStandardOutput()), path + QStringLiteral("\n--allow-devices\n"))
            << command.toStdString();
        const QString keyboards = DeviceAccess::keyboardInstallCommand(path);
        EXPECT_EQ(keyboards, command.chopped(int(qstrlen("--allow-devices"))) + QStringLiteral("--allow-keyboards"));
    }
}

} // namespace
} // namespace quellarine
