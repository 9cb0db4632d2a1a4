#include "Quellarine/Components/FocusChain.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace quellarine {

namespace {

constexpr const char* entryProperty = "quellarineFocusEntry";

QWidget* namedEntry(const QWidget& block)
{
    return block.property(entryProperty).value<QPointer<QWidget>>().data();
}

bool isStop(const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isEnabled() && widget.isVisibleTo(widget.window());
}

} // namespace

QWidget* FocusChain::first(QWidget& block)
{
    if (isStop(block)) {
        return &block;
    }
    // The focus chain runs through a window's widgets in Tab order; the block's own widgets follow it there.
    for (QWidget* next = block.nextInFocusChain(); next != nullptr && next != &block; next = next->nextInFocusChain()) {
        if (block.isAncestorOf(next) && isStop(*next)) {
            return next;
        }
    }
    return nullptr;
}

void FocusChain::setEntry(QWidget& block, QWidget* entry)
{
    block.setProperty(entryProperty, QVariant::fromValue(QPointer<QWidget>(entry)));
}

QWidget* FocusChain::entry(QWidget& block)
{
    QList<QWidget*> blocks{&block};
    blocks.append(block.findChildren<QWidget*>());
    for (QWidget* candidate : blocks) {
        QWidget* named = namedEntry(*candidate);
        if (named != nullptr && block.isAncestorOf(named) && isStop(*named)) {
            return named;
        }
    }
    return first(block);
}

} // namespace quellarine
