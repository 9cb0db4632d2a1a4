#pragma once

#include "Quellarine/Pages/Calibration/FilledPanel.h"
#include "QuellarineKit/Calibration/CalibrationResult.h"

class QLabel;
class QPushButton;

namespace quellarine {

class AppModel;
class SymbolLabel;

// The last stored result on the intro: its date and suggestion, and either "In use" or a button that puts the
// suggested preset in force and turns the click guard on when the result advises it. It never turns the guard
// off and leaves smoothing as it is.
class LastResultCard final : public FilledPanel {
    Q_OBJECT

public:
    LastResultCard(AppModel& model, CalibrationResult result, QWidget* parent = nullptr);

    // The suggestion is in force: its preset chosen, and the guard on if it was advised.
    static bool inUse(const AppModel& model, const CalibrationResult& result);
    static void useLastResult(AppModel& model, const CalibrationResult& result);

    QLabel& line() const { return *line_; }
    QLabel* clickGuard() const { return clickGuard_; }
    SymbolLabel& inUseLabel() const { return *inUse_; }
    QPushButton& useButton() const { return *use_; }

signals:
    // The button went away while it had the keyboard (the suggestion came into use): the page says where the
    // keyboard goes next.
    void focusReleased();

private:
    void refresh();

    AppModel& model_;
    CalibrationResult result_;
    QLabel* line_;
    QLabel* clickGuard_ = nullptr;
    SymbolLabel* inUse_;
    QPushButton* use_;
};

} // namespace quellarine
