#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

#include <functional>

namespace quellarine {

class CountUp;

// The top of the research page: what the page is about and three headline figures that count up, in white on a
// dark green panel with a warm glow in its bottom-leading corner.
class ResearchHero : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 26;
    static constexpr qreal cornerRadius = 24;
    static constexpr qreal glowDiameter = 280;
    static constexpr qreal glowOpacity = 0.3;
    static constexpr qreal glowBlur = 80;
    // The glow sits in the bottom-leading corner, moved this far past the leading edge and down, so only its
    // upper part shines in.
    static constexpr qreal glowOutward = 80;
    static constexpr qreal glowDown = 110;

    // The warm orange of the figures and the glow: the same in the light and the dark appearance.
    static QColor orange() { return QColor::fromRgbF(0.94f, 0.54f, 0.36f); }

    explicit ResearchHero(QWidget* parent = nullptr);

    QList<CountUp*> figures() const { return figures_; }
    // The glow's centre in this widget.
    QPointF glowCentre() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* figure(double value, double delay, const std::function<QString(double)>& format, const QString& caption);

    QList<CountUp*> figures_;
};

} // namespace quellarine
