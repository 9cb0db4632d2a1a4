#include "Quellarine/Model/PresetChoice.h"

#include "Quellarine/Model/AppModel.h"

namespace quellarine {

void choosePreset(AppModel& model, FilterPreset::ID id)
{
    model.setPresetID(id);
    if (model.maySteerPointer() && !model.wantsOn()) {
        model.setWantsOn(true);
    }
}

} // namespace quellarine
