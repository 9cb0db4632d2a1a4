#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QPushButton>

namespace quellarine {

// A prominent push button of the large control size: its title on a rounded fill of the window's tint, in the
// appearance's own value of that colour. The title is drawn in whichever of white and a deep ink reads better
// on the fill. Hovered it brightens, pressed it darkens, disabled it fades; keyboard focus draws a ring
// just inside its edge, so the button lines up with the text around it. A symbol, when it has one, stands before
// the title in the title's colour.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    static constexpr int height = 32;
    static constexpr int horizontalPadding = 16;
    static constexpr qreal cornerRadius = 8;

    explicit ProminentButton(const QString& title, DynamicColor tint, QWidget* parent = nullptr);

    DynamicColor tint() const { return tint_; }
    const QString& symbol() const { return symbol_; }
    // A symbol name ("paperplane.fill"); empty for none.
    void setSymbol(const QString& symbol);
    QColor fillColor() const;
    QColor titleColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    qreal symbolSide() const;

    DynamicColor tint_;
    QString symbol_;
};

} // namespace quellarine
