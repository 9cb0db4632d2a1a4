#include "Quellarine/Components/KeyCaps.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Model/ShortcutNaming.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

// The large caps' fonts at a scale.
struct CapFonts {
    QFont plus;
    QFont name;
    QFont key;

    explicit CapFonts(qreal scale)
        : plus(Typography::system(18 * scale, QFont::Medium))
        , name(Typography::system(15 * scale, QFont::Medium))
        , key(Typography::system(22 * scale, QFont::DemiBold))
    {
    }
};

QFont smallCapFont()
{
    return Typography::system(13, QFont::Medium);
}

// Mirrors the laid-out rectangles for right-to-left languages, where the first cap stands at the right.
template <typename Items>
void mirror(Items& items, qreal width, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft) {
        return;
    }
    for (auto& item : items) {
        item.rect.moveLeft(width - item.rect.right());
    }
}

QColor primary(const QWidget& widget)
{
    return widget.palette().color(QPalette::WindowText);
}

} // namespace

// MARK: KeyCaps

KeyCaps::KeyCaps(const Shortcut& shortcut, qreal scale, QWidget* parent)
    : QWidget(parent)
    , shortcut_(shortcut)
    , scale_(scale > 0 ? scale : 1.0)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    AccessibleRole::set(*this, QAccessible::StaticText);
    refresh();
}

void KeyCaps::setShortcut(const Shortcut& shortcut)
{
    shortcut_ = shortcut;
    refresh();
}

void KeyCaps::refresh()
{
    setAccessibleName(ShortcutNaming::spokenDescription(shortcut_));
    updateGeometry();
    update();
}

std::vector<KeyCaps::Item> KeyCaps::items() const
{
    const qreal s = scale_;
    const CapFonts fonts(s);
    const QFontMetricsF plusMetrics(fonts.plus);
    const QFontMetricsF nameMetrics(fonts.name);
    const QFontMetricsF keyMetrics(fonts.key);
    const qreal horizontalPadding = 8 * s;
    const qreal verticalPadding = 4 * s;

    std::vector<Item> items;
    const QString plus = QCoreApplication::translate("KeyCaps", "+");
    const auto addPlus = [&] {
        items.push_back(
            Item{Item::Kind::plus, plus, QRectF(0, 0, plusMetrics.horizontalAdvance(plus), plusMetrics.height())});
    };
    const auto modifiers = shortcut_.modifierKeys();
    for (std::size_t index = 0; index < modifiers.size(); ++index) {
        if (index > 0) {
            addPlus();
        }
        Item cap{Item::Kind::modifierCap, ShortcutNaming::name(modifiers[index]), {}};
        cap.rect = QRectF(0, 0, std::max(64 * s, nameMetrics.horizontalAdvance(cap.text)) + 2 * horizontalPadding,
                          std::max(40 * s, nameMetrics.height()) + 2 * verticalPadding);
        items.push_back(cap);
    }
    addPlus();
    Item key{Item::Kind::keyCap, ShortcutNaming::keyLabel(shortcut_), {}};
    key.rect = QRectF(0, 0, std::max(40 * s, keyMetrics.horizontalAdvance(key.text)) + 2 * horizontalPadding,
                      std::max(40 * s, keyMetrics.height()) + 2 * verticalPadding);
    items.push_back(key);

    // One row, 6 apart, vertically centred, at its ideal size.
    qreal height = 0;
    for (const Item& item : items) {
        height = std::max(height, item.rect.height());
    }
    qreal x = 0;
    for (Item& item : items) {
        item.rect.moveTo(x, (height - item.rect.height()) / 2);
        x += item.rect.width() + 6 * s;
    }
    mirror(items, width(), layoutDirection());
    return items;
}

QSize KeyCaps::sizeHint() const
{
    const auto all = items();
    qreal width = 6 * scale_ * static_cast<qreal>(all.size() - 1);
    qreal height = 0;
    for (const Item& item : all) {
        width += item.rect.width();
        height = std::max(height, item.rect.height());
    }
    return QSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
}

void KeyCaps::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = scale_;
    const CapFonts fonts(s);
    const QColor text = primary(*this);
    const QColor secondary = palette().color(QPalette::PlaceholderText);

    for (const Item& item : items()) {
        if (item.kind == Item::Kind::plus) {
            painter.setFont(fonts.plus);
            painter.setPen(secondary);
            painter.drawText(item.rect, Qt::AlignCenter, item.text);
            continue;
        }
        ContinuousShape::draw(painter, item.rect, 7 * s, withOpacity(text, 0.07), withOpacity(text, 0.30), borderWidth);
        const QRectF frame = item.rect.adjusted(8 * s, 4 * s, -8 * s, -4 * s);
        painter.setPen(text);
        painter.setFont(item.kind == Item::Kind::keyCap ? fonts.key : fonts.name);
        painter.drawText(frame, Qt::AlignCenter, item.text);
    }
}

void KeyCaps::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange) {
        refresh();
    }
    QWidget::changeEvent(event);
}

// MARK: SmallKeyCaps

SmallKeyCaps::SmallKeyCaps(const Shortcut& shortcut, QWidget* parent)
    : QWidget(parent)
    , shortcut_(shortcut)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    AccessibleRole::set(*this, QAccessible::StaticText);
    refresh();
}

void SmallKeyCaps::setShortcut(const Shortcut& shortcut)
{
    shortcut_ = shortcut;
    refresh();
}

void SmallKeyCaps::refresh()
{
    setAccessibleName(ShortcutNaming::spokenDescription(shortcut_));
    updateGeometry();
    update();
}

std::vector<SmallKeyCaps::Item> SmallKeyCaps::items() const
{
    const QFontMetricsF metrics(smallCapFont());
    std::vector<Item> items;
    for (const auto modifier : shortcut_.modifierKeys()) {
        items.push_back(Item{ShortcutNaming::name(modifier), {}});
    }
    items.push_back(Item{ShortcutNaming::keyLabel(shortcut_), {}});
    qreal x = 0;
    for (Item& item : items) {
        item.rect
            = QRectF(x, 0, std::max(25.0, metrics.horizontalAdvance(item.text) + 14), std::max(25.0, metrics.height()));
        x += item.rect.width() + 3;
    }
    mirror(items, width(), layoutDirection());
    return items;
}

QSize SmallKeyCaps::sizeHint() const
{
    const auto all = items();
    qreal width = 3.0 * static_cast<qreal>(all.size() - 1);
    qreal height = 0;
    for (const Item& item : all) {
        width += item.rect.width();
        height = std::max(height, item.rect.height());
    }
    return QSize(static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height)));
}

void SmallKeyCaps::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = primary(*this);
    painter.setFont(smallCapFont());
    for (const Item& item : items()) {
        ContinuousShape::draw(painter, item.rect, 5, withOpacity(text, 0.06), withOpacity(text, 0.22), borderWidth);
        painter.setPen(text);
        painter.drawText(item.rect, Qt::AlignCenter, item.text);
    }
}

void SmallKeyCaps::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange) {
        refresh();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine
