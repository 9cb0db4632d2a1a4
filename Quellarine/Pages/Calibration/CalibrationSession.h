#pragma once

#include "QuellarineKit/Calibration/CalibrationProtocol.h"
#include "QuellarineKit/Calibration/CalibrationRecording.h"

#include <QObject>
#include <QSizeF>

#include <functional>
#include <optional>

namespace quellarine {

// The one-minute test as it runs, by the rules of CalibrationProtocol: which step it is in, the samples and clicks
// recorded so far, the hold and follow clocks, the press in progress and the target shown. Positions are in the stage's
// own points (origin at its top-left corner, y down); times come from one monotonic clock in seconds. Lives with the
// page and goes with it, so a recording never outlives the page.
class CalibrationSession : public QObject {
    Q_OBJECT

public:
    enum class Step { intro, hold, follow, clicks, working, done };

    struct Press {
        double time = 0;
        Point at;
    };

    // `clock` reads the monotonic clock in seconds.
    explicit CalibrationSession(std::function<double()> clock, QObject* parent = nullptr);

    // The monotonic clock of the test, in seconds.
    static double monotonicNow();

    Step step() const { return step_; }
    // Moves to a step; the hold step begins with the clock waiting for the pointer.
    void setStep(Step step);

    QSizeF area() const { return area_; }
    // The stage's size; kept while a test runs.
    void setArea(QSizeF area) { area_ = area; }

    const std::vector<CalibrationRecording::Sample>& hold() const { return hold_; }
    const std::vector<CalibrationRecording::Sample>& follow() const { return follow_; }
    const std::vector<CalibrationRecording::Click>& clicks() const { return clicks_; }
    const std::optional<double>& started() const { return started_; }
    const std::optional<Press>& press() const { return press_; }
    int target() const { return target_; }

    double now() const { return clock_(); }
    // Seconds since the current part's clock started; 0 while it waits.
    double elapsed() const;

    // Advances the part once its time is up.
    void tick(double now);
    // A pointer position over the stage: kept in the hold or follow part, dropped otherwise.
    void record(Point point);
    // A button went down: opens a press in the clicks part.
    void beginPress(Point point);
    // The button came up: records the click and judges it by where the press began.
    void endPress(Point point);

    // The moving dot after `t` seconds of the follow part.
    Point dotPosition(double t) const;
    Point targetPoint(int index) const;
    Point centre() const;

    // The recording so far, for a user of a trackpad or not.
    CalibrationRecording recording(bool trackpad) const;

    // Empties the recording and goes back to the intro.
    void reset();

signals:
    void stepChanged(Step step);
    void targetChanged(int target);
    // The tenth target was hit; the step is working.
    void finished();

private:
    Size stage() const { return {area_.width(), area_.height()}; }

    std::function<double()> clock_;
    Step step_ = Step::intro;
    QSizeF area_{596, 380};
    std::vector<CalibrationRecording::Sample> hold_;
    std::vector<CalibrationRecording::Sample> follow_;
    std::vector<CalibrationRecording::Click> clicks_;
    std::optional<double> started_;
    std::optional<Press> press_;
    int target_ = 0;
};

} // namespace quellarine
