#include "Quellarine/Pages/WhatsNew/UpdateBanner.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace quellarine {

UpdateBanner::UpdateBanner(QWidget* parent)
    : QWidget(parent)
    , message_(new QLabel(this))
    , button_(new ProminentButton(tr("Update Now"), Brand::systemRed, this))
{
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::DemiBold));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(padding, padding, padding, padding);
    layout->setSpacing(0);
    // The dot is painted at the leading edge of this space, so it mirrors with the row.
    layout->addSpacing(dotSide + spacing);
    layout->addWidget(message_, 1, Qt::AlignVCenter);
    layout->addSpacing(spacing);
    layout->addWidget(button_, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    AccessibleRole::set(*this, QAccessible::Grouping);
    connect(button_, &QPushButton::clicked, this, &UpdateBanner::updateRequested);
}

void UpdateBanner::setVersion(const QString& version)
{
    message_->setText(tr("Quellarine %1 is available").arg(version));
    setAccessibleName(message_->text());
}

void UpdateBanner::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor red = Brand::systemRed.resolve(*this);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, withOpacity(red, 0.08));
    const QRect column = layout()->itemAt(0)->geometry();
    const int left = isRightToLeft() ? column.x() + column.width() - dotSide : column.x();
    const qreal top = message_->geometry().center().y() - dotSide / 2.0 + 0.5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(QRectF(left, top, dotSide, dotSide));
}

} // namespace quellarine
