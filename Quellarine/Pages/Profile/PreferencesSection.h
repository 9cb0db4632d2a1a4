#pragma once

#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Pages/Profile/ProfileSection.h"

#include <QPointer>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace quellarine {

class AppModel;
class CalibrationRow;
class DeviceOption;
class DropIn;
class Notice;
class SegmentedPicker;
class SymbolLabel;
class ToggleSwitch;

// The profile page's "Make it yours": the pointing device (which also suits the preset to it), the appearance,
// the interface language with the offer to restart in it, the click guard, and the calibration test's summary. Every
// control writes straight into the profile store or the application model, which keep the change at once.
class PreferencesSection : public ProfileSection {
    Q_OBJECT

public:
    // The languages offered, each by its own name in its own script whatever the interface language.
    static const std::vector<std::pair<QString, QString>>& languages();
    // The device's hint under the cards; none while no device is chosen.
    static std::optional<QString> deviceHint(std::optional<ProfileStore::Device> device);
    // Chooses the device and suits the preset to it: a trackpad gets the trackpad preset, a mouse leaves the
    // trackpad preset for the balanced one, both leave the preset alone.
    static void choose(AppModel& model, ProfileStore::Device device);

    explicit PreferencesSection(AppModel& model, QWidget* parent = nullptr);

    const std::vector<DeviceOption*>& deviceOptions() const { return devices_; }
    DeviceOption& deviceOption(ProfileStore::Device device) const;
    // Shown only while a device is chosen; it drops into place and rises away.
    SymbolLabel& hint() const { return *hint_; }
    SegmentedPicker& appearancePicker() const { return *appearance_; }
    QComboBox& languagePicker() const { return *language_; }
    // Shown only while the chosen language differs from the one the application started in; it drops into place
    // and rises away.
    QWidget& restartNotice() const { return *restartNotice_; }
    DropIn& noticeTransition() const { return *noticeTransition_; }
    QPushButton& restartButton() const { return *restart_; }
    // The warning shown after a restart that could not happen; none before.
    Notice* restartFailure() const;
    ToggleSwitch& clickGuardSwitch() const { return *clickGuard_; }
    // The calibration test's summary, which leads to its page.
    CalibrationRow& calibrationRow() const { return *calibrationRow_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDevices();
    QWidget* buildLanguage();
    void refreshDevice();
    void refreshAppearance();
    void refreshLanguage();
    void showRestartFailure();

    AppModel& model_;
    ProfileStore& profile_;
    std::vector<DeviceOption*> devices_;
    SymbolLabel* hint_ = nullptr;
    DropIn* hintTransition_ = nullptr;
    SegmentedPicker* appearance_ = nullptr;
    QComboBox* language_ = nullptr;
    QWidget* restartNotice_ = nullptr;
    DropIn* noticeTransition_ = nullptr;
    QPushButton* restart_ = nullptr;
    QPointer<Notice> restartFailure_;
    ToggleSwitch* clickGuard_ = nullptr;
    CalibrationRow* calibrationRow_ = nullptr;
};

} // namespace quellarine
