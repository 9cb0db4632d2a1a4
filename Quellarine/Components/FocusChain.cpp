#include "Quellarine/Components/FocusChain.h"

#include <QWidget>

namespace quellarine {

namespace {

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

} // namespace quellarine
