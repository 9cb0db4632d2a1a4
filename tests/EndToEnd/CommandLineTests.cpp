// The program's arguments, as a person types them: only the exact commands do something, anything else is refused
// before anything starts, and a missing display is one sentence, never an abort.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <string>

namespace {

struct Outcome {
    bool ended = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out;
    QString err;
};

class CommandLineTest : public ::testing::Test {
protected:
    // A home of its own, so that a program that started after all leaves its traces where the test looks.
    QProcessEnvironment environment(bool withDisplay) const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        if (withDisplay) {
            // A display on which the application would run, and stay: a refused command must end instead.
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        return environment;
    }

    Outcome run(const QStringList& arguments, const QProcessEnvironment& environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUELLARINE_APP), arguments);
        Outcome outcome;
        // A bound for a program that started instead of ending, never a measure of speed.
        outcome.ended = process.waitForStarted(60'000) && process.waitForFinished(60'000);
        if (!outcome.ended) {
            process.kill();
            process.waitForFinished(10'000);
            return outcome;
        }
        outcome.status = process.exitStatus();
        outcome.code = process.exitCode();
        outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
        return outcome;
    }

    bool homeIsEmpty() const
    {
        return QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    QTemporaryDir home;
};

TEST_F(CommandLineTest, NearMissesOfTheGrantsAreRefusedWithTheUsageAndStartNothing)
{
    const QList<QStringList> nearMisses{
        {QStringLiteral("--allow-device")},
        {QStringLiteral("--allow-devices"), QStringLiteral("extra")},
        {QStringLiteral("--allow-keyboards"), QStringLiteral("--allow-devices")},
        {QStringLiteral("--bogus")},
        {QStringLiteral("--ALLOW-DEVICES")},
        {QStringLiteral("--allow-devices=yes")},
        {QStringLiteral("allow-devices")},
        {QStringLiteral("--disallow-keyboard")},
        {QStringLiteral("-platform"), QStringLiteral("offscreen")},
        {QString()},
        {QStringLiteral("--help"), QStringLiteral("--version")},
    };
    for (const QStringList& arguments : nearMisses) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const Outcome outcome = run(arguments, environment(true));
        ASSERT_TRUE(outcome.ended) << "the application started instead of refusing";
        EXPECT_EQ(outcome.status, QProcess::NormalExit);
        EXPECT_EQ(outcome.code, 2);
        EXPECT_TRUE(outcome.err.contains(QStringLiteral("Usage: quellarine"))) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_TRUE(homeIsEmpty()) << "something was started or written";
    }
}

TEST_F(CommandLineTest, EveryLanguageRefusesAndHelpsWithoutAWindowSystem)
{
    // The grants' process has no window system; a language laid out right to left once crashed it.
    for (const char* locale : {"ar_EG.UTF-8", "zh_CN.UTF-8", "hi_IN.UTF-8", "pt_BR.UTF-8"}) {
        SCOPED_TRACE(locale);
        QProcessEnvironment inLanguage = environment(false);
        inLanguage.insert(QStringLiteral("LC_ALL"), QLatin1String(locale));
        const Outcome refused = run({QStringLiteral("--bogus")}, inLanguage);
        ASSERT_TRUE(refused.ended);
        EXPECT_EQ(refused.status, QProcess::NormalExit);
        EXPECT_EQ(refused.code, 2);
        EXPECT_TRUE(refused.err.contains(QStringLiteral("quellarine [")));
        const Outcome help = run({QStringLiteral("--help")}, inLanguage);
        EXPECT_EQ(help.status, QProcess::NormalExit);
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.contains(QStringLiteral("--allow-keyboards")));
    }
}

TEST_F(CommandLineTest, HelpAndVersionAnswerWithoutADisplay)
{
    const Outcome help = run({QStringLiteral("--help")}, environment(false));
    ASSERT_TRUE(help.ended);
    EXPECT_EQ(help.status, QProcess::NormalExit);
    EXPECT_EQ(help.code, 0);
    for (const char* named : {"--allow-devices", "--allow-keyboards", "--disallow-keyboards", "--help", "--version"}) {
        EXPECT_TRUE(help.out.contains(QLatin1String(named))) << named;
    }

    const Outcome version = run({QStringLiteral("--version")}, environment(false));
    ASSERT_TRUE(version.ended);
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("Quellarine " QUELLARINE_VERSION));
    EXPECT_TRUE(homeIsEmpty());
}

TEST_F(CommandLineTest, WithoutADisplayTheApplicationSaysSoInOneLineAndFails)
{
    QProcessEnvironment noneNamed = environment(false);
    QProcessEnvironment gone = environment(false);
    // A display that is named but has no server behind it (a stale DISPLAY, a session that ended).
    gone.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    QProcessEnvironment french = noneNamed;
    french.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));

    QString english;
    for (const auto& [name, environment] :
         {std::pair{"no display named", noneNamed}, std::pair{"display gone", gone}, std::pair{"in French", french}}) {
        SCOPED_TRACE(name);
        const Outcome outcome = run({}, environment);
        ASSERT_TRUE(outcome.ended);
        EXPECT_EQ(outcome.status, QProcess::NormalExit) << "ended by a signal: " << outcome.err.toStdString();
        EXPECT_EQ(outcome.code, 1);
        EXPECT_EQ(outcome.err.count(QLatin1Char('\n')), 1) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty());
        if (english.isEmpty()) {
            english = outcome.err;
            EXPECT_TRUE(english.contains(QStringLiteral("display"))) << english.toStdString();
        } else if (environment == french) {
            EXPECT_NE(outcome.err, english) << "the line was not translated";
        } else {
            EXPECT_EQ(outcome.err, english);
        }
    }
}

} // namespace
