#pragma once

#include "Quellarine/Components/EmergencyNotice.h"

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace quellarine {

class AdaptiveGridLayout;
class AppModel;
class CalibrationRow;
class ClickGuardRow;
class HomeHeader;
class Notice;
class PresetCard;

// The main window's overview: whether steadying is on (with its switch), the two conditions the user must see
// (smoothing turned off by the emergency presses, a pointer tap the system refused), the presets as cards, the
// way to the calibration test and the click guard. It keeps no state of its own: everything shown is read from
// the model, every change goes back through it.
class HomePage : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 22;
    static constexpr int sectionSpacing = 12;
    static constexpr int minimumColumnWidth = 260;
    static constexpr int gridSpacing = 12;
    // The entrances of the presets, the calibration prompt and the clicking section.
    static constexpr double presetsDelay = 0.08;
    static constexpr double calibrationDelay = 0.12;
    static constexpr double clickingDelay = 0.16;

    explicit HomePage(AppModel& model, QWidget* parent = nullptr);

    HomeHeader& header() const { return *header_; }
    // The emergency-off notice; a click anywhere on it dismisses it.
    EmergencyNotice& emergencyNotice() const { return *emergencyNotice_; }
    QString emergencyText() const;
    Notice& tapFailedNotice() const { return *tapFailedNotice_; }

    QWidget& presetsSection() const { return *presets_; }
    QWidget& calibrationSection() const { return *calibration_; }
    QWidget& clickingSection() const { return *clicking_; }

    // Every preset card in the order shown; the personal card is last and may be hidden.
    const std::vector<PresetCard*>& cards() const { return cards_; }
    PresetCard* card(FilterPreset::ID id) const;
    // How many columns the steady presets' grid has at its current width.
    int gridColumns() const;
    QWidget& personalGroup() const { return *personalGroup_; }
    // The next-mode shortcut hint shown in place of the personal group.
    QWidget& hintRow() const { return *hintRow_; }

    CalibrationRow& calibrationRow() const { return *calibrationRow_; }
    ClickGuardRow& clickGuardRow() const { return *clickGuardRow_; }

private:
    QWidget* buildPresets();
    QWidget* buildCalibration();
    QWidget* buildClicking();
    QWidget* grid(std::initializer_list<FilterPreset::ID> ids, QWidget* parent);
    void refresh();

    AppModel& model_;
    HomeHeader* header_;
    EmergencyNotice* emergencyNotice_;
    Notice* tapFailedNotice_;
    QWidget* presets_ = nullptr;
    QWidget* calibration_ = nullptr;
    QWidget* clicking_ = nullptr;
    std::vector<PresetCard*> cards_;
    AdaptiveGridLayout* steadyGrid_ = nullptr;
    QWidget* personalGroup_ = nullptr;
    QWidget* hintRow_ = nullptr;
    CalibrationRow* calibrationRow_ = nullptr;
    ClickGuardRow* clickGuardRow_ = nullptr;
};

} // namespace quellarine
