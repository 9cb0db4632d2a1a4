#include "Quellarine/Shell/PageContent.h"

#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Feedback/FeedbackPage.h"
#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Home/HomePage.h"
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
    case MainSection::research:
    case MainSection::whatsNew:
    case MainSection::profile:
        // Their own pages come later; until then the section is named, nothing more.
        return new StandInPage(model, section);
    }
    return new StandInPage(model, section);
}

} // namespace quellarine
