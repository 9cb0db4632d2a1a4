#include "Quellarine/Components/FocusScrollArea.h"

#include <QApplication>

namespace quellarine {

namespace {

// Room kept between a focused control and the view's edge, so that its ring shows whole.
constexpr int focusMargin = 16;

} // namespace

FocusScrollArea::FocusScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { follow(old, now); });
}

void FocusScrollArea::follow(QWidget* old, QWidget* now)
{
    if (old != nullptr && old->window() == window() && now != nullptr && widget() != nullptr
        && widget()->isAncestorOf(now)) {
        ensureWidgetVisible(now, focusMargin, focusMargin);
    }
}

} // namespace quellarine
