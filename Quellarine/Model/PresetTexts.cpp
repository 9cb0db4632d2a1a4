#include "Quellarine/Model/PresetTexts.h"

#include <QCoreApplication>

namespace quellarine {

QString presetTitle(FilterPreset::ID id)
{
    switch (id) {
    case FilterPreset::ID::gentle:
        return QCoreApplication::translate("Presets", "Gentle");
    case FilterPreset::ID::balanced:
        return QCoreApplication::translate("Presets", "Balanced");
    case FilterPreset::ID::strong:
        return QCoreApplication::translate("Presets", "Strong");
    case FilterPreset::ID::veryStrong:
        return QCoreApplication::translate("Presets", "Very strong");
    case FilterPreset::ID::precision:
        return QCoreApplication::translate("Presets", "Precision");
    case FilterPreset::ID::trackpad:
        return QCoreApplication::translate("Presets", "Trackpad");
    case FilterPreset::ID::largeMovements:
        return QCoreApplication::translate("Presets", "Large movements");
    case FilterPreset::ID::personal:
        return QCoreApplication::translate("Presets", "Personal");
    }
    return {};
}

QString presetSummary(FilterPreset::ID id)
{
    switch (id) {
    case FilterPreset::ID::gentle:
        return QCoreApplication::translate("Presets", "Light jitter, almost no delay");
    case FilterPreset::ID::balanced:
        return QCoreApplication::translate("Presets", "A good start for most people");
    case FilterPreset::ID::strong:
        return QCoreApplication::translate("Presets", "Clear shaking");
    case FilterPreset::ID::veryStrong:
        return QCoreApplication::translate("Presets", "Strong shaking; the pointer follows more slowly");
    case FilterPreset::ID::precision:
        return QCoreApplication::translate("Presets", "Small buttons and text; steadiest, slowest");
    case FilterPreset::ID::trackpad:
        return QCoreApplication::translate("Presets", "Tuned for trackpads");
    case FilterPreset::ID::largeMovements:
        return QCoreApplication::translate("Presets", "Steady at rest, quick across the screen");
    case FilterPreset::ID::personal:
        return QCoreApplication::translate("Presets", "Your test's preset, tuned by AI");
    }
    return {};
}

} // namespace quellarine
