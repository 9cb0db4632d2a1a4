#include "Quellarine/Components/SourceLink.h"

#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/FocusRing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <cmath>
#include <utility>

namespace quellarine {

namespace {

constexpr int captionPixelSize = 10;
constexpr int arrowSpacing = 3;
// Room all round for the focus ring, so that it never covers the citation.
constexpr int focusMargin = static_cast<int>(FocusRing::width);

// Assistive technology announces a link, or a static text when there is no address; pressing the link opens
// it, and its title is the description (from the tooltip).
class AccessibleSourceLink : public QAccessibleWidget {
public:
    explicit AccessibleSourceLink(SourceLink* link)
        : QAccessibleWidget(link, link->isLink() ? QAccessible::Link : QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            return sourceLink()->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (sourceLink()->isLink()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            sourceLink()->open();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    SourceLink* sourceLink() const { return static_cast<SourceLink*>(widget()); }
};

QAccessibleInterface* accessibleSourceLink(const QString& className, QObject* object)
{
    if (className == QLatin1String(SourceLink::staticMetaObject.className())) {
        if (auto* link = qobject_cast<SourceLink*>(object)) {
            return new AccessibleSourceLink(link);
        }
    }
    return nullptr;
}

} // namespace

SourceLink::SourceLink(Source source, bool light, QWidget* parent)
    : LinkWidget(parent)
    , source_(std::move(source))
    , light_(light)
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(accessibleSourceLink);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    // Only size and weight: the family follows the application's font.
    QFont caption;
    caption.setPixelSize(captionPixelSize);
    caption.setWeight(QFont::Medium);
    setFont(caption);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (isLink()) {
        setToolTip(QString::fromStdString(source_.title));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }
}

QString SourceLink::text() const
{
    return QString::fromStdString(source_.cite);
}

QUrl SourceLink::url() const
{
    return isLink() ? QUrl(QString::fromStdString(source_.url->text()), QUrl::StrictMode) : QUrl();
}

QColor SourceLink::textColor() const
{
    return light_ ? QColor::fromRgbF(1, 1, 1, 0.7) : palette().color(QPalette::PlaceholderText);
}

void SourceLink::open()
{
    if (isLink()) {
        QDesktopServices::openUrl(url());
    }
}

int SourceLink::arrowSide() const
{
    return std::max(4, static_cast<int>(std::lround(QFontMetricsF(font()).capHeight())));
}

QSize SourceLink::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = metrics.horizontalAdvance(text());
    if (isLink()) {
        width += arrowSpacing + arrowSide();
    }
    // Tall enough to hit, though its text is small.
    return QSize(width + 2 * focusMargin, std::max(DrawnButton::minimumTargetSide, metrics.height() + 2 * focusMargin));
}

QSize SourceLink::minimumSizeHint() const
{
    return sizeHint();
}

void SourceLink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = textColor();
    const QFontMetrics metrics(font());
    const QRect content = rect().adjusted(focusMargin, focusMargin, -focusMargin, -focusMargin);

    // Citation first and arrow after it, in reading order.
    const QRect textRect(content.left(), content.top(), metrics.horizontalAdvance(text()), content.height());
    painter.setPen(color);
    painter.setFont(font());
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect), Qt::AlignVCenter | Qt::AlignLeft,
                     text());

    if (isLink()) {
        const int side = arrowSide();
        const QRect square(textRect.right() + 1 + arrowSpacing, content.center().y() - side / 2 + 1, side, side);
        const QRectF arrow
            = QRectF(QStyle::visualRect(layoutDirection(), content, square)).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath path;
        path.moveTo(arrow.bottomLeft());
        path.lineTo(arrow.topRight());
        path.moveTo(arrow.left() + arrow.width() * 0.3, arrow.top());
        path.lineTo(arrow.topRight());
        path.lineTo(arrow.right(), arrow.top() + arrow.height() * 0.7);
        painter.setPen(QPen(color, std::max(1.0, side / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }

    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 4, *this);
    }
}

} // namespace quellarine
