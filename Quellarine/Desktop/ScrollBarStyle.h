#pragma once

#include <QProxyStyle>

namespace quellarine {

// The application's style: Fusion, with scroll bars whose thumb reads against the window (at least 3:1) as a
// capsule in the secondary text colour on a faint track, where Fusion's own thumb barely differs from its groove.
class ScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ScrollBarStyle(QStyle* base);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace quellarine
