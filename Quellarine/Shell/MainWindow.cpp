#include "Quellarine/Shell/MainWindow.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/ProfileCard.h"
#include "Quellarine/Shell/SidebarRow.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/WindowRoom.h"

#include <QChildEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>

namespace quellarine {

namespace {

// The line between the sidebar and the page: a hairline, with the splitter's wider grip around it for the
// pointer.
class HairlineHandle : public QSplitterHandle {
public:
    using QSplitterHandle::QSplitterHandle;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), withOpacity(palette().color(QPalette::WindowText), 0.1));
    }
};

class ColumnSplitter : public QSplitter {
public:
    using QSplitter::QSplitter;

protected:
    QSplitterHandle* createHandle() override { return new HairlineHandle(orientation(), this); }

    void childEvent(QChildEvent* event) override
    {
        QSplitter::childEvent(event);
        if (event->added() && event->child()->isWidgetType()) {
            event->child()->installEventFilter(this);
        }
    }

    // Right to left, the splitter places its leading column one pixel past its own edge: that column is kept
    // inside.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            auto* column = static_cast<QWidget*>(watched);
            QRect place = column->geometry();
            if (place.right() > width() - 1) {
                place.moveRight(width() - 1);
            }
            if (place.left() < 0) {
                place.moveLeft(0);
            }
            if (place != column->geometry()) {
                column->setGeometry(place);
            }
        }
        return QSplitter::eventFilter(watched, event);
    }
};

} // namespace

MainWindow::MainWindow(AppModel& model, PageContent::OpenWindow openWindow, QWidget* parent)
    : QMainWindow(parent)
    , model_(model)
{
    setObjectName(QStringLiteral("main"));

    splitter_ = new ColumnSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(1);
    sidebar_ = new Sidebar(model_, splitter_);
    pageArea_ = new PageArea(model_, std::move(openWindow), splitter_);
    splitter_->addWidget(sidebar_);
    splitter_->addWidget(pageArea_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({Sidebar::idealWidth, defaultSize.width() - Sidebar::idealWidth});
    setCentralWidget(splitter_);

    connect(sidebar_, &Sidebar::rowChosen, this, [this](MainSection section) { setSidebarSelection(section); });
    // Reached from the sidebar, a page's default button takes Return as if the keyboard were on the page.
    connect(sidebar_, &Sidebar::pageActionRequested, this, [this] {
        if (QWidget* page = pageArea_->page()) {
            for (QPushButton* button : page->findChildren<QPushButton*>()) {
                if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                    button->click();
                    return;
                }
            }
        }
    });
    connect(&model_, &AppModel::sectionChanged, this, &MainWindow::refreshTitle);
    refreshTitle();
    fitScreen();
    resize(defaultSize.boundedTo(WindowRoom::forContent(*this)));
}

void MainWindow::fitScreen()
{
    // A short screen, or large text, may not have the room the window would like: the window then gets as
    // small as the screen needs, and the sidebar's list and the page scroll.
    splitter_->setMinimumSize(minimumContentSize.boundedTo(WindowRoom::forContent(*this)));
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        fitScreen();
    }
    return QMainWindow::event(event);
}

std::optional<MainSection> MainWindow::sidebarSelection() const
{
    if (model_.section() == MainSection::profile) {
        return std::nullopt;
    }
    return model_.section();
}

void MainWindow::setSidebarSelection(std::optional<MainSection> section)
{
    if (!section) {
        return;
    }
    if (*section == MainSection::feedback) {
        // Whatever route opened the form before, choosing its row here makes the sidebar its origin.
        model_.feedback().setSource(FeedbackStore::Source::sidebar);
    }
    model_.setSection(*section);
}

void MainWindow::refreshTitle()
{
    setWindowTitle(model_.section().title());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fitScreen();
    // Opening the window brings the application forward: the window comes to the front with the focus.
    if (!event->spontaneous()) {
        raise();
        activateWindow();
    }
    // The keyboard starts on the row of the page shown (the profile card while the profile is).
    if (focusWidget() == nullptr) {
        QWidget* start = sidebar_->currentRow();
        if (start == nullptr) {
            start = &sidebar_->profileCard();
        }
        start->setFocus(Qt::ActiveWindowFocusReason);
    }
}

} // namespace quellarine
