#pragma once

#include "Quellarine/Model/MainSection.h"

#include <QString>

#include <functional>

class QWidget;

namespace quellarine {

class AppModel;

// The page of a section of the main window, built afresh each time the section is shown.
class PageContent {
public:
    // Opens the window with this identity, or brings it forward when it is open.
    using OpenWindow = std::function<void(const QString& identity)>;

    static QWidget* make(AppModel& model, MainSection section, const OpenWindow& openWindow);
};

} // namespace quellarine
