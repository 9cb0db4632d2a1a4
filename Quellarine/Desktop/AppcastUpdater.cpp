#include "Quellarine/Desktop/AppcastUpdater.h"

#include "Quellarine/Desktop/Appcast.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/NumericCompare.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace quellarine {

namespace {

const QString automaticallyChecksKey = QStringLiteral("updater.automaticallyChecks");
const QString lastCheckDateKey = QStringLiteral("updater.lastCheckDate");
const QString skippedBuildKey = QStringLiteral("updater.skippedBuild");

// A feed is a few kilobytes; anything far larger is not one.
constexpr qint64 maximumFeedSize = 1 << 20;

} // namespace

AppcastUpdater::AppcastUpdater(UpdaterDelegate& delegate, Defaults& defaults, Configuration configuration,
                               QObject* parent)
    : Updater(parent)
    , delegate_(delegate)
    , defaults_(defaults)
    , configuration_(std::move(configuration))
{
    if (!configuration_.openURL) {
        configuration_.openURL = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    }
    network_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    schedule_.setSingleShot(true);
    connect(&schedule_, &QTimer::timeout, this, &AppcastUpdater::scheduledCheckDue);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (reply_) {
            failCheck(UpdaterError::appcast, QStringLiteral("The update server took too long to answer."));
        }
    });
    // Each launch gets its own check from the application; the schedule covers a session that runs for days.
    if (automaticallyChecksForUpdates()) {
        schedule_.start(configuration_.checkInterval);
    }
}

AppcastUpdater::~AppcastUpdater()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
    alive_.reset();
    delete std::exchange(prompt_, nullptr);
}

bool AppcastUpdater::isAcceptableFeed(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty()) {
        return false;
    }
    if (url.scheme() == u"https") {
        return true;
    }
    return url.scheme() == u"http" && (url.host() == u"localhost" || QHostAddress(url.host()).isLoopback());
}

bool AppcastUpdater::canCheckForUpdates() const
{
    return isAcceptableFeed(configuration_.feedURL) && !reply_;
}

bool AppcastUpdater::automaticallyChecksForUpdates() const
{
    return defaults_.boolean(automaticallyChecksKey).value_or(true);
}

void AppcastUpdater::setAutomaticallyChecksForUpdates(bool value)
{
    defaults_.setBool(automaticallyChecksKey, value);
    if (!value) {
        schedule_.stop();
    } else if (!schedule_.isActive()) {
        schedule_.start(configuration_.checkInterval);
    }
}

std::optional<QDateTime> AppcastUpdater::lastUpdateCheckDate() const
{
    auto text = defaults_.string(lastCheckDateKey);
    if (!text) {
        return std::nullopt;
    }
    QDateTime date = QDateTime::fromString(*text, Qt::ISODateWithMs);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

void AppcastUpdater::checkForUpdatesInBackground()
{
    startCheck(false);
}

void AppcastUpdater::checkForUpdates()
{
    startCheck(true);
}

void AppcastUpdater::scheduledCheckDue()
{
    if (!automaticallyChecksForUpdates()) {
        return;
    }
    auto interval = configuration_.checkInterval;
    QDateTime now = QDateTime::currentDateTimeUtc();
    // A check made in the meantime (the user's, or the one at launch) moves the next one on.
    if (auto last = lastUpdateCheckDate(); last && *last <= now) {
        std::chrono::milliseconds elapsed(last->msecsTo(now));
        if (elapsed < interval) {
            schedule_.start(interval - elapsed);
            return;
        }
    }
    if (sessionInProgress_) {
        schedule_.start(interval);
        return;
    }
    startCheck(false);
}

void AppcastUpdater::startCheck(bool userInitiated)
{
    if (sessionInProgress_) {
        // One session at a time: the user's check brings the open window forward, or shows the running check.
        if (userInitiated) {
            const bool open = prompt_ != nullptr;
            userInitiated_ = true;
            if (UpdaterPrompt* shown = prompt(); shown != nullptr && !open) {
                shown->showChecking();
            }
        }
        return;
    }
    sessionInProgress_ = true;
    userInitiated_ = userInitiated;
    defaults_.setString(lastCheckDateKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    if (automaticallyChecksForUpdates()) {
        schedule_.start(configuration_.checkInterval);
    }
    if (UpdaterPrompt* shown = userInitiated ? prompt() : nullptr) {
        shown->showChecking();
    }
    if (!isAcceptableFeed(configuration_.feedURL)) {
        reportFailure(UpdaterError::appcast, QStringLiteral("The feed address is not an https address."));
        return;
    }

    QNetworkRequest request(configuration_.feedURL);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent_);
    request.setRawHeader("Accept", "application/rss+xml, application/xml;q=0.9, text/xml;q=0.8");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(static_cast<int>(configuration_.transferTimeout.count()));
    // A feed is small: it is asked for as it is, and a compressed body is refused rather than inflated, so that a
    // few kilobytes cannot unfold into gigabytes.
    request.setRawHeader("Accept-Encoding", "identity");
    if (configuration_.tls) {
        request.setSslConfiguration(*configuration_.tls);
    }
    feed_.clear();
    QNetworkReply* reply = network_.get(request);
    reply_ = reply;
    // Never more than a feed's worth in memory: what arrives is taken as it comes, and the network is not read
    // further ahead.
    reply->setReadBufferSize(maximumFeedSize + 1);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QByteArray coding = reply->rawHeader("Content-Encoding").trimmed().toLower();
        if (!coding.isEmpty() && coding != "identity") {
            failCheck(UpdaterError::appcastParse,
                      QStringLiteral("The feed came compressed though asked for as it is."));
            return;
        }
        bool known = false;
        qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && announced > maximumFeedSize) {
            failCheck(UpdaterError::appcastParse, QStringLiteral("The feed is larger than a feed can be."));
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { take(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { replyFinished(reply); });
    deadline_.start(configuration_.checkDeadline);
    emit canCheckForUpdatesChanged();
}

void AppcastUpdater::cancelCheck()
{
    if (!reply_) {
        return;
    }
    QNetworkReply* reply = reply_.data();
    reply_ = nullptr;
    deadline_.stop();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    emit canCheckForUpdatesChanged();
    // The closing window ends the session.
}

void AppcastUpdater::failCheck(UpdaterError code, const QString& description)
{
    QNetworkReply* reply = reply_.data();
    reply_ = nullptr;
    deadline_.stop();
    feed_.clear();
    if (reply != nullptr) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    emit canCheckForUpdatesChanged();
    reportFailure(code, description);
}

void AppcastUpdater::replyFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != reply_) {
        return;
    }
    if (reply->error() == QNetworkReply::NoError) {
        take(reply);
        if (reply != reply_) {
            return; // too large: the check has ended
        }
    }
    reply_ = nullptr;
    deadline_.stop();
    emit canCheckForUpdatesChanged();

    if (reply->error() != QNetworkReply::NoError) {
        reportFailure(UpdaterError::appcast, reply->errorString());
        return;
    }
    Appcast appcast;
    try {
        appcast = Appcast::parse(std::exchange(feed_, QByteArray()));
    } catch (const AppcastError& error) {
        reportFailure(UpdaterError::appcastParse, QString::fromStdString(error.what()));
        return;
    }

    AppcastItem newest = appcast.newest();
    bool newer = numericCompare(newest.versionString, configuration_.runningBuild) > 0;
    // A skipped build is not offered again unless the user asks.
    if (newer && !userInitiated_) {
        auto skipped = defaults_.string(skippedBuildKey);
        newer = !skipped || numericCompare(newest.versionString, *skipped) > 0;
    }
    if (newer) {
        offerUpdate(newest);
    } else {
        reportNoUpdate(newest);
    }
}

void AppcastUpdater::take(QNetworkReply* reply)
{
    while (reply == reply_ && reply->bytesAvailable() > 0) {
        feed_ += reply->read(maximumFeedSize + 1 - feed_.size());
        if (feed_.size() > maximumFeedSize) {
            failCheck(UpdaterError::appcastParse, QStringLiteral("The feed is larger than a feed can be."));
        }
    }
}

void AppcastUpdater::offerUpdate(const AppcastItem& item)
{
    delegate_.updaterDidFindValidUpdate(item);
    bool shows = userInitiated_;
    if (!shows) {
        bool immediateFocus = QGuiApplication::applicationState() == Qt::ApplicationActive;
        shows = !(delegate_.supportsGentleScheduledUpdateReminders()
                  && !delegate_.standardUserDriverShouldHandleShowingScheduledUpdate(item, immediateFocus));
    }
    delegate_.standardUserDriverWillHandleShowingUpdate(shows, item);
    if (!shows) {
        endSession();
        return;
    }
    offered_ = item;
    UpdaterPrompt* shown = prompt();
    if (shown == nullptr) {
        endSession();
        return;
    }
    shown->showUpdateFound(item, configuration_.appVersion);
}

void AppcastUpdater::reportNoUpdate(const AppcastItem& newest)
{
    delegate_.updaterDidNotFindUpdate();
    delegate_.updaterDidAbortWithError(static_cast<int>(UpdaterError::noUpdate),
                                       QStringLiteral("The feed lists nothing newer."));
    if (!userInitiated_) {
        endSession();
        return;
    }
    newest_ = newest;
    UpdaterPrompt* shown = prompt();
    if (shown == nullptr) {
        endSession();
        return;
    }
    shown->showNoUpdate(configuration_.appVersion);
}

void AppcastUpdater::reportFailure(UpdaterError code, const QString& description)
{
    delegate_.updaterDidAbortWithError(static_cast<int>(code), description);
    if (!userInitiated_) {
        endSession();
        return;
    }
    UpdaterPrompt* shown = prompt();
    if (shown == nullptr) {
        endSession();
        return;
    }
    shown->showError(code == UpdaterError::appcast
                         ? tr("The update server could not be reached. Check your connection to the internet "
                              "and try again later.")
                         : tr("The update information from the server could not be read. Please try again "
                              "later."));
}

void AppcastUpdater::makeChoice(UserUpdateChoice choice, const AppcastItem& item)
{
    switch (choice) {
    case UserUpdateChoice::skip:
        defaults_.setString(skippedBuildKey, item.versionString);
        break;
    case UserUpdateChoice::install:
        configuration_.openURL(item.infoURL.isEmpty() ? item.fileURL : item.infoURL);
        break;
    case UserUpdateChoice::dismiss:
        break;
    }
    delegate_.updaterUserDidMakeChoice(choice, item);
}

UpdaterPrompt* AppcastUpdater::prompt()
{
    if (prompt_ == nullptr && configuration_.makePrompt) {
        std::weak_ptr<bool> alive = alive_;
        const auto ifAlive = [alive](auto action) {
            return [alive, action](auto... arguments) {
                if (!alive.expired()) {
                    action(arguments...);
                }
            };
        };
        UpdaterPrompt::Answers answers{
            .cancelCheck = ifAlive([this] { cancelCheck(); }),
            .choose = ifAlive([this](UserUpdateChoice choice) {
                if (offered_) {
                    makeChoice(choice, *offered_);
                }
            }),
            .showVersionHistory = ifAlive([this] {
                if (newest_) {
                    delegate_.standardUserDriverShowVersionHistoryForAppcastItem(*newest_);
                }
            }),
            .showReleaseNotes = ifAlive([this] {
                if (offered_) {
                    configuration_.openURL(offered_->releaseNotesURL);
                }
            }),
            .closed = ifAlive([this] {
                prompt_ = nullptr;
                offered_.reset();
                newest_.reset();
                endSession();
            }),
        };
        prompt_ = configuration_.makePrompt(std::move(answers));
    }
    if (prompt_ != nullptr) {
        prompt_->present();
    }
    return prompt_;
}

void AppcastUpdater::endSession()
{
    sessionInProgress_ = false;
    userInitiated_ = false;
}

} // namespace quellarine
