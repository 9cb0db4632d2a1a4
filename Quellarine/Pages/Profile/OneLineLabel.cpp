#include "Quellarine/Pages/Profile/OneLineLabel.h"

#include <QPainter>

namespace quellarine {

OneLineLabel::OneLineLabel(const QString& text, const QFont& font, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setFont(font);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString OneLineLabel::shownText() const
{
    return fontMetrics().elidedText(text(), layoutDirection() == Qt::RightToLeft ? Qt::ElideLeft : Qt::ElideRight,
                                    contentsRect().width());
}

QSize OneLineLabel::minimumSizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("…")) * 3, QLabel::minimumSizeHint().height());
}

void OneLineLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), Qt::AlignVCenter | Qt::AlignLeading, shownText());
}

} // namespace quellarine
