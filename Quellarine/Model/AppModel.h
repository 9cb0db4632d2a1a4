#pragma once

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Model/KeySource.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Model/ModeDisplay.h"
#include "Quellarine/Model/PermissionWatch.h"
#include "Quellarine/Model/ModeSwitcher.h"
#include "Quellarine/Model/ProfileStore.h"

#include "QuellarineKit/Pointer/ClickGuard.h"
#include "QuellarineKit/Pointer/FilterPreset.h"
#include "QuellarineKit/Pointer/PersonalSetting.h"
#include "QuellarineKit/Pointer/PointerControl.h"
#include "QuellarineKit/System/HotKeys.h"
#include "QuellarineKit/System/Permission.h"
#include "QuellarineKit/System/MainLoop.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quellarine {

class ExplainStore;
class ServiceClient;
class SystemLog;
class UpdateController;

// The application's single root model: the user's choices, the conditions the user must see, the page of the
// main window, and the pointer tap, hot keys, banner and stores it owns. Every user change lands here, is
// written to the settings at once and is pushed into the tap in the same step.
//
// The persisted fields and `calibrating` run their side effects on every assignment, also of an equal value;
// observers are told only when the value really changes.
class AppModel final : public QObject, public ModeSwitcher::Target {
    Q_OBJECT

public:
    // A mode: none is "Direct", no smoothing.
    using Mode = std::optional<FilterPreset::ID>;

    // What the model takes from the computer it runs on.
    struct Platform {
        // The live pointer tap, wherever it runs.
        PointerControl& pointer;
        // The loop the model's own timers run on (the banner's, the permission watch's).
        system::MainLoop& mainLoop;
        system::HotKeyHost& hotKeys;
        system::KeyboardLayout& keyboardLayout;
        system::ModifierMonitor& modifiers;
        system::Permission& permission;
        Defaults& defaults;
        const SystemLog& log;
        // Builds the update controller; the model owns what it returns.
        std::function<std::unique_ptr<UpdateController>(Defaults& defaults)> makeUpdates;
        // Tells the user what this computer needs before the pointer can be steadied.
        std::function<void()> explainPermission;
        std::function<void()> beep;
        // The desktop's double-click interval in seconds, read each time it is needed.
        std::function<double()> doubleClickInterval;
        // Builds the mode banner, which runs its timers on the model's loop; the model owns it.
        std::function<std::unique_ptr<ModeDisplay>(system::MainLoop& mainLoop)> makeOverlay;
        // Where explanations and feedback go; none: the service this build names.
        ServiceClient* services = nullptr;
        // The photo folder, the appearance, the relaunch and quitting, for the profile store.
        ProfileStore::Environment profile;
        // The full name of the user's account, read each time the profile's name is needed.
        std::function<QString()> accountFullName;
        // Where the hot keys and the emergency gesture come from in this session, and where to install (an empty
        // function: remove) the listener told when that changes (the user gives the keyboard grant).
        KeySource keys;
        std::function<void(std::function<void(KeySource)>)> watchKeys;
        // Told when the login session goes to the background (false: another user's session is in front) and
        // comes back (true): the pointing devices and the keyboards are given back meanwhile. Empty: nothing to do.
        std::function<void(bool inFront)> sessionInFront;
    };

    explicit AppModel(Platform platform, QObject* parent = nullptr);
    ~AppModel() override;

    bool wantsOn() const override { return wantsOn_; }
    void setWantsOn(bool value) override;
    FilterPreset::ID presetID() const { return presetID_; }
    void setPresetID(FilterPreset::ID value) override;
    bool clickGuardOn() const { return clickGuardOn_; }
    void setClickGuardOn(bool value);
    const std::optional<PersonalSetting>& personal() const override { return personal_; }
    void setPersonal(const std::optional<PersonalSetting>& value);
    bool calibrating() const { return calibrating_; }
    void setCalibrating(bool value);
    MainSection section() const { return section_; }
    void setSection(MainSection value);
    bool whatsNewUnseen() const { return whatsNewUnseen_; }
    bool isOn() const { return isOn_; }
    bool maySteerPointer() const override { return permissionWatch_->maySteerPointer(); }
    bool tapFailed() const { return permissionWatch_->tapFailed(); }
    bool emergencyNotice() const { return emergencyNotice_; }
    void setEmergencyNotice(bool value) override;
    bool shortcutTaken() const { return modes_->shortcutTaken(); }
    bool modeShortcutTaken() const { return modes_->modeShortcutTaken(); }

    ProfileStore& profile() { return *profile_; }
    FeedbackStore& feedback() { return *feedback_; }
    UpdateController& updates() { return *updates_; }
    ExplainStore& explain() { return *explain_; }
    ModeDisplay& overlay() { return modes_->overlay(); }
    // The hot keys, the modes they step through, the banner and the emergency gesture.
    ModeSwitcher& modes() { return *modes_; }
    const ModeSwitcher& modes() const { return *modes_; }
    Defaults& defaults() { return platform_.defaults; }

    // Brings the tap's filtering and `isOn` in line with the wish, the permission and a running calibration.
    void syncTap();
    // The preset in force.
    FilterPreset activePreset() const override;
    // The click-guard settings in force.
    ClickGuard::Settings clickSettings() const;

    // Modes and hot keys.
    std::vector<Mode> availableModes() const { return modes_->availableModes(); }
    void toggle() { modes_->toggle(); }
    void cycleMode(int step) { modes_->cycleMode(step); }
    void showModeBanner(const std::optional<QString>& detail = std::nullopt) { modes_->showModeBanner(detail); }
    void handleModifiersChanged(const system::ModifierState& state, double time)
    {
        modes_->handleModifiersChanged(state, time);
    }
    void applyPersonal(const PersonalSetting& setting);
    void markWhatsNewSeen();

    // Asks for what the pointer tap needs; changes no state, the permission watch notices a grant.
    void requestAccessibility();
    void openFeedback(FeedbackStore::Source source);

    // How the profile shows the user, read afresh from the profile store each time (it tells of changes to the
    // details and the photo): the name with its fallbacks, the e-mail without surrounding spaces, and the
    // initials of the name.
    QString profileName() const;
    // The full name of the user's account; empty when it has none.
    QString accountFullName() const;
    std::optional<QString> profileEmail() const;
    QString profileInitials() const;
    // What a feedback message says about the application, read afresh each time: its version, the operating
    // system, the language it runs in, the preset and the pointing device; empty values are left out.
    FeedbackStore::Details feedbackDetails() const;

signals:
    void wantsOnChanged(bool value);
    void presetIDChanged(quellarine::FilterPreset::ID value);
    void clickGuardOnChanged(bool value);
    void personalChanged();
    void sectionChanged(quellarine::MainSection value);
    void whatsNewUnseenChanged(bool value);
    void isOnChanged(bool value);
    void maySteerPointerChanged(bool value);
    void tapFailedChanged(bool value);
    void emergencyNoticeChanged(bool value);
    void shortcutTakenChanged(bool value);
    void modeShortcutTakenChanged(bool value);

private:
    void readSettings();
    void writePersonal();
    void installObservers();
    void watchPermission();
    void setIsOn(bool value);
    void setWhatsNewUnseen(bool value);

    Platform platform_;
    bool wantsOn_ = true;
    FilterPreset::ID presetID_ = FilterPreset::defaultID;
    bool clickGuardOn_ = true;
    std::optional<PersonalSetting> personal_;
    std::unique_ptr<ProfileStore> profile_;
    std::unique_ptr<FeedbackStore> feedback_;
    std::unique_ptr<UpdateController> updates_;
    std::unique_ptr<ExplainStore> explain_;
    bool calibrating_ = false;
    MainSection section_ = MainSection::home;
    bool whatsNewUnseen_ = false;
    bool isOn_ = false;
    bool emergencyNotice_ = false;
    PointerControl& tap_;
    std::unique_ptr<ModeSwitcher> modes_;
    std::unique_ptr<PermissionWatch> permissionWatch_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace quellarine
