#pragma once

#include "Quellarine/Desktop/Updater.h"
#include "Quellarine/Desktop/UpdaterPrompt.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace quellarine {

class Defaults;

// Owns the software updater and publishes what the views show of it: whether a check can start, a newer
// version that is known (kept across launches), and the user's choice of automatic checks. It makes one
// background check 10 to 30 s after launch, and shows updates found by scheduled checks in the application's
// own places instead of the updater's window.
class UpdateController : public QObject, private UpdaterDelegate {
    Q_OBJECT
    Q_PROPERTY(bool canCheck READ canCheck NOTIFY canCheckChanged)
    Q_PROPERTY(std::optional<QString> available READ available NOTIFY availableChanged)
    Q_PROPERTY(bool automaticallyChecks READ automaticallyChecks WRITE setAutomaticallyChecks NOTIFY
                   automaticallyChecksChanged)
public:
    // Builds the updater that calls the controller back; none means this build has no updater.
    using UpdaterFactory = std::function<std::unique_ptr<Updater>(UpdaterDelegate& delegate)>;

    // What the controller takes from the process; tests replace it.
    struct Environment {
        std::function<QDateTime()> now;
        // Runs the action once, after the delay, on the main loop.
        std::function<void(std::chrono::milliseconds delay, std::function<void()> action)> after;
        // The running build, ordered against the stored one.
        QString runningBuild;
    };
    static Environment systemEnvironment();

    // With the update feed this build was configured with; `makePrompt` makes the window of a check the user
    // started.
    UpdateController(Defaults& defaults, UpdaterPrompt::Factory makePrompt, QObject* parent = nullptr);
    UpdateController(Defaults& defaults, const UpdaterFactory& makeUpdater, Environment environment,
                     QObject* parent = nullptr);
    ~UpdateController() override;

    bool canCheck() const { return canCheck_; }
    // The display version of a known newer update.
    std::optional<QString> available() const { return available_; }
    bool automaticallyChecks() const { return automaticallyChecks_; }
    // Always hands the value to the updater, also when it did not change.
    void setAutomaticallyChecks(bool value);

    // The one entry for every button and command that checks for updates.
    void checkForUpdates();

    // The application's version; empty when the build has none.
    static QString appVersion();
    // The application's build number, or "0" when the build has none.
    static QString runningBuild();
    static QString userAgent();
    // "major.minor" of a kernel release such as "6.1.0-18-amd64".
    static QString kernelMajorMinor(const QString& kernelVersion);

    // Set by the owner; runs when the user asks for the version history.
    std::function<void()> onShowVersionHistory;
    // Set by the shell; runs when a user check is answered without asking the updater again: nothing newer was
    // found within the last minute.
    std::function<void()> onShowUpToDate;

signals:
    void canCheckChanged(bool canCheck);
    void availableChanged(const std::optional<QString>& available);
    void automaticallyChecksChanged(bool automaticallyChecks);

private:
    void setCanCheck(bool value);
    void setAvailable(const std::optional<QString>& value);
    void remember(const AppcastItem* item);
    void scheduleLaunchCheck();
    void launchCheck(const QDateTime& now);
    void showUpToDate();

    void updaterDidFindValidUpdate(const AppcastItem& item) override;
    void updaterDidAbortWithError(int code, const QString& description) override;
    void updaterDidNotFindUpdate() override;
    void updaterUserDidMakeChoice(UserUpdateChoice choice, const AppcastItem& item) override;
    bool supportsGentleScheduledUpdateReminders() const override { return true; }
    bool standardUserDriverShouldHandleShowingScheduledUpdate(const AppcastItem& item, bool immediateFocus) override;
    void standardUserDriverWillHandleShowingUpdate(bool handleShowingUpdate, const AppcastItem& item) override;
    void standardUserDriverShowVersionHistoryForAppcastItem(const AppcastItem& item) override;

    bool canCheck_ = false;
    std::optional<QString> available_;
    bool automaticallyChecks_ = false;
    // When the updater last said there is no update; memory only.
    std::optional<QDateTime> lastNoUpdate_;
    Defaults& defaults_;
    Environment environment_;
    std::unique_ptr<Updater> updater_;
};

} // namespace quellarine
