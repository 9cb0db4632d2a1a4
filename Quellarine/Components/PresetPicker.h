#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace quellarine {

class AppModel;
class PresetTile;

// The preset chooser of the menu-bar window: the four steady presets, the three for special cases, the
// personal preset while the user has one, and the summary of the preset in force.
class PresetPicker : public QWidget {
    Q_OBJECT

public:
    PresetPicker(AppModel& model, bool large, QWidget* parent = nullptr);

    bool large() const { return large_; }
    // Every tile, in the order shown; the personal tile is last and may be hidden.
    const std::vector<PresetTile*>& tiles() const { return tiles_; }
    PresetTile* tile(FilterPreset::ID id) const;
    // Whether the "Made for your hand" group is shown.
    bool showsPersonal() const;
    QString summary() const;

private:
    void refresh();
    PresetTile* addTile(FilterPreset::ID id);

    AppModel& model_;
    bool large_;
    std::vector<PresetTile*> tiles_;
    QWidget* personalGroup_;
    QLabel* summary_;
};

} // namespace quellarine
