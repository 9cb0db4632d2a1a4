#pragma once

#include "Quellarine/Pages/Calibration/FilledPanel.h"

class QLabel;

namespace quellarine {

// One of the test's three parts on the intro: its symbol on a gradient tile, its name and what it asks for.
// Side by side with the others the tile stands above the texts; stacked, beside them.
class StepCard final : public FilledPanel {
    Q_OBJECT

public:
    static constexpr int tileSide = 42;
    static constexpr qreal tileRadius = 10;

    StepCard(const QString& title, const QString& detail, const QString& symbol, bool sideBySide,
             QWidget* parent = nullptr);

    QLabel& title() const { return *title_; }
    QLabel& detail() const { return *detail_; }

private:
    QLabel* title_;
    QLabel* detail_;
};

} // namespace quellarine
