#include "Quellarine/Shell/ProfileCard.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/AvatarView.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace quellarine {

namespace {

constexpr int fadeMilliseconds = 150;

} // namespace

ProfileCard::ProfileCard(AppModel& model, QWidget* parent)
    : DrawnButton(parent)
    , model_(model)
    , fade_(new QVariantAnimation(this))
{
    // The page it leads to, for assistive technology; the name is the button's own.
    setAccessibleDescription(MainSection(MainSection::profile).title());
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
    ProfileStore& profile = model_.profile();
    connect(&profile, &ProfileStore::detailsChanged, this, &ProfileCard::refresh);
    connect(&profile, &ProfileStore::photoChanged, this, &ProfileCard::refresh);
    refresh();
}

void ProfileCard::refresh()
{
    setText(model_.profileName());
    setAccessibleName(text());
    update();
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
    if (!animateUnlessStill(*fade_, from, targetOpacity(), nullptr)) {
        update();
    }
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
    // Wide enough for a short name; a longer one shrinks, then is cut short, in the sidebar's width.
    const QFontMetrics metrics(Typography::system(nameSize, QFont::DemiBold));
    const int chevron = static_cast<int>(Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::callout)));
    const int width = 2 * padding + static_cast<int>(avatarSize) + spacing
        + std::min(metrics.horizontalAdvance(text()), 120) + spacing + chevron;
    return QSize(width, 2 * padding + static_cast<int>(avatarSize));
}

QRectF ProfileCard::avatarRect() const
{
    const qreal left = layoutDirection() == Qt::RightToLeft ? width() - padding - avatarSize : padding;
    return QRectF(left, (height() - avatarSize) / 2, avatarSize, avatarSize);
}

QRectF ProfileCard::chevronRect() const
{
    const qreal side = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::callout));
    const qreal left = layoutDirection() == Qt::RightToLeft ? padding : width() - padding - side;
    return QRectF(left, (height() - side) / 2, side, side);
}

QRectF ProfileCard::nameRect() const
{
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QRectF avatar = avatarRect();
    const QRectF chevron = chevronRect();
    const qreal left = rightToLeft ? chevron.right() + spacing : avatar.right() + spacing;
    const qreal right = rightToLeft ? avatar.left() - spacing : chevron.left() - spacing;
    return QRectF(left, 0, std::max<qreal>(0, right - left), height());
}

QFont ProfileCard::nameFont() const
{
    const QFont font = Typography::system(nameSize, QFont::DemiBold);
    const qreal available = nameRect().width();
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text());
    if (natural <= available || natural <= 0) {
        return font;
    }
    return Typography::system(std::max(nameSize * nameMinimumScale, nameSize * available / natural), QFont::DemiBold);
}

QString ProfileCard::shownName() const
{
    return QFontMetricsF(nameFont()).elidedText(text(), Qt::ElideRight, nameRect().width());
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

    AvatarView::paint(painter, avatarRect(),
                      AvatarView::Look{.photo = model_.profile().photo(),
                                       .initials = model_.profileInitials(),
                                       .dark = Appearance::isDark(palette()),
                                       .direction = layoutDirection()});

    // The chevron at the far end, pointing the way the page opens: towards the leading edge in right-to-left
    // layouts.
    const QRectF chevron = chevronRect();
    painter.save();
    if (rightToLeft) {
        painter.translate(chevron.center());
        painter.scale(-1, 1);
        painter.translate(-chevron.center());
    }
    Symbols::paint(painter, chevron, QStringLiteral("chevron.right"), withOpacity(primary, 0.3), Symbols::Weight::bold);
    painter.restore();

    // The name between them, on one line.
    painter.setFont(nameFont());
    painter.setPen(primary);
    painter.drawText(nameRect(), Qt::AlignVCenter | Typography::leading(layoutDirection()), shownName());
}

} // namespace quellarine
