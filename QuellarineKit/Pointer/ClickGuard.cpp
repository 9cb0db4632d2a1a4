#include "QuellarineKit/Pointer/ClickGuard.h"

#include "QuellarineKit/Support/JsonFields.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quellarine {

ClickGuard::Settings ClickGuard::Settings::on(double doubleClickInterval)
{
    return Settings{
        .minPress = 0.04,
        .maxPress = std::nullopt,
        .repeatWindow = 0.35,
        .repeatRadius = 24,
        .allowDoubleClick = true,
        .dragThreshold = 12,
        .doubleClickInterval = doubleClickInterval,
    };
}

const ClickGuard::Settings& ClickGuard::Settings::off()
{
    static const Settings settings{
        .minPress = 0,
        .maxPress = std::nullopt,
        .repeatWindow = std::nullopt,
        .repeatRadius = 24,
        .allowDoubleClick = true,
        .dragThreshold = 0,
        .doubleClickInterval = 0.5,
    };
    return settings;
}

std::optional<ClickGuard::Button> ClickGuard::fromRaw(std::int64_t raw)
{
    switch (raw) {
    case 0:
        return Button::left;
    case 1:
        return Button::right;
    case 2:
        return Button::other;
    default:
        return std::nullopt;
    }
}

bool ClickGuard::Outputs::operator==(const Outputs& other) const
{
    return std::equal(begin(), end(), other.begin(), other.end());
}

ClickGuard::Outputs ClickGuard::buttonDown(Button button, double time, Point location)
{
    Outputs outputs;
    // A pending press of another button ends where and when this one starts; one of the same button whose release
    // never came is dropped.
    if (press_ && press_->button != button) {
        finishPress(*press_, time, location, outputs);
    }
    press_.reset();

    if (isRepeat(button, time, location)) {
        press_ = Press{button, time, location, true, false, 0};
        return outputs;
    }

    int count = clickCount(button, time, location);
    bool sendNow = settings.minPress <= 0 && !settings.maxPress;
    if (sendNow) {
        outputs.append(Output::down(button, location, count));
    }
    press_ = Press{button, time, location, sendNow, false, count};
    return outputs;
}

ClickGuard::Outputs ClickGuard::buttonUp(Button button, double time, Point location)
{
    Outputs outputs;
    if (!press_ || press_->button != button) {
        return outputs;
    }
    Press press = *press_;
    press_.reset();
    finishPress(press, time, location, outputs);
    return outputs;
}

ClickGuard::MoveResult ClickGuard::moved(Point location, double time)
{
    if (!press_ || press_->clickCount == 0 || press_->dragging) {
        return {MoveDecision::pass, {}};
    }
    Press& press = *press_;
    if (press.location.distance(location) <= settings.dragThreshold) {
        return {MoveDecision::hold, {}};
    }
    if (press.sent) {
        press.dragging = true;
        return {MoveDecision::pass, {}};
    }
    if (time >= press.time + settings.minPress) {
        // The held-back press goes out where it was made, and the drag continues from there.
        press.sent = true;
        press.dragging = true;
        MoveResult result{MoveDecision::pass, {}};
        result.outputs.append(Output::down(press.button, press.location, press.clickCount));
        return result;
    }
    return {MoveDecision::hold, {}};
}

ClickGuard::Outputs ClickGuard::tick(double time)
{
    Outputs outputs;
    if (auto deadline = nextDeadline(); deadline && time >= *deadline) {
        press_->sent = true;
        outputs.append(Output::down(press_->button, press_->location, press_->clickCount));
    }
    return outputs;
}

std::optional<double> ClickGuard::nextDeadline() const
{
    if (!press_ || press_->sent || settings.maxPress) {
        return std::nullopt;
    }
    return press_->time + settings.minPress;
}

std::optional<Point> ClickGuard::holdLocation() const
{
    if (!press_ || press_->clickCount < 1 || press_->dragging) {
        return std::nullopt;
    }
    return press_->location;
}

void ClickGuard::finishPress(const Press& press, double time, Point location, Outputs& outputs)
{
    if (press.clickCount == 0) {
        return;
    }
    if (press.dragging) {
        // A drag ends where the pointer is, and is no click to count on or to repeat.
        lastClick_.reset();
        outputs.append(Output::up(press.button, location, press.clickCount));
        return;
    }
    bool tooLong = settings.maxPress && time > press.time + *settings.maxPress;
    LastClick click{press.button, press.time, time, press.location, press.clickCount};
    if (press.sent) {
        // The pointer was held at the press location, so the release belongs there too.
        outputs.append(Output::up(press.button, press.location, press.clickCount));
        if (!tooLong) {
            lastClick_ = click;
        }
        return;
    }
    bool tooShort = time < press.time + settings.minPress;
    if (tooShort || tooLong) {
        return;
    }
    lastClick_ = click;
    outputs.append(Output::down(press.button, press.location, press.clickCount));
    outputs.append(Output::up(press.button, press.location, press.clickCount));
}

bool ClickGuard::isRepeat(Button button, double time, Point location) const
{
    if (!lastClick_ || lastClick_->button != button || !settings.repeatWindow) {
        return false;
    }
    if (!(time < lastClick_->upTime + *settings.repeatWindow) || !samePlaceAsLastClick(location)) {
        return false;
    }
    // One repeat after a single click may be a deliberate double click.
    return !(settings.allowDoubleClick && lastClick_->clickCount == 1);
}

int ClickGuard::clickCount(Button button, double time, Point location) const
{
    if (lastClick_ && lastClick_->button == button && time < lastClick_->upTime + settings.doubleClickInterval
        && samePlaceAsLastClick(location)) {
        return lastClick_->clickCount + 1;
    }
    return 1;
}

bool ClickGuard::samePlaceAsLastClick(Point location) const
{
    return lastClick_->location.distance(location) <= settings.repeatRadius;
}

void to_json(nlohmann::json& json, const ClickGuard::Settings& settings)
{
    // Built aside and moved in at the end: a number that cannot be encoded leaves the target untouched (the
    // target may be a json still under construction, whose storage nothing would free).
    auto object = nlohmann::json::object();
    object["minPress"] = coding::encodable(settings.minPress, "minPress");
    if (settings.maxPress) {
        object["maxPress"] = coding::encodable(*settings.maxPress, "maxPress");
    }
    if (settings.repeatWindow) {
        object["repeatWindow"] = coding::encodable(*settings.repeatWindow, "repeatWindow");
    }
    object["repeatRadius"] = coding::encodable(settings.repeatRadius, "repeatRadius");
    object["allowDoubleClick"] = settings.allowDoubleClick;
    object["dragThreshold"] = coding::encodable(settings.dragThreshold, "dragThreshold");
    object["doubleClickInterval"] = coding::encodable(settings.doubleClickInterval, "doubleClickInterval");
    json = std::move(object);
}

void from_json(const nlohmann::json& json, ClickGuard::Settings& settings)
{
    settings = ClickGuard::Settings{
        .minPress = coding::decodeDouble(json, "minPress"),
        .maxPress = coding::decodeOptionalDouble(json, "maxPress"),
        .repeatWindow = coding::decodeOptionalDouble(json, "repeatWindow"),
        .repeatRadius = coding::decodeDouble(json, "repeatRadius"),
        .allowDoubleClick = coding::decodeBool(json, "allowDoubleClick"),
        .dragThreshold = coding::decodeDouble(json, "dragThreshold"),
        .doubleClickInterval = coding::decodeDouble(json, "doubleClickInterval"),
    };
}

void to_json(nlohmann::json& json, const ClickGuard::Button& button)
{
    json = ClickGuard::rawValue(button);
}

void from_json(const nlohmann::json& json, ClickGuard::Button& button)
{
    std::optional<ClickGuard::Button> decoded;
    if (json.is_number_integer()) {
        // Huge unsigned values wrap to negatives here, which are no button either.
        decoded = ClickGuard::fromRaw(json.get<std::int64_t>());
    } else if (json.is_number_float()) {
        double raw = json.get<double>();
        if (raw >= 0 && raw <= 2 && std::trunc(raw) == raw) {
            decoded = ClickGuard::fromRaw(static_cast<std::int64_t>(raw));
        }
    }
    if (!decoded) {
        throw DecodingError("a click-guard button must be the integer 0, 1 or 2");
    }
    button = *decoded;
}

} // namespace quellarine
