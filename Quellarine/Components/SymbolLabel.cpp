#include "Quellarine/Components/SymbolLabel.h"

#include "Quellarine/Components/InkRoom.h"
#include "Quellarine/Components/Style/Symbols.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace quellarine {

SymbolLabel::SymbolLabel(const QString& text, const QString& symbol, const QFont& font,
                         std::optional<DynamicColor> color, QWidget* parent)
    : QWidget(parent)
    , label_(new QLabel(text, this))
    , symbol_(symbol)
    , color_(color)
{
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignTop | Qt::AlignLeading);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    InkRoom::keep(*label_);
    // Keeps the height-for-width flag that word wrapping set, so the label grows with its lines.
    QSizePolicy policy = label_->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Expanding);
    label_->setSizePolicy(policy);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(label_);
    setFont(font);
    applyMargins();
    applyColor();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QString SymbolLabel::text() const
{
    return label_->text();
}

void SymbolLabel::setText(const QString& text)
{
    label_->setText(text);
}

void SymbolLabel::setSymbol(const QString& symbol)
{
    if (symbol_ == symbol) {
        return;
    }
    symbol_ = symbol;
    applyMargins();
    update();
}

void SymbolLabel::setColor(std::optional<DynamicColor> color)
{
    if (color_ == color) {
        return;
    }
    color_ = color;
    applyColor();
    update();
}

QColor SymbolLabel::resolvedColor() const
{
    return color_ ? color_->resolve(*this) : palette().color(QPalette::WindowText);
}

void SymbolLabel::setSymbolColor(std::optional<DynamicColor> color)
{
    if (symbolColor_ != color) {
        symbolColor_ = color;
        update();
    }
}

QColor SymbolLabel::resolvedSymbolColor() const
{
    return symbolColor_ ? symbolColor_->resolve(*this) : resolvedColor();
}

int SymbolLabel::symbolColumn() const
{
    return std::max(symbolColumn_, symbolSide());
}

void SymbolLabel::setSymbolColumn(int width)
{
    if (symbolColumn_ != width) {
        symbolColumn_ = width;
        applyMargins();
        update();
    }
}

int SymbolLabel::symbolSide() const
{
    return static_cast<int>(Symbols::sideFor(QFontInfo(font()).pixelSize()));
}

void SymbolLabel::applyMargins()
{
    // The symbol is painted in the leading margin rather than being a child, so assistive technology reads
    // the text alone.
    if (layout() == nullptr) {
        return;
    }
    const int leading = symbol_.isEmpty() ? 0 : symbolColumn() + symbolSpacing;
    if (layoutDirection() == Qt::RightToLeft) {
        layout()->setContentsMargins(0, 0, leading, 0);
    } else {
        layout()->setContentsMargins(leading, 0, 0, 0);
    }
}

void SymbolLabel::applyColor()
{
    // Only the text role is set on the label, so every other role still follows the window's palette.
    const QColor color = resolvedColor();
    if (label_->palette().color(QPalette::WindowText) != color) {
        QPalette palette = label_->palette();
        palette.setColor(QPalette::WindowText, color);
        label_->setPalette(palette);
    }
}

void SymbolLabel::paintEvent(QPaintEvent* /*event*/)
{
    if (symbol_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const int side = symbolSide();
    const int lineHeight = QFontMetrics(font()).height();
    const int top = label_->geometry().top() + (lineHeight - side) / 2;
    const int inset = (symbolColumn() - side) / 2;
    const int leading = layoutDirection() == Qt::RightToLeft ? width() - side - inset : inset;
    Symbols::paint(painter, QRectF(leading, top, side, side), symbol_, resolvedSymbolColor(),
                   Symbols::weightFor(font().weight()));
}

void SymbolLabel::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        applyColor();
        break;
    case QEvent::FontChange:
        applyMargins();
        break;
    case QEvent::LayoutDirectionChange:
        applyMargins();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
