#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

namespace quellarine {

class AppModel;

// Choosing a preset, from a tile, a card, the menu or a personal setting: always stores the choice (also when it
// is the current one, so the setting is written and the tap gets the parameters again), and switches smoothing
// on when the user has it off and the permission is there. Without the permission only the preset changes.
void choosePreset(AppModel& model, FilterPreset::ID id);

} // namespace quellarine
