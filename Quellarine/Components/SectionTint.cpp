#include "Quellarine/Components/SectionTint.h"

#include "Quellarine/Components/Brand.h"

namespace quellarine {

DynamicColor tint(MainSection section)
{
    switch (section) {
    case MainSection::home:
    case MainSection::profile:
        return Brand::accent;
    case MainSection::calibration:
        return Brand::warm;
    case MainSection::research:
        return Brand::color(0xB07A2A, 0xD39A45);
    case MainSection::help:
        return Brand::color(0x3A78C2, 0x5B97E0);
    case MainSection::feedback:
        return Brand::color(0x2A8582, 0x4DB3AE);
    case MainSection::whatsNew:
        return Brand::color(0x2E6FA6, 0x5FA3D8);
    }
    return Brand::accent;
}

} // namespace quellarine
