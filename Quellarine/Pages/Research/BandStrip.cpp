#include "Quellarine/Pages/Research/BandStrip.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quellarine {

namespace {

// The numbers are set two sizes below the labels.
constexpr double numberToLabelSize = 10.0 / 12.0;
// The space kept between the track and the numbers' top, and below the numbers.
constexpr int numbersGap = 6;
constexpr int bottomGap = 2;

} // namespace

BandStrip::BandStrip(double top, std::vector<Band> bands, QWidget* parent)
    : QWidget(parent)
    , top_(top)
    , bands_(std::move(bands))
{
    setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::DemiBold));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

std::vector<int> BandStrip::numbers()
{
    return {0, 2, 4, 6, 8, 10, 12, 14};
}

QRectF BandStrip::bandSpan(double lo, double hi, double width, double top, double trackHeight)
{
    const double x = width * lo / top;
    return QRectF(x, 0, std::max(0.0, width * hi / top - x), trackHeight);
}

double BandStrip::numberCentre(double value, double width, double top)
{
    return std::min(std::max(width * value / top, edgeInset), width - edgeInset);
}

QFont BandStrip::numberFont() const
{
    return Typography::system(font().pixelSize() * numberToLabelSize);
}

QFont BandStrip::labelFont(const QString& label, double bandWidth) const
{
    QFont labelFont = font();
    const double natural = QFontMetricsF(labelFont).horizontalAdvance(label);
    const double room = bandWidth - 2 * labelPadding;
    if (natural > room && natural > 0) {
        const double scale = std::max(smallestLabelScale, room / natural);
        labelFont.setPixelSize(std::max(1, static_cast<int>(std::floor(font().pixelSize() * scale))));
    }
    return labelFont;
}

QRectF BandStrip::labelBox(const QString& label, double bandWidth) const
{
    const double room = std::max(1.0, bandWidth - 2 * labelPadding);
    return QFontMetricsF(labelFont(label, bandWidth))
        .boundingRect(QRectF(0, 0, room, 1e6), Qt::AlignHCenter | Qt::TextWordWrap, label);
}

int BandStrip::drawnTrackHeight(int width) const
{
    double text = QFontMetricsF(font()).height();
    for (const Band& band : bands_) {
        text = std::max(text, labelBox(band.label, bandSpan(band.lo, band.hi, width, top_, 0).width()).height());
    }
    return std::max(standardTrackHeight, static_cast<int>(std::ceil(text)) + 2 * labelPadding);
}

int BandStrip::drawnNumbersCentre(int width) const
{
    const double numberHeight = QFontMetricsF(numberFont()).height();
    const int track = drawnTrackHeight(width);
    return std::max(track + (standardNumbersCentre - standardTrackHeight),
                    track + numbersGap + static_cast<int>(std::ceil(numberHeight / 2)));
}

int BandStrip::heightForWidth(int width) const
{
    const double numberHeight = QFontMetricsF(numberFont()).height();
    const int needed = drawnNumbersCentre(width) + static_cast<int>(std::ceil(numberHeight / 2)) + bottomGap;
    return std::max(standardHeight, needed);
}

QSize BandStrip::sizeHint() const
{
    return QSize(280, heightForWidth(280));
}

QSize BandStrip::minimumSizeHint() const
{
    return QSize(0, heightForWidth(std::max(width(), 1)));
}

void BandStrip::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = this->width();
    const int track = drawnTrackHeight();
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    // From the leading edge, which is the right one in a right-to-left layout.
    const auto placed = [&](QRectF span) {
        if (rightToLeft) {
            span.moveLeft(width - span.right());
        }
        return span;
    };

    const QColor text = palette().color(QPalette::WindowText);
    ContinuousShape::drawCapsule(painter, QRectF(0, 0, width, track), withOpacity(text, 0.06));

    for (const Band& band : bands_) {
        const QRectF span = placed(bandSpan(band.lo, band.hi, width, top_, track));
        if (span.width() <= 0) {
            continue;
        }
        const QColor color = band.color.resolve(*this);
        // The colour's own gradient: a touch lighter at the top.
        QLinearGradient gradient(span.topLeft(), span.bottomLeft());
        gradient.setColorAt(0, color.lighter(112));
        gradient.setColorAt(1, color);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
        painter.drawPath(ContinuousShape::capsule(span));

        painter.setPen(Qt::white);
        painter.setFont(labelFont(band.label, span.width()));
        painter.drawText(span.adjusted(labelPadding, 0, -labelPadding, 0), Qt::AlignCenter | Qt::TextWordWrap,
                         band.label);
    }

    painter.setFont(numberFont());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    for (const int value : numbers()) {
        painter.drawText(placed(numberRect(value)), Qt::AlignCenter, QString::number(value));
    }
}

QRectF BandStrip::numberRect(int value) const
{
    const QFontMetricsF metrics(numberFont());
    const double textWidth = metrics.horizontalAdvance(QString::number(value));
    const double centre = numberCentre(value, width(), top_);
    const double left = std::min(std::max(centre - textWidth / 2, 0.0), width() - textWidth);
    // A point to spare on either side, so that no glyph is cut at its edge.
    return QRectF(left - 1, drawnNumbersCentre() - metrics.height() / 2, textWidth + 2, metrics.height());
}

void BandStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Narrower bands may wrap their labels onto more lines.
    if (heightForWidth(width()) != height()) {
        updateGeometry();
    }
}

void BandStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
