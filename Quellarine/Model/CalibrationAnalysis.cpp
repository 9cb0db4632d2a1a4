#include "Quellarine/Model/CalibrationAnalysis.h"

#include "Quellarine/Model/ProfileStore.h"
#include "QuellarineKit/Calibration/Calibration.h"
#include "QuellarineKit/Calibration/FilterEvaluation.h"

#include <QDateTime>

namespace quellarine {

namespace {

// 2001-01-01 00:00:00 UTC in seconds since 1970.
constexpr qint64 referenceEpoch = 978'307'200;

} // namespace

CalibrationAnalysis::CalibrationAnalysis(ProfileStore& profile, QObject* receiver, Delivery deliver)
    : QObject(&profile)
    , profile_(profile)
    , receiver_(receiver)
    , deliver_(std::move(deliver))
{
    work_.setMaxThreadCount(1);
}

CalibrationAnalysis::~CalibrationAnalysis()
{
    // The work hands back to this object: it must be over before the object goes.
    work_.waitForDone();
}

void CalibrationAnalysis::start(ProfileStore& profile, CalibrationRecording recording, QObject* receiver,
                                Delivery deliver)
{
    auto* analysis = new CalibrationAnalysis(profile, receiver, std::move(deliver));
    analysis->work_.start([analysis, recording = std::move(recording)] {
        Outcome outcome = run(recording, dateNow());
        QMetaObject::invokeMethod(
            analysis, [analysis, outcome = std::move(outcome)] { analysis->handBack(outcome); }, Qt::QueuedConnection);
    });
}

CalibrationAnalysis::Outcome CalibrationAnalysis::run(const CalibrationRecording& recording, double now)
{
    Outcome outcome;
    outcome.result = Calibration::analyze(recording, now);
    const FilterPreset preset = FilterPreset::builtIn(outcome.result.suggested).value_or(FilterPreset::balanced());
    PointerTrace trace;
    for (const CalibrationRecording::Sample& sample : recording.follow) {
        trace.times.push_back(sample.time);
        trace.points.push_back(sample.point);
    }
    outcome.steady = FilterEvaluation::run(preset.parameters, trace);
    outcome.raw = std::move(trace.points);
    return outcome;
}

double CalibrationAnalysis::dateNow()
{
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0 - static_cast<double>(referenceEpoch);
}

void CalibrationAnalysis::handBack(const Outcome& outcome)
{
    profile_.setCalibration(outcome.result);
    if (receiver_) {
        deliver_(outcome);
    }
    // Not deleted at once: this runs from the work's hand-back, and the pool is waited for on the way out.
    deleteLater();
}

} // namespace quellarine
