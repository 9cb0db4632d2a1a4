#include "Quellarine/Shell/PageContent.h"

#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Pages/Feedback/FeedbackPage.h"
#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Home/HomePage.h"
#include "Quellarine/Pages/Profile/ProfilePage.h"
#include "Quellarine/Pages/Research/ResearchPage.h"
#include "Quellarine/Pages/WhatsNew/WhatsNewPage.h"

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
        return new ProfilePage(model);
    }
    return new HomePage(model);
}

} // namespace quellarine
