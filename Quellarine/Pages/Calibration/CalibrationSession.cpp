#include "Quellarine/Pages/Calibration/CalibrationSession.h"

#include <chrono>

namespace quellarine {

CalibrationSession::CalibrationSession(std::function<double()> clock, QObject* parent)
    : QObject(parent)
    , clock_(std::move(clock))
{
}

double CalibrationSession::monotonicNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void CalibrationSession::setStep(Step step)
{
    if (step_ == step) {
        return;
    }
    step_ = step;
    emit stepChanged(step);
}

double CalibrationSession::elapsed() const
{
    return started_ ? clock_() - *started_ : 0.0;
}

void CalibrationSession::tick(double now)
{
    if (!started_) {
        return; // the hold part waits for the pointer to reach the dot
    }
    const double elapsed = now - *started_;
    if (step_ == Step::hold && elapsed >= CalibrationProtocol::holdSeconds) {
        started_ = now;
        setStep(Step::follow);
    } else if (step_ == Step::follow && elapsed >= CalibrationProtocol::followSeconds) {
        started_ = now;
        setStep(Step::clicks);
    }
}

void CalibrationSession::record(Point point)
{
    const double now = clock_();
    std::vector<CalibrationRecording::Sample>* samples = nullptr;
    if (step_ == Step::follow) {
        samples = &follow_;
    } else if (step_ == Step::hold) {
        if (!started_ && CalibrationProtocol::startsHold(point, stage())) {
            started_ = now;
        }
        samples = &hold_;
    }
    if (samples != nullptr && started_) {
        samples->push_back({.time = now - *started_, .point = point});
    }
}

void CalibrationSession::beginPress(Point point)
{
    // Only a button going down during the clicks part opens a press: a drag still held from the follow part
    // would otherwise count as a click where it began, on a target the user never pressed.
    if (step_ == Step::clicks) {
        press_ = Press{.time = clock_(), .at = point};
    }
}

void CalibrationSession::endPress(Point point)
{
    if (step_ == Step::clicks && press_ && target_ < CalibrationProtocol::targetCount) {
        const bool hit = CalibrationProtocol::hits(press_->at, target_, stage());
        clicks_.push_back({.down = press_->time, .up = clock_(), .downAt = press_->at, .upAt = point, .hit = hit});
        if (hit) {
            ++target_;
            emit targetChanged(target_);
        }
        if (target_ >= CalibrationProtocol::targetCount) {
            press_.reset();
            setStep(Step::working);
            emit finished();
            return;
        }
    }
    press_.reset();
}

Point CalibrationSession::dotPosition(double t) const
{
    return CalibrationProtocol::dotPosition(t, stage());
}

Point CalibrationSession::targetPoint(int index) const
{
    return CalibrationProtocol::target(index, stage());
}

Point CalibrationSession::centre() const
{
    return CalibrationProtocol::centre(stage());
}

CalibrationRecording CalibrationSession::recording(bool trackpad) const
{
    return CalibrationRecording{.hold = hold_, .follow = follow_, .clicks = clicks_, .trackpad = trackpad};
}

void CalibrationSession::reset()
{
    hold_.clear();
    follow_.clear();
    clicks_.clear();
    started_.reset();
    press_.reset();
    if (target_ != 0) {
        target_ = 0;
        emit targetChanged(0);
    }
    setStep(Step::intro);
}

} // namespace quellarine
