#pragma once

#include "QuellarineKit/Support/Geometry.h"

#include <nlohmann/json_fwd.hpp>

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quellarine {

// Decides what each mouse-button press becomes before any application sees it: too short (or, when configured,
// too long) presses vanish, a quick accidental repeat at the same place is swallowed, a press is held back until it
// has lasted long enough, and while a button is down near its press location the pointer is held there.
//
// A pure state machine over times (seconds on one monotonic clock chosen by the caller) and positions (points).
// Durations are compared as deadlines (start + duration) so that a call made exactly at a deadline the guard
// announced counts as having reached it, whatever the rounding of the subtraction would say.
class ClickGuard {
public:
    struct Settings {
        // Shortest press that counts; at 0 or below (with no maxPress) presses are passed at once.
        double minPress = 0;
        // Longest press that still counts as a click; none = no upper limit.
        std::optional<double> maxPress;
        // A press of the same button this soon after the last click's release, at the same place, is an
        // accidental repeat; none = no repeat filter.
        std::optional<double> repeatWindow;
        // Radius of "the same place", for the repeat filter and for click counting.
        double repeatRadius = 0;
        // Lets one repeat after a single click through: a double click.
        bool allowDoubleClick = false;
        // Radius around the press location inside which the pointer is held still during a press.
        double dragThreshold = 0;
        // A press this soon after the last click's release, at the same place, continues the click count.
        double doubleClickInterval = 0;

        bool operator==(const Settings&) const = default;

        // Changes nothing: every press and release passes at once; click counts are still numbered.
        static const Settings& off();
        // The guard as the application switches it on, counting clicks within the desktop's double-click interval.
        static Settings on(double doubleClickInterval);
    };

    enum class Button { left = 0, right = 1, other = 2 };

    static int rawValue(Button button) { return static_cast<int>(button); }
    // 0, 1 or 2; any other integer is no button.
    static std::optional<Button> fromRaw(std::int64_t raw);

    // A button event to post: the point is where it is to be posted.
    struct Output {
        enum class Kind { down, up };

        Kind kind = Kind::down;
        Button button = Button::left;
        Point point;
        int clickCount = 0;

        static Output down(Button button, Point point, int clickCount)
        {
            return {Kind::down, button, point, clickCount};
        }
        static Output up(Button button, Point point, int clickCount) { return {Kind::up, button, point, clickCount}; }

        bool operator==(const Output&) const = default;
    };

    // The outputs of one call, in the order they are to be posted. No call yields more than three (another
    // button's pending press finished with a down and an up, then the new press's down), so they live in place:
    // the guard runs for every pointer event and allocates nothing.
    class Outputs {
    public:
        static constexpr std::size_t capacity = 3;

        using value_type = Output;
        using const_iterator = const Output*;
        using iterator = const_iterator;

        const_iterator begin() const { return items_.data(); }
        const_iterator end() const { return items_.data() + count_; }
        std::size_t size() const { return count_; }
        bool empty() const { return count_ == 0; }
        const Output& operator[](std::size_t index) const { return items_[index]; }

        bool operator==(const Outputs& other) const;

    private:
        friend class ClickGuard;
        void append(const Output& output)
        {
            assert(count_ < capacity);
            items_[count_++] = output;
        }

        std::array<Output, capacity> items_{};
        std::size_t count_ = 0;
    };

    enum class MoveDecision {
        pass, // the move goes on
        hold, // the pointer must stay at holdLocation(); the move is consumed
    };

    struct MoveResult {
        MoveDecision decision = MoveDecision::pass;
        Outputs outputs;
    };

    explicit ClickGuard(Settings settings)
        : settings(settings)
    {
    }

    // May change at any time; takes effect at the next call and leaves the press and the last click as they are.
    Settings settings;

    Outputs buttonDown(Button button, double time, Point location);
    Outputs buttonUp(Button button, double time, Point location);
    // The hand's position: the drag circle is judged on it.
    MoveResult moved(Point location, double time);
    // At most one down: the held-back press once it has lasted minPress.
    Outputs tick(double time);

    // When tick() must be called: only for a held-back press without a maxPress, which is otherwise decided only
    // by its release or a drag.
    std::optional<double> nextDeadline() const;
    // Where the pointer is held: the press location of a real press that is not dragging.
    std::optional<Point> holdLocation() const;

private:
    struct Press {
        Button button;
        double time;
        Point location;
        bool sent;      // the down has been emitted
        bool dragging;  // the pointer has left the drag circle; a dragging press has always been sent
        int clickCount; // 0 marks a swallowed repeat
    };

    struct LastClick {
        Button button;
        double downTime;
        double upTime;
        Point location;
        int clickCount;
    };

    void finishPress(const Press& press, double time, Point location, Outputs& outputs);
    bool isRepeat(Button button, double time, Point location) const;
    int clickCount(Button button, double time, Point location) const;
    bool samePlaceAsLastClick(Point location) const;

    std::optional<Press> press_;
    std::optional<LastClick> lastClick_;
};

void to_json(nlohmann::json& json, const ClickGuard::Settings& settings);
void from_json(const nlohmann::json& json, ClickGuard::Settings& settings);
void to_json(nlohmann::json& json, const ClickGuard::Button& button);
void from_json(const nlohmann::json& json, ClickGuard::Button& button);

} // namespace quellarine
