#pragma once

#include <QWidget>

namespace quellarine {

class AppModel;
class PageTitle;
class ShortcutsSection;

// The page of the main window's calibration section. For now it names the section and shows the shortcuts;
// the test itself is not part of the application yet.
class CalibrationView : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 22;

    explicit CalibrationView(AppModel& model, QWidget* parent = nullptr);

    PageTitle& title() const { return *title_; }
    ShortcutsSection& shortcuts() const { return *shortcuts_; }

private:
    PageTitle* title_;
    ShortcutsSection* shortcuts_;
};

} // namespace quellarine
