#include "Quellarine/PageContent.h"

#include "Quellarine/HelpPage.h"
#include "Quellarine/StandInPage.h"

namespace quellarine {

QWidget* PageContent::make(AppModel& model, MainSection section, const OpenWindow& openWindow)
{
    switch (section) {
    case MainSection::help:
        return new HelpPage(model, openWindow);
    case MainSection::home:
    case MainSection::calibration:
    case MainSection::research:
    case MainSection::feedback:
    case MainSection::whatsNew:
    case MainSection::profile:
        break;
    }
    return new StandInPage(model, section);
}

} // namespace quellarine
