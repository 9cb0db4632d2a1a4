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

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <utility>
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
        unwatchOutput();
        if (loop && pointer) {
            loop->unwatch(pointer->fileDescriptor());
        }
        pointer.reset();
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
        pointer = std::make_unique<EvdevReader>(node);
        loop->watch(pointer->fileDescriptor(), [this] { pointer->collect(); });
    }

    void unwatchOutput()
    {
        if (loop && output) {
            loop->unwatch(output->fileDescriptor());
        }
        output.reset();
    }

    // A reader of the twin of this mouse, kept up to date by the loop.
    std::unique_ptr<EvdevReader> twinOf(const UinputDevice& mouse)
    {
        std::string node;
        loop->runUntil(
            [&] {
                node = twinNodeOf(mouse.name(), mouse.sysName(), 0);
                return !node.empty();
            },
            deadline);
        if (node.empty()) {
            ADD_FAILURE() << "no twin of " << mouse.name();
            return std::make_unique<EvdevReader>(eventNodeOf(backend->outputSysName()));
        }
        auto reader = std::make_unique<EvdevReader>(node);
        loop->watch(reader->fileDescriptor(), [twin = reader.get()] { twin->collect(); });
        return reader;
    }

    // The taps on; `output` reads what the hand's events become: its twin once the hand is taken, else the
    // steadied pointer.
    void startTap(const ClickGuard::Settings& clicks = ClickGuard::Settings::off(), bool handTaken = true)
    {
        tap = std::make_unique<PointerTap>(backend->pointerSystem(*loop), FilterPreset::balanced().parameters, clicks);
        tap->start();
        loop->runFor(0.05);
        unwatchOutput();
        if (handTaken) {
            output = twinOf(*hand);
        } else {
            output = std::make_unique<EvdevReader>(eventNodeOf(backend->outputSysName()));
            loop->watch(output->fileDescriptor(), [this] { output->collect(); });
        }
        bystander->clear();
        output->clear();
        pointer->clear();
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
    std::unique_ptr<EvdevReader> pointer; // the steadied pointer
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
        // The twin lets go of the button and goes away with the hand.
        ASSERT_TRUE(runUntil([&] { return output->gone(); })) << "the twin outlived its mouse";
        EXPECT_TRUE(twinNodeOf(hand->name(), hand->sysName(), 0.1).empty());
        pointer->collect();
        EXPECT_FALSE(pointer->isDown(BTN_LEFT));
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
    startTap(ClickGuard::Settings::off(), false);
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

// A mouse whose resolution udev knows (the kernel tests' rule gives this one 400 dpi, and its twin, of the same name)
// is steadied in points, as a 1000 dpi mouse moved the same distance (40 counts of it are 100 points), and its twin
// is sent its own counts again, which the compositor brings to 100 points by the same resolution.
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
    std::unique_ptr<EvdevReader> twin = twinOf(slow);
    loop->runFor(0.6);
    const int before = twin->x();
    for (int i = 0; i < 10; ++i) {
        slow.move(4, 0);
        loop->runFor(0.008);
    }
    loop->runFor(0.8); // the steadied pointer comes to rest on the hand
    EXPECT_NEAR(twin->x() - before, 40, 1);
    loop->unwatch(twin->fileDescriptor());
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
    startTap(ClickGuard::Settings::off(), false);
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
    std::unique_ptr<EvdevReader> twin = twinOf(second);
    second.wheel(-2);
    second.wheel(1);
    ASSERT_TRUE(runUntil([&] { return twin->wheel() == -1; }));
    // Our own device is never taken: its reader saw all of this.
    EXPECT_GT(twin->events(), 0);
    loop->unwatch(twin->fileDescriptor());
}

// What the kernel says a device has: its ids, name, properties, the codes of one event type, and its axes' ranges.
struct Identity {
    input_id id{};
    std::string name;
    std::array<unsigned char, INPUT_PROP_CNT / 8> properties{};
    std::vector<std::array<int, 4>> ranges; // code, minimum, maximum, resolution
    std::vector<int> codes(int type, int count) const
    {
        std::vector<int> found;
        for (int code = 0; code < count; ++code) {
            if (bits[type][static_cast<std::size_t>(code / 8)] & (1 << (code % 8))) {
                found.push_back(code);
            }
        }
        return found;
    }
    std::array<std::array<unsigned char, KEY_MAX / 8 + 1>, EV_MAX + 1> bits{};
};

Identity identityOf(int fd)
{
    Identity identity;
    ioctl(fd, EVIOCGID, &identity.id);
    std::array<char, 256> name{};
    ioctl(fd, EVIOCGNAME(name.size() - 1), name.data());
    identity.name = name.data();
    for (int type : {EV_KEY, EV_REL, EV_ABS}) {
        ioctl(fd, EVIOCGBIT(type, identity.bits[type].size()), identity.bits[type].data());
    }
    ioctl(fd, EVIOCGPROP(identity.properties.size()), identity.properties.data());
    for (int code : identity.codes(EV_ABS, ABS_CNT)) {
        input_absinfo range{};
        ioctl(fd, EVIOCGABS(code), &range);
        identity.ranges.push_back({code, range.minimum, range.maximum, range.resolution});
    }
    return identity;
}

// Each mouse appears to the desktop as itself: a twin with its name, ids, wheels and pointing buttons, and none of
// its keys. What one mouse does comes out of its own twin alone: its motion steadied, its buttons by their own
// codes, its wheel with its fine steps. Our twins are never taken, and one goes away with its mouse.
TEST_F(DevicesBackendTest, EachMouseComesOutOfItsOwnTwinAlone)
{
    UinputHand trackball("Quellarine test trackball", 0x0207, {BTN_LEFT, BTN_RIGHT, BTN_SIDE, BTN_EXTRA, KEY_VOLUMEUP},
                         {REL_WHEEL, REL_WHEEL_HI_RES});
    settleUdev();
    startTap();
    std::unique_ptr<EvdevReader> other = twinOf(trackball);
    for (const auto& [mouse, twin] : {std::pair{hand.get(), output.get()}, std::pair{&trackball, other.get()}}) {
        EvdevReader original(mouse->node());
        const Identity made = identityOf(twin->fileDescriptor());
        const Identity own = identityOf(original.fileDescriptor());
        EXPECT_EQ(made.name, mouse->name());
        EXPECT_EQ(made.id.bustype, own.id.bustype);
        EXPECT_EQ(made.id.vendor, own.id.vendor);
        EXPECT_EQ(made.id.product, own.id.product);
        EXPECT_EQ(made.codes(EV_REL, REL_CNT), own.codes(EV_REL, REL_CNT));
        std::vector<int> buttons = own.codes(EV_KEY, KEY_CNT);
        std::erase(buttons, KEY_VOLUMEUP);
        EXPECT_EQ(made.codes(EV_KEY, KEY_CNT), buttons) << mouse->name();
        // Nobody holds our twins: whoever reads them gets all they say.
        EXPECT_EQ(ioctl(twin->fileDescriptor(), EVIOCGRAB, reinterpret_cast<void*>(1)), 0);
        ioctl(twin->fileDescriptor(), EVIOCGRAB, nullptr);
    }

    loop->runFor(0.6);
    output->clear();
    other->clear();
    pointer->clear();
    const int startX = other->x();
    const int startY = other->y();
    for (int i = 0; i < 20; ++i) {
        trackball.move(i % 2 == 0 ? 5 : -3, i % 2 == 0 ? -2 : 3);
        loop->runFor(0.008);
    }
    loop->runFor(0.8); // at rest, the steadied pointer comes onto the hand
    EXPECT_NEAR(other->x() - startX, 20, 1);
    EXPECT_NEAR(other->y() - startY, 10, 1);
    // The hand went back and forth 80 points across for 20 of net motion; steadied, the pointer goes far less.
    int way = 0;
    for (std::size_t index = 1; index < other->frames().size(); ++index) {
        way += std::abs(other->frames()[index].x - other->frames()[index - 1].x);
    }
    EXPECT_LT(way, 56) << "the motion was not steadied";
    trackball.button(BTN_SIDE, true);
    ASSERT_TRUE(runUntil([&] { return other->isDown(BTN_SIDE); }));
    trackball.button(BTN_SIDE, false);
    ASSERT_TRUE(runUntil([&] { return !other->isDown(BTN_SIDE); }));
    trackball.fineWheel(60, 0);
    trackball.fineWheel(60, 1);
    ASSERT_TRUE(runUntil([&] { return other->wheel() == 1; }));
    EXPECT_EQ(other->keyEvents(), 2);
    EXPECT_EQ(other->fineWheel(), 120);
    output->collect();
    pointer->collect();
    EXPECT_EQ(output->events(), 0) << "another mouse's twin heard the trackball";
    EXPECT_EQ(pointer->events(), 0) << "the steadied pointer heard the trackball";

    // The hand's button comes out of its own twin alone.
    hand->button(BTN_LEFT, true);
    hand->move(4, 0);
    ASSERT_TRUE(runUntil([&] { return output->isDown(BTN_LEFT); }));
    hand->button(BTN_LEFT, false);
    ASSERT_TRUE(runUntil([&] { return !output->isDown(BTN_LEFT); }));
    other->collect();
    EXPECT_EQ(other->keyEvents(), 2);

    // Unplugged while a button is down: its twin lets go and goes with it; the other twin goes on.
    trackball.button(BTN_RIGHT, true);
    ASSERT_TRUE(runUntil([&] { return other->isDown(BTN_RIGHT); }));
    trackball.unplug();
    ASSERT_TRUE(runUntil([&] { return other->gone(); })) << "the twin outlived its mouse";
    loop->unwatch(other->fileDescriptor());
    EXPECT_FALSE(output->isDown(BTN_RIGHT));
    EXPECT_FALSE(pointer->isDown(BTN_RIGHT));
    const int before = output->x();
    hand->move(6, 0);
    ASSERT_TRUE(runUntil([&] { return output->x() >= before + 5; }));
}

// The same hand's drift, played on a mouse and, as far as the desktop shows it, with a finger on a touchpad: the
// lone finger's tremor is steadied as well as the mouse's, by the share of the way left across and of the travel.
TEST_F(DevicesBackendTest, ATouchpadsTremorIsSteadiedAsAMousesIs)
{
    UinputTouchpad pad;
    settleUdev();
    startTap();
    std::unique_ptr<EvdevReader> twin = twinOf(pad);
    // Pad units per point of the desktop: 40 units a millimetre, a touchpad moving the pointer 0.2968 times as far as
    // a 1000 dpi mouse.
    const double unitsPerPoint = 25.4 * 40 / 1000 / 0.2968;
    // Plays the drift in whole steps of a device with these units to a point; `move` is given where the hand is, in
    // units from where it began.
    auto play = [&](double units, const std::function<void(int, int)>& move) {
        std::atomic<bool> played{false};
        std::thread player([&] {
            std::FILE* sink = std::fopen("/dev/null", "w");
            int x = 0;
            int y = 0;
            quellarine::testing::playHandPath(
                "drift",
                [&](int dx, int dy) {
                    x += dx;
                    y += dy;
                    move(x, y);
                },
                sink, units);
            std::fclose(sink);
            played = true;
        });
        EXPECT_TRUE(runUntil([&] { return played.load(); }));
        player.join();
        loop->runFor(0.6);
    };
    auto travel = [](const std::vector<double>& ys) {
        double sum = 0;
        for (std::size_t i = 1; i < ys.size(); ++i) {
            sum += std::abs(ys[i] - ys[i - 1]);
        }
        return sum;
    };
    struct Share {
        double across;
        double travel;
    };
    auto share = [&](const std::vector<double>& hand, const std::vector<double>& shown) {
        return Share{across(shown) / across(hand), travel(shown) / travel(hand)};
    };

    std::vector<double> handYs;
    int lastX = 0;
    int lastY = 0;
    play(1, [&](int x, int y) {
        hand->move(x - lastX, y - lastY);
        lastX = x;
        lastY = y;
        handYs.push_back(y);
    });
    std::vector<double> mouseYs;
    for (const auto& frame : output->frames()) {
        mouseYs.push_back(frame.y);
    }

    const int startX = 1000;
    const int startY = 1200;
    pad.finger(0, startX, startY);
    ASSERT_TRUE(runUntil([&] { return twin->touch(0).id != -1; }));
    loop->runFor(0.3);
    twin->clear();
    std::vector<double> fingerYs;
    play(unitsPerPoint, [&](int x, int y) {
        pad.finger(0, startX + x, startY + y);
        fingerYs.push_back(y / unitsPerPoint);
    });
    std::vector<double> padYs;
    for (const auto& frame : twin->frames()) {
        padYs.push_back((frame.fingerY - startY) / unitsPerPoint);
    }
    const Share mouse = share(handYs, mouseYs);
    const Share touchpad = share(fingerYs, padYs);
    std::printf("drift path: tremor left across %.0f %%, travel %.0f %% on the mouse; %.0f %%, %.0f %% on the "
                "touchpad\n",
                100 * mouse.across, 100 * mouse.travel, 100 * touchpad.across, 100 * touchpad.travel);
    EXPECT_LT(mouse.across, 0.7);
    EXPECT_LT(touchpad.across, mouse.across + 0.1);
    EXPECT_LT(touchpad.travel, mouse.travel + 0.1);
}

// A touchpad appears to the desktop as itself: a twin with its touches, axes, properties and buttons, so that the
// compositor taps, scrolls and moves by the touchpad's own settings. Only a lone finger's motion is steadied (held
// still while the pad is pressed); fingers among others move as they do; the pad's click passes the taps; given back,
// the twin lets go of every touch.
TEST_F(DevicesBackendTest, ATouchpadComesOutOfItsOwnTwinWithOnlyALoneFingerSteadied)
{
    UinputTouchpad pad;
    settleUdev();
    startTap(guardOn());
    std::unique_ptr<EvdevReader> twin = twinOf(pad);
    {
        EvdevReader original(pad.node());
        const Identity made = identityOf(twin->fileDescriptor());
        const Identity own = identityOf(original.fileDescriptor());
        EXPECT_EQ(made.name, pad.name());
        EXPECT_EQ(made.properties, own.properties);
        EXPECT_EQ(made.ranges, own.ranges);
        EXPECT_EQ(made.codes(EV_KEY, KEY_CNT), own.codes(EV_KEY, KEY_CNT));
        EXPECT_TRUE(made.codes(EV_REL, REL_CNT).empty());
    }

    // A lone finger with a tremor: 10 units right and 6 back, over and over, and a little down.
    pad.finger(0, 2000, 1200);
    ASSERT_TRUE(runUntil([&] { return twin->touch(0).id != -1; }));
    loop->runFor(0.3);
    twin->clear();
    int x = 2000;
    int y = 1200;
    for (int i = 0; i < 20; ++i) {
        x += i % 2 == 0 ? 10 : -6;
        y += i % 2 == 0 ? -2 : 3;
        pad.finger(0, x, y);
        loop->runFor(0.008);
    }
    loop->runFor(0.8);                     // at rest, the steadied finger comes onto the real one
    EXPECT_NEAR(twin->touch(0).x, x, 3.5); // within a point
    EXPECT_NEAR(twin->touch(0).y, y, 3.5);
    int way = 0;
    int shown = 2000;
    for (const EvdevReader::Frame& frame : twin->frames()) {
        way += std::abs(frame.fingerX - shown);
        shown = frame.fingerX;
    }
    EXPECT_LT(way, 112) << "the lone finger was not steadied: it went " << way << " of the hand's 160";
    EXPECT_GE(way, 40);

    // A second finger: both move on the twin exactly as on the pad.
    pad.finger(1, 1000, 1000);
    ASSERT_TRUE(runUntil([&] { return twin->touch(1).id != -1; }));
    const int shownX = twin->touch(0).x;
    for (int step = 1; step <= 5; ++step) {
        pad.finger(0, x, y + 30 * step);
        pad.finger(1, 1000, 1000 + 30 * step);
    }
    ASSERT_TRUE(runUntil([&] { return twin->touch(1).y == 1150; }));
    EXPECT_EQ(twin->touch(0).y, y + 150);
    EXPECT_EQ(twin->touch(0).x, shownX);
    EXPECT_TRUE(twin->isDown(BTN_TOOL_DOUBLETAP));
    pad.finger(1, -1, 0);
    ASSERT_TRUE(runUntil([&] { return twin->touch(1).id == -1 && twin->isDown(BTN_TOOL_FINGER); }));
    y += 150;

    // Pressed, the finger is held where it was while it wanders; the click passes the taps.
    loop->runFor(0.3);
    const int heldX = twin->touch(0).x;
    pad.click(true);
    ASSERT_TRUE(runUntil([&] { return twin->isDown(BTN_LEFT); }));
    for (int i = 0; i < 5; ++i) {
        pad.finger(0, x + 2 * (i + 1), y);
        loop->runFor(0.008);
    }
    loop->runFor(0.1);
    EXPECT_EQ(twin->touch(0).x, heldX);
    pad.click(false);
    ASSERT_TRUE(runUntil([&] { return !twin->isDown(BTN_LEFT); }));

    // The pad goes on while the loop does not read it, until the kernel drops what it cannot keep: the finger lifts
    // and another lands among the dropped events. The twin comes to the pad's state all the same.
    for (int i = 0; i < 400; ++i) {
        pad.finger(0, x + i % 7, y);
    }
    pad.finger(0, -1, 0);
    pad.finger(3, 500, 600);
    ASSERT_TRUE(runUntil([&] { return twin->touch(0).id == -1 && twin->touch(3).id != -1; }));
    EXPECT_EQ(twin->touch(3).x, 500);
    EXPECT_EQ(twin->touch(3).y, 600);
    EXPECT_TRUE(twin->isDown(BTN_TOOL_FINGER));
    pad.finger(3, -1, 0);
    pad.finger(0, x, y);
    ASSERT_TRUE(runUntil([&] { return twin->touch(3).id == -1 && twin->touch(0).id != -1; }));

    // Given back with a finger down: the twin's touch ends; taken again, a new touch is told as it comes.
    backend->suspend();
    ASSERT_TRUE(runUntil([&] { return twin->touch(0).id == -1 && !twin->isDown(BTN_TOUCH); }));
    pad.finger(0, -1, 0);
    backend->resume();
    loop->runFor(0.3);
    pad.finger(2, 3000, 2000);
    ASSERT_TRUE(runUntil([&] { return twin->touch(2).id != -1; })) << "the pad was not taken again";
    EXPECT_EQ(twin->touch(2).x, 3000);
    EXPECT_TRUE(twin->isDown(BTN_TOUCH));
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
// devices then, learns their kernel names, and never takes one of them as one of the hand's.
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
    EvdevReader bystander(hand.node());
    PointerTap tap(backend.pointerSystem(loop), FilterPreset::balanced().parameters, ClickGuard::Settings::off());
    tap.start();
    loop.runFor(0.05);
    EvdevReader output(twinNodeOf(hand.name(), hand.sysName()));
    loop.watch(output.fileDescriptor(), [&] { output.collect(); });

    hand.move(20, 0);
    EXPECT_TRUE(loop.runUntil([&] { return output.x() >= 19; }, deadline)) << "its own device was taken";
    bystander.collect();
    EXPECT_EQ(bystander.events(), 0) << "the hand was not taken";
    loop.unwatch(output.fileDescriptor());
}

} // namespace
