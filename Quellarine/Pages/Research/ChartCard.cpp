#include "Quellarine/Pages/Research/ChartCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

ChartCard::ChartCard(int spacing, QWidget* parent)
    : QWidget(parent)
    , column_(new QVBoxLayout(this))
{
    column_->setContentsMargins(padding, padding, padding, padding);
    column_->setSpacing(spacing);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    AccessibleRole::set(*this, QAccessible::Chart);
}

void ChartCard::addQuiet(QWidget* part)
{
    AccessibilityHidden::hide(*part);
    column_->addWidget(part);
}

void ChartCard::describe(const QString& name, const QString& description)
{
    setAccessibleName(name);
    setAccessibleDescription(description);
}

SymbolLabel* ChartCard::conclusion(const QString& text)
{
    auto* line = new SymbolLabel(text, QStringLiteral("arrow.turn.down.right"),
                                 Typography::font(Typography::TextStyle::callout));
    line->setSymbolColor(Brand::accent);
    return line;
}

void ChartCard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius,
                          withOpacity(palette().color(QPalette::WindowText), fillOpacity), Qt::transparent, 0);
}

} // namespace quellarine
