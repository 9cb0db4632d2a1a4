#pragma once

#include "Quellarine/Desktop/Updater.h"

#include <QString>

#include <functional>

namespace quellarine {

// What the updater shows during a check the user started: the check running, then its outcome. The updater
// drives it; the window itself is a view made above this layer.
class UpdaterPrompt {
public:
    // What the user does in the prompt. Each runs on the main thread.
    struct Answers {
        std::function<void()> cancelCheck;
        std::function<void(UserUpdateChoice choice)> choose;
        std::function<void()> showVersionHistory;
        std::function<void()> showReleaseNotes;
        // The prompt is gone, whatever closed it; runs once, as the last answer.
        std::function<void()> closed;
    };

    // Makes a prompt that answers through `answers`. The prompt owns itself until it is closed.
    using Factory = std::function<UpdaterPrompt*(Answers answers)>;

    virtual ~UpdaterPrompt() = default;

    virtual void showChecking() = 0;
    virtual void showNoUpdate(const QString& appVersion) = 0;
    virtual void showUpdateFound(const AppcastItem& item, const QString& appVersion) = 0;
    virtual void showError(const QString& message) = 0;
    // Shows the prompt, brings it forward and gives it the focus.
    virtual void present() = 0;
};

} // namespace quellarine
