#include "Fit.h"

#include "DrawnText.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

namespace quellarine::testing {

namespace {

// Glyphs may reach a hair past their advance, and a line's descent a pixel past a tight box.
constexpr qreal slack = 1.5;

bool inside(const QRectF& inner, const QRectF& outer)
{
    return inner.left() >= outer.left() - slack && inner.right() <= outer.right() + slack
        && inner.top() >= outer.top() - slack && inner.bottom() <= outer.bottom() + slack;
}

bool isScrollViewport(const QWidget& widget)
{
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget.parentWidget());
    return area != nullptr && area->viewport() == &widget;
}

QString rect(const QRectF& box)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(box.x(), 0, 'f', 0)
        .arg(box.y(), 0, 'f', 0)
        .arg(box.width(), 0, 'f', 0)
        .arg(box.height(), 0, 'f', 0);
}

} // namespace

QStringList Fit::knownTexts(QWidget& widget)
{
    QStringList texts{widget.accessibleName(), widget.accessibleDescription(), widget.toolTip(), widget.windowTitle()};
    if (const auto* label = qobject_cast<QLabel*>(&widget)) {
        texts << label->text();
    }
    if (const auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        texts << button->text();
    }
    if (const auto* field = qobject_cast<QLineEdit*>(&widget)) {
        texts << field->text() << field->placeholderText();
    }
    const QVariant text = widget.property("text");
    if (text.canConvert<QString>()) {
        texts << text.toString();
    }
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget)) {
        texts << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description)
              << accessible->text(QAccessible::Value);
    }
    texts.removeAll(QString());
    return texts;
}

QString Fit::describe(QWidget& widget)
{
    QStringList texts = knownTexts(widget);
    QString name = texts.isEmpty() ? widget.objectName() : texts.first();
    if (name.size() > 60) {
        name = name.left(57) + QStringLiteral("...");
    }
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(widget.metaObject()->className()), name);
}

QStringList Fit::problems(QWidget& window, QSize room, int titleBar)
{
    QStringList found;
    if (!room.isEmpty()) {
        const QSize framed = window.frameGeometry().size();
        const QSize frame(framed.width() - window.width(), std::max(framed.height() - window.height(), titleBar));
        const QSize whole = window.size() + frame;
        if (whole.width() > room.width() || whole.height() > room.height()) {
            found << QStringLiteral("the window is %1x%2 with its frame, larger than the %3x%4 the screen has room for")
                         .arg(whole.width())
                         .arg(whole.height())
                         .arg(room.width())
                         .arg(room.height());
        }
        const QSize smallest = window.minimumSize().expandedTo(window.minimumSizeHint()) + frame;
        if (smallest.width() > room.width() || smallest.height() > room.height()) {
            found << QStringLiteral("the window cannot be made smaller than %1x%2, more than the %3x%4 the screen "
                                    "has room for")
                         .arg(smallest.width())
                         .arg(smallest.height())
                         .arg(room.width())
                         .arg(room.height());
        }
    }

    const auto widgets = window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (widget->isWindow() || !widget->isVisibleTo(&window) || widget->size().isEmpty()) {
            continue;
        }
        QWidget* parent = widget->parentWidget();
        const QRect place = widget->geometry();
        const bool scrolls = isScrollViewport(*parent);
        const bool outside
            = scrolls ? place.left() < 0 || place.right() > parent->width() - 1 : !parent->rect().contains(place);
        if (outside) {
            found << QStringLiteral("%1 at %2 lies outside %3 (%4)")
                         .arg(describe(*widget), rect(place), describe(*parent), rect(parent->rect()));
        }
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget);
            area != nullptr && area->horizontalScrollBar()->isVisibleTo(&window)) {
            found << QStringLiteral("%1 scrolls across: its content is wider than its view").arg(describe(*widget));
        }

        const QStringList known = knownTexts(*widget);
        for (const DrawnText& drawn : DrawnText::of(*widget)) {
            const QString where = QStringLiteral("%1 draws '%2'").arg(describe(*widget), drawn.text);
            if (!inside(drawn.box, QRectF(widget->rect()))) {
                found << QStringLiteral("%1 at %2, past its box %3").arg(where, rect(drawn.box), rect(widget->rect()));
            } else if (drawn.clip && !inside(drawn.box, *drawn.clip)) {
                found << QStringLiteral("%1 at %2, cut by its clip %3").arg(where, rect(drawn.box), rect(*drawn.clip));
            }
            if (drawn.text.contains(QChar(0x2026))) {
                const bool whole = std::any_of(known.cbegin(), known.cend(),
                                               [&](const QString& text) { return text.contains(drawn.text); });
                if (!whole) {
                    found << QStringLiteral("%1, shortened").arg(where);
                }
            }
        }
    }
    return found;
}

} // namespace quellarine::testing
