#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include "Quellarine/Components/DrawnButton.h"

class QVariantAnimation;

namespace quellarine {

// An on/off switch: a capsule track whose knob slides to the trailing end when on, optionally after a label.
// It tells its owner of a change only when the user flips it (a click, the space key, or assistive technology
// pressing it): values pushed in from the model with `setOn` are shown silently, so a model value never echoes
// back into the model as if the user had chosen it.
class ToggleSwitch : public DrawnButton {
    Q_OBJECT

public:
    enum class ControlSize { regular, large };
    enum class Label { hidden, shown };

    // `name` labels the switch for assistive technology; with `Label::shown` it also stands before the track.
    explicit ToggleSwitch(const QString& name, ControlSize size = ControlSize::regular, QWidget* parent = nullptr);
    ToggleSwitch(const QString& name, Label label, ControlSize size = ControlSize::regular, QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    // Shows the value without emitting `switched`.
    void setOn(bool on);

    // The colour of the track while on, resolved when drawn, at the given opacity.
    void setTint(const DynamicColor& color, qreal opacity = 1.0);
    QColor tint() const;

    // The size of the switch's track.
    QSize trackSize() const;
    QRectF trackRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // The user flipped the switch to `on`.
    void switched(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void moveKnob(bool animated);

    ControlSize size_;
    bool labelShown_;
    DynamicColor tint_;
    qreal tintOpacity_ = 1.0;
    // Where the knob is: 0 off, 1 on.
    qreal position_ = 0.0;
    QVariantAnimation* knob_;
};

} // namespace quellarine
