#include "Quellarine/Shell/MenuPanel.h"

#include "Quellarine/Components/FocusChain.h"
#include "Quellarine/Components/FocusScrollArea.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Shell/MenuView.h"
#include "Quellarine/Shell/WindowRoom.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

constexpr int border = 1;
// A click on the tray icon within this time after the popup closed is the click that closed it.
constexpr qint64 reopenGuardMilliseconds = 300;

} // namespace

MenuPanel::MenuPanel(MenuView* view, QWidget* parent)
    // A tool window rather than a popup: assistive technology lists popups nowhere, so a screen reader could not
    // find the window. It goes away, as a popup would, when another window takes the keyboard.
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , view_(view)
{
    setWindowTitle(QStringLiteral("Quellarine"));
    // Read as the window it is, named by its title, rather than as a nameless filler.
    AccessibleRole::set(*this, QAccessible::Window);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // On a short screen, or with large text, the window scrolls within the room the screen has.
    scroll_ = new FocusScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(view_);
    view_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(border, border, border, border);
    layout->setSpacing(0);
    layout->addWidget(scroll_);
}

QSize MenuPanel::fittedSize(int contentHeight, int availableHeight, int scrollBarWidth)
{
    const int whole = contentHeight + 2 * border;
    if (whole <= availableHeight) {
        return {MenuView::fixedWidth + 2 * border, whole};
    }
    return {MenuView::fixedWidth + scrollBarWidth + 2 * border, std::max(1, availableHeight)};
}

QPoint MenuPanel::placement(const QRect& anchor, QSize size, const QRect& available)
{
    const bool below = anchor.center().y() < available.center().y();
    int x = anchor.center().x() - size.width() / 2;
    int y = below ? anchor.bottom() + 1 + gap : anchor.top() - gap - size.height();
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

void MenuPanel::toggle(const QRect& anchor)
{
    if (isVisible()) {
        hide();
        return;
    }
    if (closedMoments()) {
        return;
    }
    showNear(anchor);
}

void MenuPanel::showNear(const QRect& anchor)
{
    anchor_ = anchor;
    place();
    show();
    raise();
    activateWindow();
    // The keyboard starts on the first control (the on/off switch), not on the window as a whole.
    if (QWidget* stop = FocusChain::first(*view_)) {
        stop->setFocus(Qt::PopupFocusReason);
    }
}

bool MenuPanel::closedMoments() const
{
    return closed_.isValid() && closed_.elapsed() < reopenGuardMilliseconds;
}

void MenuPanel::place()
{
    QScreen* screen = anchor_ ? QGuiApplication::screenAt(anchor_->center()) : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const int content = view_->heightForWidth(MenuView::fixedWidth);
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 0, content + 2 * border);
    const QSize size = fittedSize(content, available.height() - WindowRoom::panelAllowance,
                                  scroll_->verticalScrollBar()->sizeHint().width());
    setFixedSize(size);
    if (anchor_ && screen != nullptr) {
        move(placement(*anchor_, size, available));
    }
}

bool MenuPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A notice came or went: fit the new height and stay in place beside the icon.
    if (watched == view_ && event->type() == QEvent::LayoutRequest) {
        const bool handled = QWidget::eventFilter(watched, event);
        place();
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

bool MenuPanel::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        hide();
    }
    return QWidget::event(event);
}

void MenuPanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MenuPanel::hideEvent(QHideEvent* event)
{
    closed_.start();
    QWidget::hideEvent(event);
}

void MenuPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(withOpacity(palette().color(QPalette::WindowText), 0.18));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace quellarine
