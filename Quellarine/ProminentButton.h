#pragma once

#include "Quellarine/DynamicColor.h"

#include <QPushButton>

namespace quellarine {

// The filled button of an action the user is invited to take ("Allow Accessibility…", "Update…"): its label
// on a rounded fill of the tint colour, in white or, on a light tint, in a dark ink so it stays readable.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    enum class ControlSize { regular, large };

    ProminentButton(const QString& text, const DynamicColor& tint, ControlSize size = ControlSize::large,
                    QWidget* parent = nullptr);

    // Extra room left and right of the label.
    void setExtraPadding(int padding);

    QColor fill() const;
    // The label's colour on the fill.
    QColor ink() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    DynamicColor tint_;
    ControlSize size_;
    int extraPadding_ = 0;
    bool keyboardFocus_ = false;
};

} // namespace quellarine
