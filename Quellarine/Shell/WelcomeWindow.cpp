#include "Quellarine/Shell/WelcomeWindow.h"

#include "Quellarine/Components/FocusScrollArea.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"
#include "Quellarine/Shell/WindowRoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

WelcomeWindow::WelcomeWindow(AppModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("welcome"));
    setWindowTitle(tr("Welcome to Quellarine"));
    // Read as the window it is, named by its title, rather than as a nameless filler.
    AccessibleRole::set(*this, QAccessible::Window);
    view_ = new WelcomeView(model, [this] { close(); });

    scroll_ = new FocusScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(view_);
    scroll_->viewport()->setAutoFillBackground(false);
    view_->setAutoFillBackground(false);
    view_->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    fit();
}

QSize WelcomeWindow::fittedSize(QSize content, QSize room, int scrollBarWidth)
{
    if (content.height() <= room.height()) {
        return content;
    }
    return QSize(content.width() + scrollBarWidth, room.height());
}

void WelcomeWindow::fit()
{
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    setFixedSize(fittedSize(view_->sizeHint(), WindowRoom::forContent(*this), bar));
}

bool WelcomeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The content changed its size (a card changed with the permission, the language changed).
    if (watched == view_ && event->type() == QEvent::LayoutRequest) {
        const bool handled = QWidget::eventFilter(watched, event);
        fit();
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

bool WelcomeWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        fit();
    }
    return QWidget::event(event);
}

void WelcomeWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fit();
    // Read from the top: a window that must scroll opens at its beginning, even with the keyboard on the
    // button at its end (Return starts from anywhere; Tab brings the button into view).
    QTimer::singleShot(0, this, [this] { scroll_->verticalScrollBar()->setValue(0); });
}

} // namespace quellarine
