#pragma once

#include <QWidget>

class QVariantAnimation;

namespace quellarine {

// Whether smoothing works, as a dot: white and pulsing while on, a faint grey while off. The pulse is a white
// halo that swells to 2.2 times the dot and fades, then comes back, each way an ease-out of 1.6 s; it only
// runs while motion is not reduced and the dot's window is the active one.
class StatusDot : public QWidget {
    Q_OBJECT

public:
    // The dot sits centred in a 14-pixel square; the widget is larger by `overflow` on every side, so the
    // swelling halo is not cut off. Layouts place it with that in mind.
    static constexpr int frame = 14;
    static constexpr int overflow = 3;
    static constexpr qreal diameter = 9;
    static constexpr qreal haloScale = 2.2;
    static constexpr int phaseMilliseconds = 1600;

    explicit StatusDot(bool on = false, QWidget* parent = nullptr);

    bool isOn() const { return on_; }
    void setOn(bool on);

    // Whether the halo is pulsing now.
    bool pulses() const;
    // The halo as now drawn: its scale and opacity (0 when there is none).
    qreal haloScaleNow() const;
    qreal haloOpacityNow() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // 0 is the phase "false" (the halo as large as the dot, 0.8 opaque), 1 the phase "true" (2.2 times, gone).
    qreal phase() const;
    void refreshPulse();

    bool on_;
    QVariantAnimation* pulse_;
};

} // namespace quellarine
