#include "Quellarine/Pages/WhatsNew/NoteItem.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Pages/WhatsNew/MarkdownText.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QPainter>

namespace quellarine {

NoteItem::NoteItem(const QString& markdown, bool current, QWidget* parent)
    : QWidget(parent)
    , text_(
          new MarkdownText(markdown, Typography::font(Typography::TextStyle::body), MarkdownText::Tone::primary, this))
    , current_(current)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The bullet is painted at the leading edge of the space this leaves, so it mirrors with the row in
    // right-to-left languages.
    layout->addSpacing(bulletSide + bulletSpacing);
    layout->addWidget(text_, 1);
}

QRectF NoteItem::bulletRect() const
{
    const QRect column = layout()->itemAt(0)->geometry();
    const qreal bottom = text_->y() + text_->firstBaseline() - bulletLift;
    const int left = isRightToLeft() ? column.x() + column.width() - bulletSide : column.x();
    return QRectF(left, bottom - bulletSide, bulletSide, bulletSide);
}

QColor NoteItem::bulletColor() const
{
    return current_ ? Brand::accent.resolve(*this) : withOpacity(palette().color(QPalette::PlaceholderText), 0.6);
}

void NoteItem::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bulletColor());
    painter.drawEllipse(bulletRect());
}

} // namespace quellarine
