#include "Quellarine/Shell/PageContent.h"

#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Feedback/FeedbackPage.h"
#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Home/HomePage.h"
#include "Quellarine/Pages/Research/ResearchPage.h"
#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"
#include "Quellarine/Shell/StandInPage.h"

namespace quellarine {

QWidget* PageContent::make(AppModel& model, MainSection section, const OpenWindow& openWindow)
{
    switch (section) {
    case MainSection::home:
        return new HomePage(model);
    case MainSection::calibration:
        return new CalibrationView(model);
    case MainSection::help:
        return new HelpPage(model, openWindow);
    case MainSection::feedback:
        return new FeedbackPage(model);
    case MainSection::whatsNew:
        return new WhatsNewPage(model);
    case MainSection::research:
        return new ResearchPage;
    case MainSection::profile:
        // Its own page comes later; until then the section is named, nothing more.
        return new StandInPage(section);
    }
    return new StandInPage(section);
}

} // namespace quellarine
