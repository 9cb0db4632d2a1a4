#pragma once

#include "Quellarine/Components/Spring.h"

#include <QLabel>

#include <functional>

class QAbstractAnimation;
class QSequentialAnimationGroup;
class QVariantAnimation;

namespace quellarine {

// A number that counts up from 0 to its value when it is first shown, after its delay, on a spring without
// overshoot. Assistive technology always reads the final value, never the numbers passed on the way.
class CountUp : public QLabel {
    Q_OBJECT

public:
    using Format = std::function<QString(double)>;
    static constexpr Spring spring{.response = 1.1};

    CountUp(double value, double delay, Format format, QWidget* parent = nullptr);

    double value() const { return value_; }
    double delay() const { return delay_; }
    // The value now displayed.
    double shown() const { return shown_; }

    // The delay and the spring, one after the other; runs once the number is shown.
    QAbstractAnimation& animation() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void display(double value);

    double value_;
    double delay_;
    Format format_;
    double shown_ = 0.0;
    bool started_ = false;
    QSequentialAnimationGroup* sequence_;
    QVariantAnimation* motion_;
};

} // namespace quellarine
