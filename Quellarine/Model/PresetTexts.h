#pragma once

#include "QuellarineKit/Pointer/FilterPreset.h"

#include <QString>

namespace quellarine {

// The display title and one-line summary of each preset, localised.
QString presetTitle(FilterPreset::ID id);
QString presetSummary(FilterPreset::ID id);

} // namespace quellarine
