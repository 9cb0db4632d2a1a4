#include "Quellarine/Shell/ProfileCard.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Desktop/Motion.h"
#include "Quellarine/Desktop/Symbols.h"
#include "Quellarine/Desktop/Typography.h"

#include <QPainter>
#include <QVariantAnimation>

namespace quellarine {

namespace {

constexpr int fadeMilliseconds = 150;
constexpr int markSide = 46;
constexpr qreal nameSize = 16;

QFont nameFont()
{
    return Typography::system(nameSize, QFont::DemiBold);
}

} // namespace

ProfileCard::ProfileCard(AppModel& model, QWidget* parent)
    : DrawnButton(parent)
    , model_(model)
    , fade_(new QVariantAnimation(this))
{
    setText(MainSection(MainSection::profile).title());
    setAccessibleName(text());
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);

    fade_->setDuration(fadeMilliseconds);
    fade_->setEasingCurve(QEasingCurve::OutCubic);
    fade_->setStartValue(targetOpacity());
    fade_->setEndValue(targetOpacity());
    connect(fade_, &QVariantAnimation::valueChanged, this, [this] { update(); });

    connect(this, &QAbstractButton::clicked, this, [this] { model_.setSection(MainSection::profile); });
    connect(&model_, &AppModel::sectionChanged, this, [this] {
        fade_->stop();
        fade_->setEndValue(targetOpacity());
        update();
    });
}

qreal ProfileCard::targetOpacity() const
{
    if (model_.section() == MainSection::profile) {
        return 0.2;
    }
    return hovered_ ? 0.15 : 0.08;
}

qreal ProfileCard::backgroundOpacity() const
{
    if (fade_->state() == QAbstractAnimation::Running) {
        return fade_->currentValue().toReal();
    }
    return targetOpacity();
}

void ProfileCard::setHovered(bool hovered)
{
    if (hovered_ == hovered) {
        return;
    }
    const qreal from = backgroundOpacity();
    hovered_ = hovered;
    fade_->stop();
    if (Motion::shared().reduceMotion()) {
        fade_->setEndValue(targetOpacity());
        update();
        return;
    }
    fade_->setStartValue(from);
    fade_->setEndValue(targetOpacity());
    fade_->start();
}

void ProfileCard::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    DrawnButton::enterEvent(event);
}

void ProfileCard::leaveEvent(QEvent* event)
{
    setHovered(false);
    DrawnButton::leaveEvent(event);
}

QSize ProfileCard::sizeHint() const
{
    const QFontMetrics metrics(nameFont());
    const int width = 2 * padding + markSide + spacing + metrics.horizontalAdvance(text()) + spacing + 16;
    return QSize(width, 2 * padding + markSide);
}

void ProfileCard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    const QColor primary = palette().color(QPalette::WindowText);
    painter.fillPath(ContinuousShape::roundedRect(bounds, cornerRadius), withOpacity(secondary, backgroundOpacity()));
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, bounds, cornerRadius, *this);
    }

    // The profile's mark in a circle, where the user's picture will stand.
    const qreal markLeft = rightToLeft ? bounds.right() - padding - markSide : padding;
    const QRectF mark(markLeft, (bounds.height() - markSide) / 2, markSide, markSide);
    QLinearGradient fill(rightToLeft ? mark.topRight() : mark.topLeft(), rightToLeft ? mark.bottomLeft() : mark.bottomRight());
    fill.setColorAt(0.0, Brand::color(0x4E9B74, 0x5DAE85).resolve(*this));
    fill.setColorAt(1.0, Brand::deep.resolve(*this));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(mark);
    const qreal symbolSide = 26;
    Symbols::paint(painter, QRectF(mark.center() - QPointF(symbolSide / 2, symbolSide / 2), QSizeF(symbolSide, symbolSide)),
                   MainSection(MainSection::profile).symbol(), Qt::white, Symbols::Weight::regular);

    // The chevron at the far end.
    const qreal chevronSide = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::callout));
    const qreal chevronLeft = rightToLeft ? bounds.left() + padding : bounds.right() - padding - chevronSide;
    const QRectF chevron(chevronLeft, (bounds.height() - chevronSide) / 2, chevronSide, chevronSide);
    painter.save();
    if (rightToLeft) {
        // Pointing the way the page opens: towards the leading edge in right-to-left layouts.
        painter.translate(chevron.center());
        painter.scale(-1, 1);
        painter.translate(-chevron.center());
    }
    Symbols::paint(painter, chevron, QStringLiteral("chevron.right"), withOpacity(primary, 0.3), Symbols::Weight::bold);
    painter.restore();

    // The title between them, on one line.
    const QFont font = nameFont();
    painter.setFont(font);
    painter.setPen(primary);
    const qreal textLeft = rightToLeft ? chevron.right() + spacing : mark.right() + spacing;
    const qreal textRight = rightToLeft ? mark.left() - spacing : chevron.left() - spacing;
    const QRectF textRect(textLeft, 0, std::max<qreal>(0, textRight - textLeft), bounds.height());
    const QString shown = QFontMetricsF(font).elidedText(text(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignVCenter | Typography::leading(layoutDirection()), shown);
}

} // namespace quellarine
