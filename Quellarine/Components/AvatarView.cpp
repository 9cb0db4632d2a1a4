#include "Quellarine/Components/AvatarView.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

constexpr DynamicColor gradientStart = Brand::color(0x4E9B74, 0x5DAE85);
constexpr qreal shadowOpacity = 0.12;
constexpr qreal rimOpacity = 0.3;

// A blurred disc: full strength well inside the edge, fading to nothing as far outside it as the blur reaches.
void paintShadow(QPainter& painter, const QRectF& circle)
{
    const qreal size = circle.width();
    const qreal blur = AvatarView::shadowRadius(size);
    const QPointF centre = circle.center() + QPointF(0, AvatarView::shadowOffset(size));
    const qreal outer = size / 2 + blur;
    QRadialGradient shade(centre, outer);
    const qreal solidUntil = std::max<qreal>(0, (size / 2 - blur) / outer);
    shade.setColorAt(0, withOpacity(Qt::black, shadowOpacity));
    shade.setColorAt(solidUntil, withOpacity(Qt::black, shadowOpacity));
    shade.setColorAt((size / 2) / outer, withOpacity(Qt::black, shadowOpacity / 2));
    shade.setColorAt(1, withOpacity(Qt::black, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, outer, outer);
}

} // namespace

qreal AvatarView::borderWidth(qreal size)
{
    return std::max<qreal>(size / 40, 1);
}

qreal AvatarView::initialsPixelSize(qreal size)
{
    return size * 0.38;
}

int AvatarView::shadowMargin(qreal size)
{
    return static_cast<int>(std::ceil(shadowRadius(size) + shadowOffset(size)));
}

void AvatarView::paint(QPainter& painter, const QRectF& circle, const Look& look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintShadow(painter, circle);

    QPainterPath clip;
    clip.addEllipse(circle);
    painter.save();
    painter.setClipPath(clip);
    if (!look.photo.isNull()) {
        // Scaled to cover the circle, keeping its proportions; the overflow is cut off.
        const QSizeF covered = QSizeF(look.photo.size()).scaled(circle.size(), Qt::KeepAspectRatioByExpanding);
        const QRectF target(circle.center() - QPointF(covered.width() / 2, covered.height() / 2), covered);
        painter.drawImage(target, look.photo);
    } else {
        const bool rightToLeft = look.direction == Qt::RightToLeft;
        QLinearGradient fill(rightToLeft ? circle.topRight() : circle.topLeft(),
                             rightToLeft ? circle.bottomLeft() : circle.bottomRight());
        fill.setColorAt(0, gradientStart.resolve(look.dark));
        fill.setColorAt(1, Brand::deep.resolve(look.dark));
        painter.fillRect(circle, fill);
        if (!look.initials.isEmpty()) {
            painter.setFont(
                Typography::system(initialsPixelSize(circle.width()), QFont::Bold, Typography::Design::rounded));
            painter.setPen(Qt::white);
            painter.drawText(circle, Qt::AlignCenter, look.initials);
        }
    }
    painter.restore();

    // The rim, inside the edge.
    const qreal rim = borderWidth(circle.width());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withOpacity(Qt::white, rimOpacity), rim));
    painter.drawEllipse(circle.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2));
    if (look.dropRing) {
        const qreal half = dropRingWidth / 2;
        painter.setPen(QPen(Brand::accent.resolve(look.dark), dropRingWidth));
        painter.drawEllipse(circle.adjusted(half, half, -half, -half));
    }
    painter.restore();
}

AvatarView::AvatarView(AppModel& model, qreal size, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , size_(size)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    AccessibleRole::set(*this, QAccessible::Graphic);
    ProfileStore& profile = model_.profile();
    connect(&profile, &ProfileStore::detailsChanged, this, &AvatarView::refresh);
    connect(&profile, &ProfileStore::photoChanged, this, &AvatarView::refresh);
    refresh();
}

QRectF AvatarView::circleRect() const
{
    const qreal margin = shadowMargin(size_);
    return QRectF(margin, margin, size_, size_);
}

bool AvatarView::showsPhoto() const
{
    return !model_.profile().photo().isNull();
}

QString AvatarView::initials() const
{
    return model_.profileInitials();
}

void AvatarView::setDropTargeted(bool targeted)
{
    if (dropTargeted_ != targeted) {
        dropTargeted_ = targeted;
        update();
    }
}

QSize AvatarView::sizeHint() const
{
    const int side = static_cast<int>(std::ceil(size_)) + 2 * shadowMargin(size_);
    return QSize(side, side);
}

void AvatarView::refresh()
{
    setAccessibleName(model_.profileName());
    update();
}

void AvatarView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LayoutDirectionChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void AvatarView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter, circleRect(),
          Look{.photo = model_.profile().photo(),
               .initials = initials(),
               .dark = Appearance::isDark(palette()),
               .direction = layoutDirection(),
               .dropRing = dropTargeted_});
}

} // namespace quellarine
