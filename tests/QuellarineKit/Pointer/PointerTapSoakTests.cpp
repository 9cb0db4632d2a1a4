#include "Backends/Sim/SimulatedWindowServer.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PersonalSetting.h"
#include "QuellarineKit/Pointer/PointerTap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <random>
#include <vector>

// A hand and a system that do everything at once, in random order, for a few hundred thousand events: moves,
// flings, presses of nine buttons, filtering switched, the guard and the presets changed, the tap switched off by
// the system (told or not), stopped and started again, displays changed, another program's moves to places that
// are not numbers. Whatever happens, every button's presses
// and releases reach the applications in turn, none stays down there once the hand has let go, and every position
// is a number.

using namespace quellarine;
using system::EventType;

namespace {

constexpr int buttons = 9;
constexpr int steps = 300'000;

std::optional<int> buttonNumber(const system::Event& event, bool& down)
{
    switch (event.type) {
    case EventType::leftMouseDown:
    case EventType::rightMouseDown:
    case EventType::otherMouseDown:
        down = true;
        break;
    case EventType::leftMouseUp:
    case EventType::rightMouseUp:
    case EventType::otherMouseUp:
        down = false;
        break;
    default:
        return std::nullopt;
    }
    if (event.type == EventType::leftMouseDown || event.type == EventType::leftMouseUp) {
        return 0;
    }
    if (event.type == EventType::rightMouseDown || event.type == EventType::rightMouseUp) {
        return 1;
    }
    return static_cast<int>(event.buttonNumber);
}

bool finite(Point point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

class Soak {
public:
    explicit Soak(std::uint64_t seed)
        : random_(seed)
    {
        latency_ = uniform(0, 0.004);
        server_.setLatency(latency_);
        server_.setPostLatency(uniform(0, 0.001));
        server_.setDeltaBase(static_cast<sim::SimulatedWindowServer::DeltaBase>(pick(3)));
        server_.advance(5);
        tap_ = std::make_unique<PointerTap>(server_.pointerSystem(), FilterPreset::balanced().parameters,
                                            ClickGuard::Settings::on(0.5));
        tap_->setButtonReport([this](const std::string& what) { impossible_.push_back(what); });
        tap_->start();
    }

    void run()
    {
        for (int step = 0; step < steps && !::testing::Test::HasFatalFailure(); ++step) {
            act();
            server_.advance(pick(50) == 0 ? uniform(0.05, 0.6) : uniform(0, 0.012));
            check();
        }
        // The hand lets go of everything and rests; the tap is back on.
        for (int button = 0; button < buttons; ++button) {
            if (hand_[static_cast<std::size_t>(button)]) {
                release(button);
            }
        }
        if (stopped_) {
            tap_->start();
            stopped_ = false;
        }
        tap_->ensureEnabled();
        server_.advance(4);
        check();
        EXPECT_TRUE(impossible_.empty()) << impossible_.size() << " impossible button transitions, the first: "
                                         << (impossible_.empty() ? "" : impossible_.front());
        std::printf("  %d steps: %ld presses reached applications, %ld posted by the tap, %ld lone releases after "
                    "the tap was off, %d external moves\n",
                    steps, presses_, posted_, excusedReleases_, tap_->externalMoves());
    }

private:
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    // The last few things that happened, for a failure message.
    void note(const std::string& what)
    {
        std::ostringstream line;
        line << server_.now() << " " << what;
        history_.push_back(line.str());
        if (history_.size() > 40) {
            history_.pop_front();
        }
    }

    std::string recent() const
    {
        std::string text = "\n";
        for (const auto& line : history_) {
            text += "  " + line + "\n";
        }
        return text;
    }

    void act()
    {
        const int roll = pick(1000);
        if (roll < 700) {
            server_.moveHand({uniform(-6, 6), uniform(-6, 6)});
        } else if (roll < 730) {
            server_.moveHand({uniform(-4000, 4000), uniform(-3000, 3000)}); // a fling, or a jump across displays
        } else if (roll < 850) {
            // Mostly the two main buttons; the others overlap them and each other.
            const int button = pick(3) == 0 ? 2 + pick(buttons - 2) : pick(2);
            if (hand_[static_cast<std::size_t>(button)]) {
                release(button);
            } else {
                press(button);
            }
        } else if (roll < 870) {
            tap_->setFiltering(!tap_->isFiltering());
            note(tap_->isFiltering() ? "filtering on" : "filtering off");
        } else if (roll < 885) {
            const bool guarded = pick(2);
            tap_->setClickSettings(guarded ? ClickGuard::Settings::on(uniform(0.2, 0.8)) : ClickGuard::Settings::off());
            note(guarded ? "guard on" : "guard off");
        } else if (roll < 900) {
            const auto& presets = FilterPreset::builtIn();
            tap_->setParameters(
                pick(8) == 0 ? PersonalSetting{FilterPreset::ID::strong, 0.3, 0.05, 2, 0.5}.preset()->parameters
                             : presets[static_cast<std::size_t>(pick(static_cast<int>(presets.size())))].parameters);
        } else if (roll < 902) {
            goesOff();
            server_.disableTaps(pick(2) ? EventType::tapDisabledByTimeout : EventType::tapDisabledByUserInput);
            note("disabled with notice");
        } else if (roll < 904) {
            goesOff();
            server_.disableTapsSilently();
            silentlyOff_ = true;
            note("disabled silently");
        } else if (roll < 930) {
            note(tap_->ensureEnabled() ? "ensure: was on" : "ensure: turned back on");
            silentlyOff_ = false;
        } else if (roll < 932 && !stopped_) {
            goesOff();
            tap_->stop();
            stopped_ = true;
            note("stopped");
        } else if (roll < 950 && stopped_) {
            tap_->start();
            stopped_ = false;
            silentlyOff_ = false;
            note("started");
        } else if (roll < 953) {
            foreignMove();
        } else if (roll < 958) {
            std::vector<Rect> displays{Rect{{0, 0}, {uniform(640, 2560), uniform(480, 1600)}}};
            if (pick(2)) {
                displays.push_back(
                    Rect{{displays[0].maxX(), uniform(-400, 400)}, {uniform(640, 1920), uniform(480, 1200)}});
            }
            server_.setDisplays(displays);
            tap_->displaysChanged();
        }
    }

    // Another program posts a move at a place that is not a number, with deltas to match.
    void foreignMove()
    {
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double inf = std::numeric_limits<double>::infinity();
        const std::array<double, 4> odd{nan, inf, -inf, 1e308};
        system::Event event;
        event.type = EventType::mouseMoved;
        event.location = {odd[static_cast<std::size_t>(pick(4))], pick(2) ? uniform(0, 900) : nan};
        event.deltaX = odd[static_cast<std::size_t>(pick(4))];
        server_.post(event, system::PostLevel::hid);
        note("another program moves to nowhere");
    }

    void press(int button)
    {
        hand_[static_cast<std::size_t>(button)] = true;
        lastButtonAction_ = server_.now();
        server_.pressButton(button);
        note("hand presses " + std::to_string(button));
    }

    void release(int button)
    {
        hand_[static_cast<std::size_t>(button)] = false;
        released_[static_cast<std::size_t>(button)] = server_.now();
        lastButtonAction_ = server_.now();
        server_.releaseButton(button);
        note("hand releases " + std::to_string(button));
    }

    // The tap is about to miss events. A press it holds back is dropped so that it can never go out after its
    // release; when that release then goes past the tap, or comes back once the tap no longer knows the button, the
    // applications get a release of a button that is already up there. That is the one thing allowed, once for
    // each button held (or on its way up) when the tap went off, until the button's next press arrives.
    void goesOff()
    {
        const auto inFlight = static_cast<std::uint64_t>(std::llround(latency_ * 1e9));
        for (std::size_t button = 0; button < buttons; ++button) {
            if (hand_[button] || server_.now() <= released_[button] + inFlight) {
                excused_[button] = true;
            }
        }
    }

    void check()
    {
        for (const auto& received : server_.received()) {
            // Another program's events may pass as they came; everything else must be somewhere.
            const bool foreign = received.origin == sim::SimulatedWindowServer::Origin::posted
                && received.event.userData != PointerTap::marker;
            ASSERT_TRUE(foreign || finite(received.event.location))
                << "an event of type " << static_cast<int>(received.event.type)
                << " at a position that is not a number, "
                << (received.origin == sim::SimulatedWindowServer::Origin::posted ? "posted" : "from the hardware")
                << recent();
            bool down = false;
            std::optional<int> button = buttonNumber(received.event, down);
            if (!button) {
                continue;
            }
            note(std::string(received.origin == sim::SimulatedWindowServer::Origin::posted ? "posted " : "hardware ")
                 + (down ? "press " : "release ") + std::to_string(*button) + " reaches applications");
            ASSERT_GE(*button, 0);
            ASSERT_LT(*button, buttons);
            auto index = static_cast<std::size_t>(*button);
            if (down) {
                ASSERT_FALSE(application_[index]) << "button " << *button << " pressed twice in a row" << recent();
                application_[index] = true;
                excused_[index] = false;
                ++presses_;
                posted_ += received.origin == sim::SimulatedWindowServer::Origin::posted ? 1 : 0;
            } else if (application_[index]) {
                application_[index] = false;
            } else {
                ASSERT_TRUE(excused_[index]) << "button " << *button << " released twice in a row" << recent();
                excused_[index] = false;
                ++excusedReleases_;
            }
        }
        server_.clearReceived();

        const auto& smoother = tap_->smoother();
        ASSERT_TRUE(!smoother.raw() || finite(*smoother.raw()));
        ASSERT_TRUE(!smoother.emitted() || finite(*smoother.emitted()));

        // Once every event the hand made has arrived and whatever the tap posted for it has come back.
        bool handIdle = std::none_of(hand_.begin(), hand_.end(), [](bool down) { return down; });
        if (handIdle && server_.now() > lastButtonAction_ + 6'000'000) {
            for (int button = 0; button < buttons; ++button) {
                ASSERT_FALSE(application_[static_cast<std::size_t>(button)])
                    << "button " << button << " stuck down in the applications" << recent();
            }
        }
    }

    std::mt19937_64 random_;
    sim::SimulatedWindowServer server_;
    std::unique_ptr<PointerTap> tap_;
    std::array<bool, buttons> hand_{};
    std::array<bool, buttons> application_{};
    std::array<bool, buttons> excused_{};
    std::array<std::uint64_t, buttons> released_{};
    double latency_ = 0;
    bool stopped_ = false;
    bool silentlyOff_ = false;
    std::uint64_t lastButtonAction_ = 0;
    std::deque<std::string> history_;
    std::vector<std::string> impossible_;
    long presses_ = 0;
    long posted_ = 0;
    long excusedReleases_ = 0;
};

} // namespace

TEST(PointerTapSoakTest, EveryPressReachesApplicationsWithItsReleaseAndEveryPositionIsANumber)
{
    for (std::uint64_t seed : {1u, 2u}) {
        SCOPED_TRACE(seed);
        Soak soak(seed);
        soak.run();
    }
}
