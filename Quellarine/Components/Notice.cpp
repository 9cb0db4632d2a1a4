#include "Quellarine/Components/Notice.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Announcer.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>

namespace quellarine {

namespace {

constexpr int padding = 10;
constexpr int iconSpacing = 7;
constexpr qreal cornerRadius = 10;

int iconSide()
{
    return static_cast<int>(Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::body)));
}

} // namespace

Notice::Notice(const QString& text, bool ok, QWidget* parent)
    : QWidget(parent)
    , label_(new QLabel(text, this))
    , ok_(ok)
{
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignTop | Qt::AlignLeading);
    label_->setFont(Typography::font(Typography::TextStyle::body));
    label_->setTextInteractionFlags(Qt::NoTextInteraction);
    // Keeps the height-for-width flag that word wrapping set, so the notice grows with its lines.
    QSizePolicy policy = label_->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Expanding);
    label_->setSizePolicy(policy);

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(label_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    updateMargins();
    // A warning is an alert: screen readers say it when it appears, not only when the user happens on it.
    setAccessibleName(text);
    if (!ok_) {
        AccessibleRole::set(*this, QAccessible::AlertMessage);
    }
}

void Notice::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!ok_ && !event->spontaneous()) {
        Announcer::announce(*this, text());
    }
}

void Notice::updateMargins()
{
    // The icon is painted in the leading margin, beside the first line of text.
    const int leading = padding + iconSide() + iconSpacing;
    if (layoutDirection() == Qt::RightToLeft) {
        layout()->setContentsMargins(padding, padding, leading, padding);
    } else {
        layout()->setContentsMargins(leading, padding, padding, padding);
    }
}

void Notice::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LayoutDirectionChange) {
        updateMargins();
    }
    QWidget::changeEvent(event);
}

QString Notice::text() const
{
    return label_->text();
}

void Notice::setText(const QString& text)
{
    label_->setText(text);
    setAccessibleName(text);
    updateGeometry();
}

QString Notice::symbol() const
{
    return ok_ ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("exclamationmark.circle.fill");
}

void Notice::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QColor color = (ok_ ? Brand::accent : Brand::warm).resolve(*this);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, withOpacity(color, 0.10));

    const int side = iconSide();
    const int lineHeight = QFontMetrics(label_->font()).height();
    const int top = label_->geometry().top() + (lineHeight - side) / 2;
    const int leading = layoutDirection() == Qt::RightToLeft ? width() - padding - side : padding;
    Symbols::paint(painter, QRectF(leading, top, side, side), symbol(), color);
}

} // namespace quellarine
