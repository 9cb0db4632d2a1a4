#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

namespace quellarine {

// A number line of how many times a second something moves, from 0 to `top`, with two labelled bands on a
// faint track and the even numbers to 14 under it. Everything scales with the width it is given; the track grows
// with the text when the text is larger, and when a band is too narrow for its label on one line.
class BandStrip : public QWidget {
    Q_OBJECT

public:
    struct Band {
        double lo;
        double hi;
        QString label;
        DynamicColor color;
    };

    // The strip's height, the track's and where the numbers sit, at the standard text size.
    static constexpr int standardHeight = 64;
    static constexpr int standardTrackHeight = 44;
    static constexpr int standardNumbersCentre = 56;
    // Numbers near an edge stay this far inside it.
    static constexpr double edgeInset = 6;
    static constexpr int labelPadding = 8;
    // Labels that do not fit shrink to this share of their size before they wrap.
    static constexpr double smallestLabelScale = 0.6;

    BandStrip(double top, std::vector<Band> bands, QWidget* parent = nullptr);

    double top() const { return top_; }
    const std::vector<Band>& bands() const { return bands_; }
    // The numbers under the track, 0 to 14 by twos, whatever `top` is: numbers past it sit at the far end.
    static std::vector<int> numbers();

    // Where a band lies in a strip `width` wide, from the leading edge.
    static QRectF bandSpan(double lo, double hi, double width, double top, double trackHeight);
    // The centre of a number under the track, from the leading edge.
    static double numberCentre(double value, double width, double top);

    // The font a band's label is drawn in, and the box its lines take (wrapped when even the smallest font
    // leaves it too wide for one line), for a band `bandWidth` wide.
    QFont labelFont(const QString& label, double bandWidth) const;
    QRectF labelBox(const QString& label, double bandWidth) const;
    QFont numberFont() const;
    // Where a number's text is drawn, from the leading edge: centred as numberCentre() says, but moved in as far
    // as it takes to keep a number wider than twice the inset whole, as larger text makes it.
    QRectF numberRect(int value) const;

    // The track's height and the numbers' centre as drawn at the strip's width (or `width`): the standard ones,
    // or more for larger text and wrapped labels.
    int drawnTrackHeight() const { return drawnTrackHeight(width()); }
    int drawnTrackHeight(int width) const;
    int drawnNumbersCentre() const { return drawnNumbersCentre(width()); }
    int drawnNumbersCentre(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double top_;
    std::vector<Band> bands_;
};

} // namespace quellarine
