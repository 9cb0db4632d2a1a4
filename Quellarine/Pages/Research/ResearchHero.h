#pragma once

#include "Quellarine/Pages/Research/Pill.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <functional>

class QGridLayout;

namespace quellarine {

class CountUp;

// The top of the research page: what the page is about and three headline figures that count up, in white on a
// dark green panel with a warm glow low on its leading side.
class ResearchHero : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 26;
    // The "Why it works" pill: a little roomier and brighter than the standard one, on the dark panel.
    static constexpr Pill::Look pillLook{.horizontalPadding = 11, .verticalPadding = 5, .washOpacity = 0.14};
    static constexpr qreal cornerRadius = 24;
    static constexpr qreal glowDiameter = 280;
    static constexpr qreal glowOpacity = 0.3;
    static constexpr qreal glowBlur = 80;
    // The glow's centre lies this far from the panel's centre towards the leading edge and down, so it warms the
    // lower leading part of the panel.
    static constexpr qreal glowOutward = 80;
    static constexpr qreal glowDown = 110;

    // The warm orange of the figures and the glow: the same in the light and the dark appearance.
    static QColor orange() { return QColor::fromRgbF(0.94f, 0.54f, 0.36f); }

    explicit ResearchHero(QWidget* parent = nullptr);

    Pill& pill() const { return *pill_; }
    QList<CountUp*> figures() const { return figures_; }
    // The glow's centre in this widget.
    QPointF glowCentre() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Adds a figure in the next column: its number over its caption.
    void addFigure(QGridLayout& grid, double value, double delay, const std::function<QString(double)>& format,
                   const QString& caption);

    Pill* pill_;
    QList<CountUp*> figures_;
};

} // namespace quellarine
