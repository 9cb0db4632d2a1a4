#pragma once

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace quellarine {

class AppModel;
class CalibrationTrace;
class ExplainCard;
class MetricTile;
class ScoreRow;

// What a finished test found: the suggested preset beside the user's path and its steadied replay, the four
// measures, how each candidate did, the explanation card, and the choice between keeping the settings and
// using the suggested ones. Wide from `wideFrom` points of page width, else narrow.
class CalibrationResultPage final : public QWidget {
    Q_OBJECT

public:
    struct Replay {
        std::vector<Point> raw;
        std::vector<Point> steady;
    };

    static constexpr int wideFrom = 560;
    static constexpr int shownScores = 4;

    CalibrationResultPage(AppModel& model, CalibrationResult result, std::optional<Replay> replay, bool wide,
                          QWidget* parent = nullptr);

    // "6 times a second": the rhythm to the nearest whole number, halves away from zero.
    static QString rhythmText(double rhythm);
    // A length in points as millimetres on this screen, with one decimal.
    static QString millimetres(double points, double mmPerPoint);
    // Puts the result into use: its preset, the click guard exactly as it advises, smoothing on.
    static void useSettings(AppModel& model, const CalibrationResult& result);

    const CalibrationResult& result() const { return result_; }
    bool wide() const { return wide_; }
    const std::vector<MetricTile*>& tiles() const { return tiles_; }
    const std::vector<ScoreRow*>& scoreRows() const { return scoreRows_; }
    CalibrationTrace* trace() const { return trace_; }
    QLabel& suggestedName() const { return *suggestedName_; }
    QWidget* clickGuardLabel() const { return clickGuardLabel_; }
    ExplainCard& explainCard() const { return *explainCard_; }
    QPushButton& keepButton() const { return *keep_; }
    QPushButton& useButton() const { return *use_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // Either button was pressed; the page is done with.
    void closed();

private:
    QWidget* buildSuggestion(const std::optional<Replay>& replay);
    QWidget* buildTiles();
    QWidget* buildScores();
    QWidget* buildBottom();

    AppModel& model_;
    CalibrationResult result_;
    bool wide_;
    std::vector<MetricTile*> tiles_;
    std::vector<ScoreRow*> scoreRows_;
    CalibrationTrace* trace_ = nullptr;
    QLabel* suggestedName_ = nullptr;
    QWidget* clickGuardLabel_ = nullptr;
    ExplainCard* explainCard_ = nullptr;
    QPushButton* keep_ = nullptr;
    QPushButton* use_ = nullptr;
};

} // namespace quellarine
