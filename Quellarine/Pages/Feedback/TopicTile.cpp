#include "Quellarine/Pages/Feedback/TopicTile.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QKeyEvent>
#include <QPainter>

namespace quellarine {

namespace {

constexpr qreal horizontalPadding = 16;
constexpr qreal symbolColumn = 26;
constexpr qreal spacing = 12;
constexpr qreal verticalPadding = 10;

QFont titleFont()
{
    return Typography::system(16, QFont::Medium);
}

} // namespace

TopicTile::TopicTile(FeedbackStore::Topic topic, QWidget* parent)
    : DrawnButton(parent)
    , topic_(topic)
{
    setCheckable(true);
    setAutoExclusive(false);
    setText(title(topic));
    setAccessibleName(title(topic));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QString TopicTile::title(FeedbackStore::Topic topic)
{
    switch (topic) {
    case FeedbackStore::Topic::bug:
        return tr("Something doesn't work");
    case FeedbackStore::Topic::idea:
        return tr("I have an idea");
    case FeedbackStore::Topic::confusing:
        return tr("Something is confusing");
    case FeedbackStore::Topic::missing:
        return tr("Something is missing");
    case FeedbackStore::Topic::praise:
        return tr("Something I like");
    }
    return {};
}

QString TopicTile::symbol(FeedbackStore::Topic topic)
{
    switch (topic) {
    case FeedbackStore::Topic::bug:
        return QStringLiteral("exclamationmark.triangle");
    case FeedbackStore::Topic::idea:
        return QStringLiteral("lightbulb");
    case FeedbackStore::Topic::confusing:
        return QStringLiteral("questionmark.bubble");
    case FeedbackStore::Topic::missing:
        return QStringLiteral("puzzlepiece");
    case FeedbackStore::Topic::praise:
        return QStringLiteral("heart");
    }
    return {};
}

QString TopicTile::placeholder(std::optional<FeedbackStore::Topic> topic)
{
    if (!topic) {
        return tr("Pick what it's about above, then write as much or as little as you like.");
    }
    switch (*topic) {
    case FeedbackStore::Topic::bug:
        return tr("What did you do, what did you expect, and what happened instead?");
    case FeedbackStore::Topic::idea:
        return tr("What would you like Quellarine to do?");
    case FeedbackStore::Topic::confusing:
        return tr("Which part was hard to follow?");
    case FeedbackStore::Topic::missing:
        return tr("What did you look for and not find?");
    case FeedbackStore::Topic::praise:
        return tr("What works well for you?");
    }
    return {};
}

QRectF TopicTile::titleRect(qreal width) const
{
    const qreal left = horizontalPadding + symbolColumn + spacing;
    const qreal right = horizontalPadding + 4 + (selected() ? 18 + spacing : 0);
    const QFontMetricsF metrics(titleFont());
    const QRectF bounds
        = metrics.boundingRect(QRectF(0, 0, std::max(1.0, width - left - right), 1e6), Qt::TextWordWrap, text());
    return {left, 0, std::max(1.0, width - left - right), bounds.height()};
}

int TopicTile::heightForWidth(int width) const
{
    return std::max(minimumHeight, int(std::ceil(titleRect(width).height() + 2 * verticalPadding)));
}

QSize TopicTile::sizeHint() const
{
    return {260, heightForWidth(260)};
}

QSize TopicTile::minimumSizeHint() const
{
    return {180, minimumHeight};
}

void TopicTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    const QColor primary = palette().color(QPalette::WindowText);
    const QPainterPath path = ContinuousShape::roundedRect(shape, cornerRadius);
    if (selected()) {
        painter.fillPath(path, Brand::gradient(shape, *this));
    } else {
        painter.fillPath(path, withOpacity(primary, hovering_ ? 0.09 : 0.05));
        ContinuousShape::draw(painter, shape, cornerRadius, Qt::transparent, withOpacity(primary, 0.10), 1);
    }

    const QColor foreground = selected() ? QColor(Qt::white) : primary;
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const auto mirrored = [&](QRectF area) {
        return rightToLeft ? QRectF(shape.width() - area.right(), area.top(), area.width(), area.height()) : area;
    };
    const qreal side = Symbols::sideFor(18);
    Symbols::paint(painter, mirrored(QRectF(horizontalPadding, (shape.height() - side) / 2, symbolColumn, side)),
                   symbol(topic_), foreground, Symbols::Weight::bold);

    QRectF title = titleRect(shape.width());
    title.moveTop((shape.height() - title.height()) / 2);
    painter.setFont(titleFont());
    painter.setPen(foreground);
    painter.drawText(mirrored(title), Qt::TextWordWrap | Qt::AlignVCenter | Typography::leading(layoutDirection()),
                     text());

    if (selected()) {
        Symbols::paint(
            painter,
            mirrored(QRectF(shape.width() - horizontalPadding - side, (shape.height() - side) / 2, side, side)),
            QStringLiteral("checkmark.circle.fill"), foreground);
    }
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, shape, cornerRadius, *this);
    }
}

void TopicTile::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    update();
    DrawnButton::enterEvent(event);
}

void TopicTile::leaveEvent(QEvent* event)
{
    hovering_ = false;
    update();
    DrawnButton::leaveEvent(event);
}

} // namespace quellarine
