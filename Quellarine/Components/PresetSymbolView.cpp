#include "Quellarine/Components/PresetSymbolView.h"

#include "Quellarine/Components/PresetSymbol.h"

#include <QPainter>

#include <cmath>

namespace quellarine {

PresetSymbolView::PresetSymbolView(FilterPreset::ID id, qreal scale, std::optional<DynamicColor> tint, QWidget* parent)
    : QWidget(parent)
    , id_(id)
    , scale_(scale)
    , tint_(tint)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PresetSymbolView::sizeHint() const
{
    const QSizeF size = presetSymbol(id_).size(scale_);
    return QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
}

void PresetSymbolView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    presetSymbol(id_).paint(painter, QRectF(rect()), scale_,
                            tint_ ? tint_->resolve(*this) : palette().color(foregroundRole()));
}

} // namespace quellarine
