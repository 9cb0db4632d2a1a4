// Scenarios of the backend on a real kernel's input devices, with the real tap. They need /dev/uinput and udev:
// scripts/vm/kernel-tests runs them in a virtual machine, as root and as an ordinary user.
#include "Backends/Devices/DevicesBackend.h"
#include "Backends/Common/PollMainLoop.h"
#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PointerTap.h"
#include "tests/Backends/Devices/KernelDevices.h"
#include "tests/Compositor/HandPlay.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace quellarine;
using namespace quellarine::devices;
using namespace quellarine::devices::testing;

namespace {

constexpr double deadline = 10;

// The switched-on click guard of the application.
ClickGuard::Settings guardOn()
{
    return ClickGuard::Settings{0.04, std::nullopt, 0.35, 24, true, 12, 0.5};
}

void settleUdev()
{
    ASSERT_EQ(std::system("udevadm settle -t 10"), 0);
}

class DevicesBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hand = std::make_unique<UinputHand>();
        settleUdev();
        bystander = std::make_unique<EvdevReader>(hand->node());
        makeBackend();
    }

    void TearDown() override
    {
        tap.reset();
        if (loop && backend) {
            loop->unwatch(backend->fileDescriptor());
        }
        if (loop && output) {
            loop->unwatch(output->fileDescriptor());
        }
        output.reset();
        loop.reset();
        backend.reset();
    }

    void makeBackend()
    {
        backend = std::make_unique<DevicesBackend>(DevicesBackend::Options{
            .helperPath = QUELLARINE_DEVICE_HELPER,
            .log = [this](std::string_view message) { log.emplace_back(message); },
        });
        ASSERT_TRUE(backend->maySteerPointer());
        loop = std::make_unique<backends::PollMainLoop>(backend->clock());
        loop->watch(backend->fileDescriptor(), [this] { backend->processPendingEvents(); });
        const std::string node = eventNodeOf(backend->outputSysName());
        ASSERT_FALSE(node.empty());
        output = std::make_unique<EvdevReader>(node);
        loop->watch(output->fileDescriptor(), [this] { output->collect(); });
    }

    void startTap(const ClickGuard::Settings& clicks = ClickGuard::Settings::off())
    {
        tap = std::make_unique<PointerTap>(backend->pointerSystem(*loop), FilterPreset::balanced().parameters, clicks);
        tap->start();
        loop->runFor(0.05);
        bystander->clear();
        output->clear();
    }

    bool runUntil(const std::function<bool()>& done) { return loop->runUntil(done, deadline); }

    // Whether the bystander hears the hand now: a small move, looked for for a moment. Leaves the pointer where it
    // was.
    bool bystanderHearsTheHand()
    {
        bystander->clear();
        hand->move(2, 0);
        hand->move(-2, 0);
        bystander->collectFor(0.15);
        return bystander->events() > 0;
    }

    std::unique_ptr<UinputHand> hand;
    std::unique_ptr<EvdevReader> bystander;
    std::unique_ptr<DevicesBackend> backend;
    std::unique_ptr<backends::PollMainLoop> loop;
    std::unique_ptr<EvdevReader> output;
    std::unique_ptr<PointerTap> tap;
    std::vector<std::string> log;
};

// The root mean square of the way across the drift path's direction: its tremor.
double across(const std::vector<double>& ys)
{
    double sum = 0;
    for (double y : ys) {
        sum += y * y;
    }
    return ys.empty() ? 0 : std::sqrt(sum / double(ys.size()));
}

TEST_F(DevicesBackendTest, TheHandsTremorIsSteadiedOnItsWayToTheVirtualDeviceAndReachesNoOneElse)
{
    // Negative control: untaken, the hand reaches whoever reads it.
    EXPECT_TRUE(bystanderHearsTheHand());
    startTap();

    std::vector<double> handYs;
    std::atomic<bool> played{false};
    std::thread player([&] {
        std::FILE* sink = std::fopen("/dev/null", "w");
        int y = 0;
        quellarine::testing::playHandPath(
            "drift",
            [&](int dx, int dy) {
                hand->move(dx, dy);
                y += dy;
                handYs.push_back(y);
            },
            sink);
        std::fclose(sink);
        played = true;
    });
    ASSERT_TRUE(runUntil([&] { return played.load(); }));
    player.join();
    // Settling eases the pointer onto the resting hand.
    loop->runFor(0.6);

    bystander->collect();
    EXPECT_EQ(bystander->events(), 0) << "the hand reached another reader while taken";
    ASSERT_GT(output->frames().size(), 50u);
    std::vector<double> outputYs;
    for (const auto& frame : output->frames()) {
        outputYs.push_back(frame.y);
    }
    const double raw = across(handYs);
    const double steadied = across(outputYs);
    std::printf("drift path, 125 Hz: tremor across the way %.2f points raw, %.2f steadied (%.0f %% left)\n", raw,
                steadied, 100 * steadied / raw);
    EXPECT_LT(steadied, 0.7 * raw);
    EXPECT_NEAR(output->x(), 60, 1.5) << "the steadied pointer comes to rest on the hand";
    EXPECT_NEAR(output->y(), 0, 1.5);
}

TEST_F(DevicesBackendTest, AButtonDownWhenItsDeviceIsUnpluggedIsLetGo)
{
    for (const ClickGuard::Settings& clicks : {ClickGuard::Settings::off(), guardOn()}) {
        startTap(clicks);
        hand->button(BTN_LEFT, true);
        ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_LEFT); }));
        hand->unplug();
        ASSERT_TRUE(runUntil([&] { return !output->isDown(BTN_LEFT); }));
        tap.reset();
        hand = std::make_unique<UinputHand>();
        settleUdev();
        bystander = std::make_unique<EvdevReader>(hand->node());
        loop->runFor(0.2); // hears of the new hand
    }
}

TEST_F(DevicesBackendTest, AStalledLoopGivesTheHandBackAndTheTapTakesItAgainWithoutReplayingWhatItMissed)
{
    startTap();
    hand->button(BTN_LEFT, true);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_LEFT); }));
    hand->button(BTN_LEFT, false);
    ASSERT_TRUE(runUntil([&] { return !output->isDown(BTN_LEFT); }));
    loop->runFor(0.1);
    const int before = output->x();

    // The loop stalls while the hand moves: after about half a second the hand reaches the others directly.
    bool heard = false;
    for (int i = 0; i < 150 && !heard; ++i) {
        hand->move(3, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        bystander->collect();
        heard = bystander->events() > 0;
    }
    EXPECT_TRUE(heard);

    // Running again, the tap takes the hand back; what the others had is not sent a second time.
    loop->runFor(0.3);
    EXPECT_NEAR(output->x(), before, 2);
    EXPECT_FALSE(bystanderHearsTheHand());
    output->clear();
    hand->move(10, 0);
    ASSERT_TRUE(runUntil([&] { return output->x() >= before + 9; }));
}

// However the devices go back to the compositor, a button the virtual device holds goes up with them: the hand's
// own release then reaches the compositor from the hand, never from us.
TEST_F(DevicesBackendTest, DevicesGivenBackWhileAButtonIsDownTakeNoneOfOurButtonsDownWithThem)
{
    // The taps switched off while the hand holds a button.
    startTap();
    hand->button(BTN_LEFT, true);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_LEFT); }));
    tap->stop();
    ASSERT_TRUE(runUntil([&] { return !output->isDown(BTN_LEFT); })) << "the taps are off and our button stays down";
    hand->button(BTN_LEFT, false);
    loop->runFor(0.1);
    tap.reset();

    // The watchdog gives the devices of a stalled loop back while the hand holds a button and moves.
    startTap();
    hand->button(BTN_RIGHT, true);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_RIGHT); }));
    bool heard = false;
    for (int i = 0; i < 150 && !heard; ++i) {
        hand->move(3, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        bystander->collect();
        heard = bystander->events() > 0;
    }
    ASSERT_TRUE(heard);
    output->collectFor(0.1); // read here: the loop still stalls
    EXPECT_FALSE(output->isDown(BTN_RIGHT)) << "the watchdog left our button down";
    hand->button(BTN_RIGHT, false);
    loop->runFor(0.2);
}

// More moves than the kernel keeps for a reader arrive while the loop is busy, the button's release among those it
// drops: read again, the button is up on the virtual device too, and the pointer goes on with the hand.
TEST_F(DevicesBackendTest, AButtonLetGoAmongDroppedEventsIsLetGoOnTheVirtualDeviceToo)
{
    startTap();
    hand->button(BTN_LEFT, true);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_LEFT); }));
    hand->button(BTN_LEFT, false);
    for (int i = 0; i < 300; ++i) {
        hand->move(i % 2 == 0 ? 1 : -1, 0);
    }
    ASSERT_TRUE(runUntil([&] { return !output->isDown(BTN_LEFT); })) << "a button stays down";
    loop->runFor(0.6);
    const int before = output->x();
    hand->move(30, 0);
    ASSERT_TRUE(runUntil([&] { return output->x() >= before + 29; }));
    loop->runFor(0.6);
    EXPECT_NEAR(output->x(), before + 30, 1.5);
}

// A device whose button is down when the tap would take it stays with the compositor until the button is up:
// taken then, the compositor would never see the release.
TEST_F(DevicesBackendTest, AHandHoldingAButtonIsTakenOnlyOnceTheButtonIsUp)
{
    hand->button(BTN_LEFT, true);
    bystander->collectFor(0.05);
    ASSERT_TRUE(bystander->isDown(BTN_LEFT));
    startTap();
    loop->runFor(0.2);
    hand->button(BTN_LEFT, false);
    bystander->collectFor(0.1);
    EXPECT_FALSE(bystander->isDown(BTN_LEFT)) << "the compositor never saw the release";
    EXPECT_FALSE(output->isDown(BTN_LEFT));
    // Taken once the button is up.
    bool taken = false;
    for (int i = 0; i < 40 && !taken; ++i) {
        loop->runFor(0.05);
        taken = !bystanderHearsTheHand();
    }
    EXPECT_TRUE(taken);
}

// A mouse whose resolution udev knows (the kernel tests' rule gives this one 400 dpi) moves the pointer as far as a
// 1000 dpi mouse moved the same distance: 40 counts of it are 100 points.
TEST_F(DevicesBackendTest, AMouseOfKnownResolutionMovesThePointerByTheDistanceTheHandWent)
{
    UinputHand slow("Quellarine 400 dpi hand");
    settleUdev();
    EvdevReader other(slow.node());
    startTap();
    bool taken = false;
    for (int i = 0; i < 100 && !taken; ++i) {
        other.clear();
        slow.move(1, 0);
        slow.move(-1, 0);
        loop->runFor(0.05);
        other.collect();
        taken = other.events() == 0;
    }
    ASSERT_TRUE(taken);
    loop->runFor(0.6);
    const int before = output->x();
    for (int i = 0; i < 10; ++i) {
        slow.move(4, 0);
        loop->runFor(0.008);
    }
    loop->runFor(0.8); // the steadied pointer comes to rest on the hand
    EXPECT_NEAR(output->x() - before, 100, 2);
}

TEST_F(DevicesBackendTest, ASuspendGivesTheHandAndEveryButtonBackFromAnotherThreadAndResumeTakesThemAgain)
{
    startTap();
    hand->button(BTN_RIGHT, true);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_RIGHT); }));
    std::thread([&] { backend->suspend(); }).join();
    output->collectFor(0.1);
    EXPECT_FALSE(output->isDown(BTN_RIGHT));
    hand->button(BTN_RIGHT, false);
    loop->runFor(0.2);
    EXPECT_TRUE(bystanderHearsTheHand());
    loop->runFor(0.1);
    EXPECT_TRUE(bystanderHearsTheHand()) << "taken again while suspended";

    std::thread([&] { backend->resume(); }).join();
    loop->runFor(0.2);
    EXPECT_FALSE(bystanderHearsTheHand());
}

TEST_F(DevicesBackendTest, ADeviceAnotherProgramHoldsIsLeftAloneAndSaidSoOnce)
{
    ASSERT_EQ(ioctl(bystander->fileDescriptor(), EVIOCGRAB, reinterpret_cast<void*>(1)), 0);
    startTap();
    tap->stop();
    tap->start();
    loop->runFor(0.1);
    hand->move(5, 5);
    bystander->collectFor(0.1);
    loop->runFor(0.1);
    EXPECT_GT(bystander->events(), 0);
    EXPECT_EQ(output->events(), 0);
    EXPECT_EQ(std::count_if(
                  log.begin(), log.end(),
                  [](const std::string& line) { return line.find("held by another program") != std::string::npos; }),
              1);
}

TEST_F(DevicesBackendTest, ADevicePluggedInLaterIsTakenAndItsWheelPassesUntouched)
{
    startTap();
    UinputHand second("Quellarine second hand");
    EvdevReader other(second.node());
    // Taken once udev has told of it.
    bool taken = false;
    for (int i = 0; i < 100 && !taken; ++i) {
        other.clear();
        second.move(1, 0);
        second.move(-1, 0);
        loop->runFor(0.05);
        other.collect();
        taken = other.events() == 0;
    }
    EXPECT_TRUE(taken);
    second.wheel(-2);
    second.wheel(1);
    ASSERT_TRUE(runUntil([&] { return output->wheel() == -1; }));
    // Our own device is never taken: its reader saw all of this.
    EXPECT_GT(output->events(), 0);
}

// The application's process: killed, or stopped from the terminal, it leaves the hand to the others.
TEST_F(DevicesBackendTest, AHolderKilledOrStoppedGivesTheHandBack)
{
    backend.reset(); // one steadier at a time
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        execl(QUELLARINE_DEVICES_TAP_HOLDER, QUELLARINE_DEVICES_TAP_HOLDER, nullptr);
        _exit(127);
    }
    close(pipeFds[1]);
    char ready[6] = {};
    ASSERT_EQ(read(pipeFds[0], ready, 5), 5);
    close(pipeFds[0]);
    EXPECT_STREQ(ready, "ready");
    auto waitFor = [&](bool hears) {
        for (int i = 0; i < 50; ++i) {
            if (bystanderHearsTheHand() == hears) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(waitFor(false));
    kill(holder, SIGTSTP);
    EXPECT_TRUE(waitFor(true)) << "stopped, it still holds the hand";
    kill(holder, SIGCONT);
    EXPECT_TRUE(waitFor(false)) << "continued, it did not take the hand again";
    kill(holder, SIGKILL);
    EXPECT_TRUE(waitFor(true)) << "killed, it still holds the hand";
    waitpid(holder, nullptr, 0);
}

// Started before the user had the access, the backend takes it up once it is given, without a restart: it makes its
// virtual device then, learns that device's kernel name, and never takes the device as one of the hand's.
TEST(DevicesBackendAccessTest, AccessGivenAfterTheStartIsTakenUpWithoutARestart)
{
    UinputHand hand;
    settleUdev();
    // The helper that may make the device appears only later, as the access to it does.
    const std::string helper = "/tmp/quellarine-device-helper-" + std::to_string(getpid());
    unlink(helper.c_str());
    backends::MonotonicClock clock;
    backends::PollMainLoop loop(clock);
    DevicesBackend backend(DevicesBackend::Options{.helperPath = helper, .log = {}});
    backend.attach(loop);
    loop.runFor(1.2);
    EXPECT_FALSE(backend.maySteerPointer());

    ASSERT_EQ(symlink(QUELLARINE_DEVICE_HELPER, helper.c_str()), 0);
    EXPECT_TRUE(loop.runUntil([&] { return backend.maySteerPointer(); }, deadline));
    unlink(helper.c_str());
    settleUdev();
    loop.runFor(0.2); // hears of its own device
    EvdevReader output(eventNodeOf(backend.outputSysName()));
    EvdevReader bystander(hand.node());
    loop.watch(output.fileDescriptor(), [&] { output.collect(); });
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    tap.start();
    loop.runFor(0.05);

    hand.move(20, 0);
    EXPECT_TRUE(loop.runUntil([&] { return output.x() >= 19; }, deadline)) << "its own device was taken";
    bystander.collect();
    EXPECT_EQ(bystander.events(), 0) << "the hand was not taken";
    loop.unwatch(output.fileDescriptor());
}

} // namespace
