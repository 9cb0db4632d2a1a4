#include "Quellarine/PageContent.h"

#include "Quellarine/StandInPage.h"

namespace quellarine {

QWidget* PageContent::make(AppModel& model, MainSection section)
{
    switch (section) {
    case MainSection::home:
    case MainSection::calibration:
    case MainSection::research:
    case MainSection::help:
    case MainSection::feedback:
    case MainSection::whatsNew:
    case MainSection::profile:
        break;
    }
    return new StandInPage(model, section);
}

} // namespace quellarine
