#pragma once

#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Shell/PageContent.h"

#include <QMainWindow>

#include <optional>

class QSplitter;

namespace quellarine {

class AppModel;
class PageArea;
class Sidebar;

// The "main" window, where the user reaches every page of the application: the sidebar of sections beside the
// page of the current section. The current section is the model's, so every other route to a page only sets
// it; the window's title is that section's title. Its object name starts with "main", which is how other
// parts (the update alert) find it among the application's windows.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr QSize defaultSize{900, 680};
    // The smallest the content gets where the screen has the room; a smaller screen makes it smaller.
    static constexpr QSize minimumContentSize{780, 560};

    // `openWindow` opens the application's other windows by identity (the help page opens "welcome").
    MainWindow(AppModel& model, PageContent::OpenWindow openWindow, QWidget* parent = nullptr);

    AppModel& model() const { return model_; }
    Sidebar& sidebar() const { return *sidebar_; }
    PageArea& pageArea() const { return *pageArea_; }
    QSplitter& splitter() const { return *splitter_; }

    // The sidebar list's selection: the current section, or none while the profile (which has no row) is
    // shown. Writing none changes nothing; writing a section makes it current, and choosing Feedback here
    // records the sidebar as where the feedback page was opened from.
    std::optional<MainSection> sidebarSelection() const;
    void setSidebarSelection(std::optional<MainSection> section);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refreshTitle();
    void fitScreen();

    AppModel& model_;
    Sidebar* sidebar_;
    PageArea* pageArea_;
    QSplitter* splitter_;
};

} // namespace quellarine
