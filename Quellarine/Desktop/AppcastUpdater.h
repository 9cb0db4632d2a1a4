#pragma once

#include "Quellarine/Desktop/Updater.h"
#include "Quellarine/Desktop/UpdaterPrompt.h"

#include <QNetworkAccessManager>
#include <QPointer>
#include <QSslConfiguration>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QNetworkReply;

namespace quellarine {

class Defaults;

// The updater on Linux: reads an RSS update feed over HTTPS, checks on its own every day when the user allows
// it, and offers a newer release. Installing is the user's: "install" opens the release's download page in the
// browser. Its own settings (automatic checks, the last check, a skipped build) live in the given defaults
// under "updater.*".
class AppcastUpdater final : public Updater {
    Q_OBJECT
public:
    // The updater's own name and version, sent in the user agent.
    static constexpr const char* name = "AppcastUpdater";
    static constexpr const char* version = "1.0";

    struct Configuration {
        // https; plain http only to this computer itself (tests).
        QUrl feedURL;
        // Compared with the feed's builds.
        QString runningBuild;
        // Named in the windows.
        QString appVersion;
        std::chrono::milliseconds checkInterval = std::chrono::hours(24);
        // A check that stalls this long fails, so that it cannot block further checks.
        std::chrono::milliseconds transferTimeout = std::chrono::seconds(30);
        // A check not done after this long fails too, however steadily the server trickles.
        std::chrono::milliseconds checkDeadline = std::chrono::seconds(60);
        // Opens a web page in the user's browser.
        std::function<bool(const QUrl&)> openURL;
        // The certificates trusted; the system's when absent.
        std::optional<QSslConfiguration> tls;
        // Makes the window of a check the user started; without one such a check shows nothing.
        UpdaterPrompt::Factory makePrompt;
    };

    AppcastUpdater(UpdaterDelegate& delegate, Defaults& defaults, Configuration configuration,
                   QObject* parent = nullptr);
    ~AppcastUpdater() override;

    static bool isAcceptableFeed(const QUrl& url);

    bool canCheckForUpdates() const override;
    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool value) override;
    bool sessionInProgress() const override { return sessionInProgress_; }
    std::optional<QDateTime> lastUpdateCheckDate() const override;
    void setUserAgentString(const QString& userAgent) override { userAgent_ = userAgent; }
    void checkForUpdatesInBackground() override;
    void checkForUpdates() override;

private:
    void startCheck(bool userInitiated);
    void cancelCheck();
    // Ends the running check at once as failed, whether or not its reply ever finishes.
    void failCheck(UpdaterError code, const QString& description);
    void replyFinished(QNetworkReply* reply);
    // Moves what has arrived into the feed's bytes, refusing a feed larger than a feed can be.
    void take(QNetworkReply* reply);
    void offerUpdate(const AppcastItem& item);
    void reportNoUpdate(const AppcastItem& newest);
    void reportFailure(UpdaterError code, const QString& description);
    void makeChoice(UserUpdateChoice choice, const AppcastItem& item);
    // The open prompt, made and brought forward; none when the configuration makes no prompts.
    UpdaterPrompt* prompt();
    void endSession();
    void scheduledCheckDue();

    UpdaterDelegate& delegate_;
    Defaults& defaults_;
    Configuration configuration_;
    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
    UpdaterPrompt* prompt_ = nullptr;
    // What the open prompt's answers refer to.
    std::optional<AppcastItem> offered_;
    std::optional<AppcastItem> newest_;
    // Gone when the updater is: a prompt closing after that calls back nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    QTimer schedule_;
    QTimer deadline_;
    QByteArray feed_; // what the running check has received
    QString userAgent_;
    bool sessionInProgress_ = false;
    bool userInitiated_ = false;
};

} // namespace quellarine
