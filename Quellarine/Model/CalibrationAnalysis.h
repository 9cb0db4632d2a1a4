#pragma once

#include "QuellarineKit/Calibration/CalibrationRecording.h"
#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <functional>

namespace quellarine {

class ProfileStore;

// One finished test's analysis and the steadied replay of its follow path, worked out off the main thread.
// The result is stored in the profile whatever became of the page that asked; the page hears of it only while
// it still exists. The analysis belongs to the profile store, so it never outlives the store it writes to.
class CalibrationAnalysis final : public QObject {
    Q_OBJECT

public:
    struct Outcome {
        CalibrationResult result;
        std::vector<Point> raw;    // the follow path as recorded
        std::vector<Point> steady; // the same path through the suggested preset
    };

    using Delivery = std::function<void(const Outcome&)>;

    // Starts the work. `deliver` runs on the main thread after the result is stored, unless `receiver` is gone
    // by then.
    static void start(ProfileStore& profile, CalibrationRecording recording, QObject* receiver, Delivery deliver);

    // What the background work makes of a recording, with `now` (seconds since 2001-01-01 UTC) as its date.
    static Outcome run(const CalibrationRecording& recording, double now);

    // Seconds since 2001-01-01 UTC now.
    static double dateNow();

    ~CalibrationAnalysis() override;

private:
    CalibrationAnalysis(ProfileStore& profile, QObject* receiver, Delivery deliver);
    void handBack(const Outcome& outcome);

    ProfileStore& profile_;
    QPointer<QObject> receiver_;
    Delivery deliver_;
    QThreadPool work_;
};

} // namespace quellarine
