#pragma once

#include "Quellarine/Components/Spring.h"

#include <QObject>

class QAbstractAnimation;
class QSequentialAnimationGroup;
class QVariantAnimation;
class QWidget;

namespace quellarine {

// The one-time growth of a chart's bars: when the chart is first shown it counts as grown, and after its delay
// the drawn progress follows the spring from 0 towards 1 (overshooting a little when the spring is
// underdamped). It runs whatever the motion setting: the bars are the chart's content, not an entrance.
class Growth : public QObject {
    Q_OBJECT

public:
    // Watches `chart` for its first appearance; owned by it.
    Growth(QWidget& chart, double delay, Spring spring);

    double delay() const { return delay_; }
    const Spring& spring() const { return spring_; }
    // Set once, on first appearance, and never reset.
    bool grown() const { return grown_; }
    // The progress drawn now: 0 until the delay has passed, 1 once the spring has settled.
    double progress() const;

    // The delay and the spring, one after the other.
    QAbstractAnimation& animation() const;

signals:
    void progressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double delay_;
    Spring spring_;
    bool grown_ = false;
    QSequentialAnimationGroup* sequence_;
    QVariantAnimation* motion_;
};

} // namespace quellarine
