#pragma once

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace quellarine {

// How one candidate preset did on the user's movement: its name, a bar of the shake it takes out, that share
// as a percentage and the delay it adds. Side by side when wide; the bar under the texts when narrow.
class ScoreRow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int barHeight = 10;
    static constexpr qreal shortestBar = 6;
    // The wide table's columns at their narrowest; longer texts widen them.
    static constexpr int nameColumn = 140;
    static constexpr int shareColumn = 120;
    static constexpr int delayColumn = 60;

    ScoreRow(const CalibrationResult::PresetScore& score, bool suggested, bool wide, QWidget* parent = nullptr);

    // Gives the wide rows' texts common columns, each as wide as its longest text needs.
    static void alignColumns(const std::vector<ScoreRow*>& rows);

    // "28% less shake": the share of the shake the preset takes out, never below none.
    static QString shareText(double left);
    // The delay in whole milliseconds, the same in every language.
    static QString delayText(double lagMs);
    // How much of `available` the bar fills.
    static qreal barWidth(double left, qreal available);

    QLabel& name() const { return *name_; }
    QLabel& share() const { return *share_; }
    QLabel& delay() const { return *delay_; }
    QWidget& bar() const { return *bar_; }

private:
    QLabel* name_;
    QLabel* share_;
    QLabel* delay_;
    QWidget* bar_;
};

} // namespace quellarine
