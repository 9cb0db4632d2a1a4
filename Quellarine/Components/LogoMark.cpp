#include "Quellarine/Components/LogoMark.h"

#include "Quellarine/Components/Style/Images.h"

#include <QPainter>

namespace quellarine {

namespace {

QPixmap whiteMark(const QSizeF& size, qreal ratio)
{
    QPixmap mark = Images::pixmap(QStringLiteral("LogoMark"), size, ratio);
    QPainter tint(&mark);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(mark.rect(), Qt::white);
    tint.end();
    return mark;
}

} // namespace

LogoMark::LogoMark(int side, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(side, side);
}

void LogoMark::setOnness(qreal onness)
{
    onness_ = onness;
    update();
}

void LogoMark::paint(QPainter& painter, const QRectF& rect, qreal onness, qreal opacity, qreal devicePixelRatio)
{
    const qreal base = painter.opacity();
    if (onness < 1) {
        const QPixmap mark = Images::pixmap(QStringLiteral("LogoMark"), rect.size(), devicePixelRatio);
        painter.setOpacity(base * opacity * (1 - onness));
        painter.drawPixmap(rect, mark, QRectF(mark.rect()));
    }
    if (onness > 0) {
        const QPixmap mark = whiteMark(rect.size(), devicePixelRatio);
        painter.setOpacity(base * opacity * onness);
        painter.drawPixmap(rect, mark, QRectF(mark.rect()));
    }
    painter.setOpacity(base);
}

void LogoMark::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), onness_, 1.0, devicePixelRatioF());
}

} // namespace quellarine
