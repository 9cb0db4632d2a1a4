#include "Backends/X11/Testing/XvfbServer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <thread>
#include <vector>

using namespace quellarine::x11::testing;
using Clock = std::chrono::steady_clock;

namespace {

bool waitFor(const std::function<bool()>& condition, double seconds)
{
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool isGone(pid_t pid)
{
    // Gone, or a zombie that nobody of ours will reap.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    return !std::getline(stat, line) || line.find(") Z ") != std::string::npos;
}

std::vector<std::string> lines(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::vector<std::string> result;
    for (std::string line; std::getline(file, line);) {
        result.push_back(line);
    }
    return result;
}

class RelaunchTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quellarine-relaunch-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
        std::filesystem::create_directories(home / "run");
        std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    }

    void TearDown() override
    {
        for (pid_t pid : toStop) {
            if (!isGone(pid)) {
                kill(pid, SIGTERM);
                waitFor([&] { return isGone(pid); }, 5);
            }
        }
        std::filesystem::remove_all(home);
    }

    pid_t start(const std::vector<std::string>& command, const std::string& display,
                const std::filesystem::path& errors = "/dev/null")
    {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("DISPLAY", display.c_str(), 1);
            setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
            setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
            setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("LANGUAGE", "en", 1);
            setenv("LC_ALL", "C.UTF-8", 1);
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            const int log = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(log, STDERR_FILENO);
            std::vector<char*> arguments;
            for (const auto& argument : command) {
                arguments.push_back(const_cast<char*>(argument.c_str()));
            }
            arguments.push_back(nullptr);
            execv(arguments[0], arguments.data());
            _exit(127);
        }
        return pid;
    }

    std::filesystem::path home;
    std::vector<pid_t> toStop;
};

} // namespace

// Where the program finds its helper: beside itself, as in the build tree, or in the libexec folder of an
// installation.
enum class Layout { besideTheProgram, installed };

void PrintTo(Layout layout, std::ostream* out)
{
    *out << (layout == Layout::installed ? "installed" : "beside the program");
}

class RelaunchLayoutTest : public RelaunchTest, public testing::WithParamInterface<Layout> {
protected:
    // The program to start, laid out with its helper as the parameter says.
    std::filesystem::path program()
    {
        if (GetParam() == Layout::besideTheProgram) {
            return QUELLARINE_RELAUNCH_PROBE;
        }
        const auto bin = home / "install" / "bin";
        const auto libexec = (bin / QUELLARINE_LIBEXEC_FROM_BIN).lexically_normal();
        std::filesystem::create_directories(bin);
        std::filesystem::create_directories(libexec);
        const std::filesystem::path probe = QUELLARINE_RELAUNCH_PROBE;
        const std::filesystem::path helper = QUELLARINE_RELAUNCH_HELPER;
        std::filesystem::copy_file(probe, bin / probe.filename());
        std::filesystem::copy_file(helper, libexec / helper.filename());
        return bin / probe.filename();
    }
};

INSTANTIATE_TEST_SUITE_P(, RelaunchLayoutTest, testing::Values(Layout::besideTheProgram, Layout::installed),
                         [](const testing::TestParamInfo<Layout>& info) {
                             return info.param == Layout::installed ? "HelperInLibexec" : "HelperBesideTheProgram";
                         });

TEST_P(RelaunchLayoutTest, TheNewCopyRunsInTheChosenLanguageAndNeverBesideTheOldOne)
{
    XvfbServer server;
    const auto report = home / "report";
    const pid_t first = start({program().string(), report.string()}, server.displayName());
    toStop.push_back(first);

    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(first, &status, WNOHANG) == first; }, 20)) << "the first copy never quit";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(waitFor([&] { return lines(report).size() >= 2; }, 15)) << "no new copy started";

    // Each run wrote: its process id, whether it was the only copy, its language and a sentence as it shows it.
    const auto runs = lines(report);
    pid_t pid[2] = {};
    int only[2] = {};
    char language[2][16] = {};
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(std::sscanf(runs[run].c_str(), "%d %d %15s", &pid[run], &only[run], language[run]), 3);
    }
    toStop.push_back(pid[1]);
    EXPECT_EQ(pid[0], first);
    EXPECT_STREQ(language[0], "en");
    EXPECT_NE(pid[1], first);
    EXPECT_EQ(only[1], 1) << "the new copy met the old one";
    EXPECT_STREQ(language[1], "fr");
    EXPECT_EQ(runs[1].find("That file isn't an image"), std::string::npos) << "shown in English: " << runs[1];

    // The new copy keeps running, and no third one follows.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(isGone(pid[1]));
    EXPECT_EQ(lines(report).size(), 2u);
}

TEST_F(RelaunchTest, TheHelperStartsNothingWhileTheOldCopyStillRuns)
{
    const pid_t stubborn = fork();
    if (stubborn == 0) {
        for (;;) {
            pause();
        }
    }
    toStop.push_back(stubborn);
    const auto marker = home / "started";
    const auto errors = home / "errors";
    const pid_t helper = start(
        {QUELLARINE_RELAUNCH_HELPER, std::to_string(stubborn), "1", "/usr/bin/touch", marker.string()}, ":0", errors);
    int status = 0;
    ASSERT_TRUE(waitFor([&] { return waitpid(helper, &status, WNOHANG) == helper; }, 10));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_FALSE(std::filesystem::exists(marker));
    std::ifstream said(errors);
    std::string reason((std::istreambuf_iterator<char>(said)), std::istreambuf_iterator<char>());
    EXPECT_NE(reason.find("still running"), std::string::npos) << reason;

    kill(stubborn, SIGTERM);
    waitpid(stubborn, nullptr, 0);
    // Once it has ended, the same request starts the program.
    const pid_t again
        = start({QUELLARINE_RELAUNCH_HELPER, std::to_string(stubborn), "1", "/usr/bin/touch", marker.string()}, ":0");
    ASSERT_TRUE(waitFor([&] { return waitpid(again, &status, WNOHANG) == again; }, 10));
    EXPECT_TRUE(std::filesystem::exists(marker));
}
