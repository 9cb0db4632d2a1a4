#include "Quellarine/Components/LeadingMarkButton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace quellarine {

LeadingMarkButton::LeadingMarkButton(const QString& title, QWidget* parent)
    : DrawnButton(parent)
{
    setText(title);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int LeadingMarkButton::textWidth(int width) const
{
    return std::max(1, width - markSide() - markSpacing - 2 * focusMargin);
}

QSize LeadingMarkButton::sizeHint() const
{
    // The title as laid out on one line (mixed scripts included), with a pixel to spare for rounding.
    const qreal title = QFontMetricsF(font()).boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextSingleLine, text()).width();
    const int width = markSide() + markSpacing + static_cast<int>(std::ceil(title)) + 1 + 2 * focusMargin;
    return QSize(width, heightForWidth(width));
}

QSize LeadingMarkButton::minimumSizeHint() const
{
    // The longest word decides how narrow the button may get.
    const QFontMetrics metrics(font());
    int word = 0;
    for (const QString& part : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        word = std::max(word, metrics.horizontalAdvance(part));
    }
    const int width = markSide() + markSpacing + word + 2 * focusMargin;
    return QSize(width, heightForWidth(std::max(width, this->width())));
}

int LeadingMarkButton::heightForWidth(int width) const
{
    const int lines
        = QFontMetrics(font()).boundingRect(QRect(0, 0, textWidth(width), 100000), Qt::TextWordWrap, text()).height();
    return std::max(DrawnButton::minimumTargetSide, std::max(markSide(), lines) + 2 * focusMargin);
}

void LeadingMarkButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

} // namespace quellarine
