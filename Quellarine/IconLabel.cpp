#include "Quellarine/IconLabel.h"

#include "Quellarine/Desktop/Symbols.h"
#include "Quellarine/Desktop/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace quellarine {

IconLabel::IconLabel(const QString& symbol, const QString& text, DynamicColor symbolColor, int iconColumn,
                     const QFont& font, QWidget* parent)
    : QWidget(parent)
    , symbol_(symbol)
    , symbolColor_(symbolColor)
    , label_(new QLabel(text, this))
    , iconColumn_(iconColumn)
{
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    QSizePolicy policy = label_->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Expanding);
    label_->setSizePolicy(policy);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    // The symbol is painted into the space this leaves, beside the first line.
    layout->addSpacing(this->iconColumn());
    layout->addWidget(label_, 1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QFont IconLabel::defaultFont()
{
    return Typography::font(Typography::TextStyle::body);
}

QString IconLabel::text() const
{
    return label_->text();
}

int IconLabel::symbolSide() const
{
    return static_cast<int>(Symbols::sideFor(label_->font().pixelSize()));
}

int IconLabel::iconColumn() const
{
    return iconColumn_ > 0 ? iconColumn_ : symbolSide();
}

void IconLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const int side = symbolSide();
    const int column = iconColumn();
    const int lineHeight = QFontMetrics(label_->font()).height();
    const QRect icon((column - side) / 2, label_->geometry().top() + (lineHeight - side) / 2, side, side);
    Symbols::paint(painter, QRectF(QStyle::visualRect(layoutDirection(), rect(), icon)), symbol_,
                   symbolColor_.resolve(*this));
}

} // namespace quellarine
