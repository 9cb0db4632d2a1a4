#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/EmergencyNotice.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Model/ModeSwitcher.h"

#include <QWidget>

#include <functional>

class QLabel;
class QVariantAnimation;

namespace quellarine {

class AppModel;
class ClickGuardRow;
class LogoMark;
class MenuButton;
class PresetPicker;
class ProminentButton;
class SymbolLabel;
class TapArea;
class ToggleSwitch;

// The menu-bar window: whether smoothing is on (with its switch), the preset picker and the click guard, the
// notices the user must see (missing permission, failed tap, emergency off, a waiting update), the shortcuts,
// and the ways on to the main window, the feedback page and out of the application. It keeps no state of its
// own: everything shown is read from the model, every change goes back through it.
class MenuView : public QWidget {
    Q_OBJECT

public:
    static constexpr int fixedWidth = 380;

    // What the view asks of the application around it.
    struct Actions {
        // Opens (or brings forward) the window with this identity.
        std::function<void(const QString& identity)> openWindow;
        // Ends the application.
        std::function<void()> terminate;
        // Gets this window out of the way before an action leads to another one (the main window, the
        // updater's window).
        std::function<void()> leave = {};
    };

    MenuView(AppModel& model, Actions actions, QWidget* parent = nullptr);

    // Shows the main window on a page: sets the section, then opens "main" and brings it forward.
    void open(MainSection section);
    // The feedback button: records the menu-bar window as the form's origin, then opens the feedback page.
    void openFeedback();
    void quit();

    QString statusText() const;
    ToggleSwitch& toggle() const { return *switch_; }
    // The logo, name and status: a click flips smoothing, as the switch does, while the permission is there.
    TapArea& headerTapArea() const { return *headerTap_; }
    // How far the header has turned to its "on" look: 0 off, 1 on (between while it animates).
    qreal headerOnness() const { return onness_; }
    PresetPicker& picker() const { return *picker_; }
    ClickGuardRow& clickGuardRow() const { return *clickGuardRow_; }

    QWidget& permissionCard() const { return *permissionCard_; }
    ProminentButton& allowButton() const { return *allowButton_; }
    QWidget& tapFailedNotice() const { return *tapFailedNotice_; }
    // The emergency-off notice; a click on it dismisses it.
    EmergencyNotice& emergencyNotice() const { return *emergencyNotice_; }
    QString emergencyText() const;
    QWidget& updateNotice() const { return *updateNotice_; }
    QString updateText() const;
    ProminentButton& updateButton() const { return *updateButton_; }
    // The labels of the next-mode and on/off shortcut rows.
    QLabel& nextModeLabel() const { return *nextModeLabel_; }
    QLabel& toggleLabel() const { return *toggleLabel_; }
    // "Ctrl 5 times: off", or that the gesture is not heard in this session.
    QLabel& emergencyLabel() const { return *emergencyLabel_; }

    MenuButton& openButton() const { return *openButton_; }
    MenuButton& feedbackButton() const { return *feedbackButton_; }
    MenuButton& quitButton() const { return *quitButton_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildHeader();
    QWidget* buildFilterBlock();
    QWidget* buildUpdateNotice();
    QWidget* buildShortcuts();
    QWidget* buildButtons();
    void headerTapped();
    void leave();
    void refresh();
    // One shortcut's row: what it does, or why it does not work here, in the warm colour then.
    void refreshShortcut(QLabel& label, QWidget& caps, ModeSwitcher::KeyState state, const QString& assigned,
                         const QString& name, const QString& nameWithKeys);
    void refreshHeaderColors();
    void animateHeader();

    AppModel& model_;
    Actions actions_;

    QWidget* header_ = nullptr;
    TapArea* headerTap_ = nullptr;
    LogoMark* logo_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    ToggleSwitch* switch_ = nullptr;
    qreal onness_ = 0;
    QVariantAnimation* headerAnimation_ = nullptr;

    QWidget* permissionCard_ = nullptr;
    ProminentButton* allowButton_ = nullptr;
    QWidget* tapFailedNotice_ = nullptr;
    EmergencyNotice* emergencyNotice_ = nullptr;
    PresetPicker* picker_ = nullptr;
    ClickGuardRow* clickGuardRow_ = nullptr;

    QWidget* updateNotice_ = nullptr;
    SymbolLabel* updateLabel_ = nullptr;
    ProminentButton* updateButton_ = nullptr;

    QLabel* nextModeLabel_ = nullptr;
    QLabel* toggleLabel_ = nullptr;
    QWidget* nextModeCaps_ = nullptr;
    QWidget* toggleCaps_ = nullptr;
    QLabel* emergencyLabel_ = nullptr;

    MenuButton* openButton_ = nullptr;
    MenuButton* feedbackButton_ = nullptr;
    MenuButton* quitButton_ = nullptr;
};

} // namespace quellarine
