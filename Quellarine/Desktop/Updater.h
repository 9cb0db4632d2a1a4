#pragma once

#include "Quellarine/Desktop/AppcastItem.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

namespace quellarine {

// What the user chose in the update window; the values are fixed (0 is "skip this version").
enum class UserUpdateChoice { skip = 0, install = 1, dismiss = 2 };

// Why a check ended without an update being offered.
enum class UpdaterError : int {
    // The feed was fetched but is not a usable feed.
    appcastParse = 1000,
    // The feed lists nothing newer than the running build.
    noUpdate = 1001,
    // The feed could not be fetched.
    appcast = 1002,
};

// The updater's owner hears about every check through these calls, all made on the main thread.
class UpdaterDelegate {
public:
    virtual ~UpdaterDelegate() = default;

    virtual void updaterDidFindValidUpdate(const AppcastItem& item) = 0;
    // Every check that offers nothing ends here too, the plain "nothing newer" with UpdaterError::noUpdate.
    virtual void updaterDidAbortWithError(int code, const QString& description) = 0;
    virtual void updaterDidNotFindUpdate() = 0;
    virtual void updaterUserDidMakeChoice(UserUpdateChoice choice, const AppcastItem& item) = 0;
    virtual bool supportsGentleScheduledUpdateReminders() const = 0;

    // Whether the updater's own window shows an update that a scheduled check found; only asked when the
    // delegate supports gentle reminders, otherwise the window shows.
    virtual bool standardUserDriverShouldHandleShowingScheduledUpdate(const AppcastItem& item, bool immediateFocus) = 0;
    // Told before an update is presented, whoever presents it.
    virtual void standardUserDriverWillHandleShowingUpdate(bool handleShowingUpdate, const AppcastItem& item) = 0;
    virtual void standardUserDriverShowVersionHistoryForAppcastItem(const AppcastItem& item) = 0;
};

// The software updater: checks a feed for a newer release, on its own schedule or when asked, and shows the
// user's own checks in its windows.
class Updater : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether a check may start now.
    virtual bool canCheckForUpdates() const = 0;
    // The user's choice of scheduled checks, kept by the updater.
    virtual bool automaticallyChecksForUpdates() const = 0;
    virtual void setAutomaticallyChecksForUpdates(bool value) = 0;
    // True while a check runs or its window is open.
    virtual bool sessionInProgress() const = 0;
    virtual std::optional<QDateTime> lastUpdateCheckDate() const = 0;
    // Sent with every request.
    virtual void setUserAgentString(const QString& userAgent) = 0;

    // A check treated like a scheduled one: its result goes to the delegate, and an update it finds is shown
    // only where the delegate lets the updater show it.
    virtual void checkForUpdatesInBackground() = 0;
    // The user's check, shown in the updater's windows from start to end.
    virtual void checkForUpdates() = 0;

signals:
    void canCheckForUpdatesChanged();
};

} // namespace quellarine
