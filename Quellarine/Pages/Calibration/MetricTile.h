#pragma once

#include "Quellarine/Pages/Calibration/FilledPanel.h"

class QLabel;

namespace quellarine {

// One measured value of a result: the number in the warm colour, on one line and shrinking to 70 % of its size
// before it wraps onto another line (it is never cut), over what it measures.
class MetricTile final : public FilledPanel {
    Q_OBJECT

public:
    static constexpr qreal valueSize = 22;
    static constexpr qreal smallestScale = 0.7;

    MetricTile(const QString& value, const QString& label, QWidget* parent = nullptr);

    QLabel& value() const { return *value_; }
    QLabel& label() const { return *label_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitValue();

    QLabel* value_;
    QLabel* label_;
};

} // namespace quellarine
