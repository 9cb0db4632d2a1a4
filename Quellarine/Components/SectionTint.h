#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Model/MainSection.h"

namespace quellarine {

// A section's colour: its sidebar tile, and the accents of its page.
DynamicColor tint(MainSection section);

} // namespace quellarine
