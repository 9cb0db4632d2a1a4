#pragma once

#include "Quellarine/MainSection.h"

class QWidget;

namespace quellarine {

class AppModel;

// The page of a section of the main window, built afresh each time the section is shown.
class PageContent {
public:
    static QWidget* make(AppModel& model, MainSection section);
};

} // namespace quellarine
