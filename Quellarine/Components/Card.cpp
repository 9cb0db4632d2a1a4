#include "Quellarine/Components/Card.h"

#include "Quellarine/Components/ContinuousShape.h"

#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

Card::Card(QWidget* content, std::optional<DynamicColor> tint, QWidget* parent)
    : QWidget(parent)
    , content_(content)
    , tint_(tint)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(0);
    layout->addWidget(content);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void Card::setTint(std::optional<DynamicColor> tint)
{
    if (tint_ != tint) {
        tint_ = tint;
        update();
    }
}

void Card::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // Resolved on every paint, so the card follows the appearance without being rebuilt.
    const QColor base = tint_ ? tint_->resolve(*this) : palette().color(QPalette::WindowText);
    const QColor fill = withOpacity(base, tint_ ? 0.10 : 0.045);
    const QColor border = withOpacity(base, tint_ ? 0.25 : 0.08);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, fill, border, 1.0);
}

} // namespace quellarine
