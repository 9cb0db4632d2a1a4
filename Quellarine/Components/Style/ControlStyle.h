#pragma once

#include "Quellarine/Components/Style/ScrollBarStyle.h"

namespace quellarine {

// The application's style for the controls it does not draw itself (push buttons, pop-up lists, framed text
// fields, including those of the desktop's dialogs): the drawn buttons' height, padding and corners, a quiet fill
// with a hairline edge, and the app's focus ring in place of the platform's focus frame.
class ControlStyle : public ScrollBarStyle {
    Q_OBJECT

public:
    explicit ControlStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    // The fill of a push button or a pop-up list in its state.
    static QColor fillColor(const QStyleOption& option);
    void drawBezel(const QStyleOption& option, QPainter& painter, const QColor& fill) const;
};

} // namespace quellarine
