#include "Quellarine/Pages/Research/LagBars.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/Growth.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quellarine {

namespace {

int textWidth(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

} // namespace

LagBars::LagBars(std::vector<Row> rows, const Growth& growth, QWidget* parent)
    : QWidget(parent)
    , rows_(std::move(rows))
    , growth_(growth)
{
    setFont(Typography::font(Typography::TextStyle::callout));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&growth_, &Growth::progressed, this, qOverload<>(&QWidget::update));
}

double LagBars::share(double progress)
{
    return startingShare + (1.0 - startingShare) * progress;
}

double LagBars::barLength(double time, double width, double share)
{
    return std::max(0.0, width * time / longestTime * share);
}

QString LagBars::wholeNumber(long long value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value);
}

QString LagBars::milliseconds(long long value)
{
    return tr("%1 ms").arg(wholeNumber(value));
}

QFont LagBars::balancedFont() const
{
    return Typography::system(font().pixelSize() * Typography::pixelSize(Typography::TextStyle::caption)
                                  / Typography::pixelSize(Typography::TextStyle::callout),
                              QFont::Bold);
}

int LagBars::drawnLagColumn() const
{
    int widest = lagColumn;
    for (const Row& row : rows_) {
        widest = std::max(widest, textWidth(font(), milliseconds(row.lag)));
    }
    return widest;
}

int LagBars::drawnTimeColumn() const
{
    int widest = timeColumn;
    for (const Row& row : rows_) {
        widest = std::max(widest, textWidth(font(), milliseconds(static_cast<long long>(row.time))));
    }
    return widest;
}

int LagBars::drawnBarHeight() const
{
    // Room for the preset's name inside the bar.
    return std::max(barHeight, static_cast<int>(std::ceil(QFontMetricsF(balancedFont()).height())) + 4);
}

int LagBars::rowHeight() const
{
    return std::max(drawnBarHeight(), static_cast<int>(std::ceil(QFontMetricsF(font()).height())));
}

QRectF LagBars::barRect(int index) const
{
    const Row& row = rows_.at(static_cast<std::size_t>(index));
    const int columnWidth = std::max(0, width() - drawnLagColumn() - drawnTimeColumn() - 2 * columnSpacing);
    const double length = barLength(row.time, columnWidth, share(growth_.progress()));
    const int rowTop = index * (rowHeight() + rowSpacing);
    const int barTop = rowTop + (rowHeight() - drawnBarHeight()) / 2;
    QRectF bar(drawnLagColumn() + columnSpacing, barTop, length, drawnBarHeight());
    if (layoutDirection() == Qt::RightToLeft) {
        bar.moveLeft(width() - bar.right());
    }
    return bar;
}

QSize LagBars::sizeHint() const
{
    const int count = static_cast<int>(rows_.size());
    const int height = count == 0 ? 0 : count * rowHeight() + (count - 1) * rowSpacing;
    return QSize(drawnLagColumn() + drawnTimeColumn() + 2 * columnSpacing + 200, height);
}

QSize LagBars::minimumSizeHint() const
{
    return QSize(drawnLagColumn() + drawnTimeColumn() + 2 * columnSpacing, sizeHint().height());
}

void LagBars::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const auto placed = [&](QRectF rect) {
        if (rightToLeft) {
            rect.moveLeft(width() - rect.right());
        }
        return rect;
    };
    const QColor text = palette().color(QPalette::WindowText);
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    // Texts are placed by the layout's direction, not by their own script.
    const Qt::Alignment leading = Qt::AlignAbsolute | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    const Qt::Alignment trailing = Qt::AlignAbsolute | (rightToLeft ? Qt::AlignLeft : Qt::AlignRight);
    const int lagWidth = drawnLagColumn();
    const int timeWidth = drawnTimeColumn();

    for (int index = 0; index < static_cast<int>(rows_.size()); ++index) {
        const Row& row = rows_[static_cast<std::size_t>(index)];
        const int rowTop = index * (rowHeight() + rowSpacing);

        painter.setFont(font());
        painter.setPen(text);
        painter.drawText(placed(QRectF(0, rowTop, lagWidth, rowHeight())), Qt::AlignVCenter | trailing,
                         milliseconds(row.lag));
        painter.drawText(placed(QRectF(width() - timeWidth, rowTop, timeWidth, rowHeight())),
                         Qt::AlignVCenter | leading, milliseconds(static_cast<long long>(row.time)));

        const QRectF bar = barRect(index);
        if (bar.width() <= 0) {
            continue;
        }
        const QPainterPath shape = ContinuousShape::roundedRect(bar, barRadius);
        painter.setPen(Qt::NoPen);
        if (row.lag == balancedLag) {
            painter.setBrush(Brand::gradient(bar, *this));
        } else if (row.lag < balancedLag) {
            painter.setBrush(withOpacity(secondary, 0.35));
        } else {
            painter.setBrush(withOpacity(Brand::warm.resolve(*this), 0.75));
        }
        painter.drawPath(shape);

        if (row.lag == balancedLag) {
            painter.save();
            painter.setFont(balancedFont());
            const QString label = tr("Balanced");
            const qreal needed = QFontMetricsF(balancedFont()).horizontalAdvance(label) + 2 * balancedInset;
            if (needed <= bar.width()) {
                painter.setClipPath(shape);
                painter.setPen(Qt::white);
                const QRectF inside
                    = bar.adjusted(rightToLeft ? 0 : balancedInset, 0, rightToLeft ? -balancedInset : 0, 0);
                painter.drawText(inside, Qt::AlignVCenter | leading | Qt::TextSingleLine, label);
            } else {
                // A bar too short for its name (a narrow window, a long translation): the name follows the bar.
                painter.setPen(palette().color(QPalette::WindowText));
                const QRectF after = rightToLeft ? QRectF(bar.left() - needed, bar.top(), needed, bar.height())
                                                 : QRectF(bar.right(), bar.top(), needed, bar.height());
                painter.drawText(after.adjusted(balancedInset, 0, -balancedInset, 0),
                                 Qt::AlignVCenter | leading | Qt::TextSingleLine, label);
            }
            painter.restore();
        }
    }
}

void LagBars::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
