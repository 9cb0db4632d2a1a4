#pragma once

#include "Quellarine/DynamicColor.h"

#include <QAbstractButton>

class QVariantAnimation;

namespace quellarine {

// A switch-style toggle: its label, then a capsule track with a round knob that slides to the trailing end
// when on. On, the track takes the window's tint; off, it is a faint grey. The knob slides in 0.15 s, or jumps
// while motion is reduced. Clicking anywhere on it, or Space while it has the focus, flips it.
class Switch : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr QSize trackSize{36, 20};
    static constexpr int knobInset = 2;
    static constexpr int labelSpacing = 10;
    // Room around the track for the focus ring.
    static constexpr int focusMargin = 3;

    Switch(const QString& label, DynamicColor tint, QWidget* parent = nullptr);

    // Where the knob is drawn, from 0 (off) to 1 (on).
    qreal knobPosition() const { return knob_; }
    QRect trackRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& position) const override;
    // Called for every change of the checked state, also while the button's signals are blocked.
    void checkStateSet() override;

private:

    DynamicColor tint_;
    qreal knob_ = 0;
    QVariantAnimation* animation_;
};

} // namespace quellarine
