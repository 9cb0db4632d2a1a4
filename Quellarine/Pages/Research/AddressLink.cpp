#include "Quellarine/Pages/Research/AddressLink.h"

#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quellarine {

AddressLink::AddressLink(const QUrl& address, QWidget* parent)
    : LinkWidget(parent)
    , address_(address)
{
    setFont(Typography::font(Typography::TextStyle::caption));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text());
    AccessibleRole::set(*this, QAccessible::Link);
}

QString AddressLink::text() const
{
    return address_.toString();
}

void AddressLink::open()
{
    QDesktopServices::openUrl(address_);
}

QSize AddressLink::sizeHint() const
{
    const QFontMetrics metrics(font());
    // Tall enough to hit, though its text is small.
    return QSize(metrics.horizontalAdvance(text()) + 2 * sideMargin,
                 std::max(DrawnButton::minimumTargetSide, metrics.height() + 2 * margin));
}

void AddressLink::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = palette().color(QPalette::Link);
    painter.setPen(color);
    painter.setFont(font());
    // An address reads left to right in every language.
    painter.drawText(rect().adjusted(sideMargin, margin, -sideMargin, -margin),
                     Qt::AlignVCenter | Qt::AlignAbsolute
                         | (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft),
                     text());
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 4, *this);
    }
}

} // namespace quellarine
