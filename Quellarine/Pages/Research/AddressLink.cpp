#include "Quellarine/Pages/Research/AddressLink.h"

#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Desktop/AccessibleRole.h"
#include "Quellarine/Desktop/Typography.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quellarine {

AddressLink::AddressLink(const QUrl& address, QWidget* parent)
    : QWidget(parent)
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

void AddressLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void AddressLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        event->accept();
        // A press that slides off the link before release opens nothing.
        if (rect().contains(event->position().toPoint())) {
            open();
        }
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void AddressLink::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        if (!event->isAutoRepeat()) {
            open();
        }
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AddressLink::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
