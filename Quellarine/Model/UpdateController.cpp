#include "Quellarine/Model/UpdateController.h"

#include "Quellarine/Desktop/AppcastUpdater.h"
#include "Quellarine/Desktop/Appcast.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/NumericCompare.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>

namespace quellarine {

namespace {

const QString availableVersionKey = QStringLiteral("updates.availableVersion");
const QString availableBuildKey = QStringLiteral("updates.availableBuild");

// A user check this soon after the updater found nothing is answered without asking again.
constexpr qint64 recentNoUpdateMilliseconds = 60'000;
// The launch check leaves out a launch that follows a check this recent.
constexpr qint64 recentCheckMilliseconds = 3'600'000;

// Whether a past moment lies less than the span before now; a moment in the future never counts.
bool isRecent(const std::optional<QDateTime>& moment, const QDateTime& now, qint64 spanMilliseconds)
{
    return moment && *moment <= now && moment->msecsTo(now) < spanMilliseconds;
}

UpdateController::UpdaterFactory configuredUpdater(Defaults& defaults, UpdaterPrompt::Factory makePrompt)
{
    return [&defaults, makePrompt = std::move(makePrompt)](UpdaterDelegate& delegate) -> std::unique_ptr<Updater> {
        QUrl feed(QStringLiteral(QUELLARINE_UPDATE_FEED));
        if (feed.isEmpty()) {
            return nullptr;
        }
        AppcastUpdater::Configuration configuration;
        configuration.feedURL = feed;
        configuration.runningBuild = UpdateController::runningBuild();
        configuration.appVersion = UpdateController::appVersion();
        configuration.makePrompt = makePrompt;
        return std::make_unique<AppcastUpdater>(delegate, defaults, std::move(configuration));
    };
}

} // namespace

UpdateController::Environment UpdateController::systemEnvironment()
{
    Environment environment;
    environment.now = [] { return QDateTime::currentDateTimeUtc(); };
    environment.after = [](std::chrono::milliseconds delay, std::function<void()> action) {
        QTimer::singleShot(delay, std::move(action));
    };
    environment.runningBuild = runningBuild();
    return environment;
}

UpdateController::UpdateController(Defaults& defaults, UpdaterPrompt::Factory makePrompt, QObject* parent)
    : UpdateController(defaults, configuredUpdater(defaults, std::move(makePrompt)), systemEnvironment(), parent)
{
}

UpdateController::UpdateController(Defaults& defaults, const UpdaterFactory& makeUpdater, Environment environment,
                                   QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , environment_(std::move(environment))
{
    if (makeUpdater) {
        updater_ = makeUpdater(*this);
    }
    if (updater_) {
        updater_->setUserAgentString(userAgent());
        setAutomaticallyChecks(updater_->automaticallyChecksForUpdates());
        connect(updater_.get(), &Updater::canCheckForUpdatesChanged, this,
                [this] { setCanCheck(updater_->canCheckForUpdates()); });
        setCanCheck(updater_->canCheckForUpdates());
    }
    scheduleLaunchCheck();

    // A stored update stays known only while it is newer than what runs; otherwise it has been installed. One
    // that no feed could name (stored by an earlier version from a hostile feed) is forgotten too.
    auto build = defaults_.string(availableBuildKey);
    auto version = defaults_.string(availableVersionKey);
    bool sane = build && build->size() <= Appcast::maximumVersionLength
        && (!version || version->size() <= Appcast::maximumVersionLength);
    if (sane && numericCompare(*build, environment_.runningBuild) > 0) {
        setAvailable(version);
    } else {
        remember(nullptr);
    }
}

UpdateController::~UpdateController() = default;

void UpdateController::setCanCheck(bool value)
{
    if (canCheck_ == value) {
        return;
    }
    canCheck_ = value;
    emit canCheckChanged(value);
}

void UpdateController::setAvailable(const std::optional<QString>& value)
{
    if (available_ == value) {
        return;
    }
    available_ = value;
    emit availableChanged(value);
}

void UpdateController::setAutomaticallyChecks(bool value)
{
    bool changed = automaticallyChecks_ != value;
    automaticallyChecks_ = value;
    if (updater_) {
        updater_->setAutomaticallyChecksForUpdates(value);
    }
    if (changed) {
        emit automaticallyChecksChanged(value);
    }
}

void UpdateController::checkForUpdates()
{
    if (!updater_) {
        return;
    }
    QDateTime now = environment_.now();
    if (!available_ && isRecent(lastNoUpdate_, now, recentNoUpdateMilliseconds)) {
        showUpToDate();
    } else {
        updater_->checkForUpdates();
    }
}

void UpdateController::remember(const AppcastItem* item)
{
    if (item) {
        setAvailable(item->displayVersionString);
        defaults_.setStrings(
            {{availableVersionKey, item->displayVersionString}, {availableBuildKey, item->versionString}});
    } else {
        setAvailable(std::nullopt);
        defaults_.remove(QStringList{availableVersionKey, availableBuildKey});
    }
}

void UpdateController::scheduleLaunchCheck()
{
    std::chrono::milliseconds delay(QRandomGenerator::global()->bounded(10'000, 30'001));
    QPointer<UpdateController> self(this);
    environment_.after(delay, [self] {
        if (self) {
            self->launchCheck(self->environment_.now());
        }
    });
}

void UpdateController::launchCheck(const QDateTime& now)
{
    if (!updater_ || !updater_->automaticallyChecksForUpdates() || !updater_->canCheckForUpdates()
        || updater_->sessionInProgress()) {
        return;
    }
    if (isRecent(updater_->lastUpdateCheckDate(), now, recentCheckMilliseconds)) {
        return;
    }
    updater_->checkForUpdatesInBackground();
}

void UpdateController::showUpToDate()
{
    if (onShowUpToDate) {
        onShowUpToDate();
    }
}

QString UpdateController::appVersion()
{
    return QStringLiteral(QUELLARINE_VERSION);
}

QString UpdateController::runningBuild()
{
    QString build = QStringLiteral(QUELLARINE_BUILD_NUMBER);
    return build.isEmpty() ? QStringLiteral("0") : build;
}

QString UpdateController::kernelMajorMinor(const QString& kernelVersion)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d+)\.(\d+))"));
    auto match = pattern.match(kernelVersion);
    if (!match.hasMatch()) {
        return QStringLiteral("0.0");
    }
    return QStringLiteral("%1.%2").arg(match.captured(1).toULongLong()).arg(match.captured(2).toULongLong());
}

QString UpdateController::userAgent()
{
    return QStringLiteral("Quellarine/%1 %2/%3 Linux/%4")
        .arg(appVersion(), QLatin1StringView(AppcastUpdater::name), QLatin1StringView(AppcastUpdater::version),
             kernelMajorMinor(QSysInfo::kernelVersion()));
}

void UpdateController::updaterDidFindValidUpdate(const AppcastItem& item)
{
    remember(&item);
    lastNoUpdate_.reset();
}

void UpdateController::updaterDidAbortWithError(int code, const QString&)
{
    if (code != static_cast<int>(UpdaterError::noUpdate)) {
        lastNoUpdate_.reset();
    }
}

void UpdateController::updaterDidNotFindUpdate()
{
    remember(nullptr);
    lastNoUpdate_ = environment_.now();
}

void UpdateController::updaterUserDidMakeChoice(UserUpdateChoice choice, const AppcastItem&)
{
    if (choice == UserUpdateChoice::skip) {
        remember(nullptr);
    }
}

// Updates found by scheduled checks are shown in the application's own places.
bool UpdateController::standardUserDriverShouldHandleShowingScheduledUpdate(const AppcastItem&, bool)
{
    return false;
}

void UpdateController::standardUserDriverWillHandleShowingUpdate(bool, const AppcastItem& item)
{
    remember(&item);
}

void UpdateController::standardUserDriverShowVersionHistoryForAppcastItem(const AppcastItem&)
{
    if (onShowVersionHistory) {
        onShowVersionHistory();
    }
}

} // namespace quellarine
