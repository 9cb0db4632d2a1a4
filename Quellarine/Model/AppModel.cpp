#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ProfileIdentity.h"
#include "Quellarine/Model/PresetChoice.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/OperatingSystem.h"
#include "Quellarine/Desktop/SessionObservers.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/ExplainStore.h"
#include "Quellarine/Model/ShortcutNaming.h"
#include "Quellarine/Model/PermissionText.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Model/ProfileStore.h"
#include "Quellarine/Model/UpdateController.h"

#include "QuellarineKit/Support/DecodingError.h"

#include <QCoreApplication>

#include <nlohmann/json.hpp>

namespace quellarine {

namespace {

const QString filterOnKey = QStringLiteral("filterOn");
const QString clickGuardKey = QStringLiteral("clickGuard");
const QString presetKey = QStringLiteral("preset");
const QString personalKey = QStringLiteral("personalSetting");
const QString seenVersionKey = QStringLiteral("whatsNew.seenVersion");

} // namespace

AppModel::AppModel(Platform platform, QObject* parent)
    : QObject(parent)
    , platform_(std::move(platform))
    , tap_(platform_.pointer)
{
    Defaults& defaults = platform_.defaults;

    profile_ = std::make_unique<ProfileStore>(defaults, platform_.log, platform_.profile);
    ServiceClient& services = platform_.services ? *platform_.services : ServiceClient::shared();
    feedback_ = std::make_unique<FeedbackStore>(services);
    updates_ = platform_.makeUpdates(defaults);
    explain_ = std::make_unique<ExplainStore>(defaults, services, platform_.log);

    whatsNewUnseen_ = defaults.string(seenVersionKey).value_or(QString()) != UpdateController::appVersion()
        || !defaults.string(seenVersionKey);
    isTrusted_ = platform_.permission.isTrusted();
    overlay_ = platform_.makeOverlay(platform_.mainLoop);
    ShortcutNaming::setKeyboardLayout(&platform_.keyboardLayout);

    defaults.registerDefaults({{filterOnKey, true}, {clickGuardKey, true}});
    readSettings();

    // The system's double-click interval comes in once the tap starts.
    tap_.setClickSettings(clickGuardOn_ ? ClickGuard::Settings::on(0.5) : ClickGuard::Settings::off());
    tap_.setFiltering(false);
    tap_.setParameters(activePreset().parameters);

    hotKeyRegistry_ = std::make_unique<GlobalHotKey::Registry>(platform_.hotKeys);
    registerHotKeys();
    installMonitors();
    installObservers();

    platform_.log.info(QStringLiteral("Launched; Accessibility trusted: %1").arg(SystemLog::boolText(isTrusted_)));

    std::weak_ptr<bool> alive = alive_;
    updates_->onShowVersionHistory = [this, alive] {
        if (!alive.expired()) {
            setSection(MainSection::whatsNew);
        }
    };

    waitForAccess();
    watchTrust();
}

AppModel::~AppModel()
{
    alive_.reset();
    platform_.modifiers.setHandler({});
    ShortcutNaming::setKeyboardLayout(nullptr);
    if (watchTimer_ != 0) {
        platform_.mainLoop.cancel(watchTimer_);
    }
    tap_.stop();
}

void AppModel::readSettings()
{
    Defaults& defaults = platform_.defaults;
    presetID_ = FilterPreset::defaultID;
    if (auto stored = defaults.string(presetKey)) {
        presetID_ = FilterPreset::fromRaw(stored->toStdString()).value_or(FilterPreset::defaultID);
    }
    wantsOn_ = defaults.boolean(filterOnKey).value_or(true);
    clickGuardOn_ = defaults.boolean(clickGuardKey).value_or(true);
    personal_.reset();
    if (auto json = defaults.json(personalKey)) {
        try {
            auto setting = json->get<PersonalSetting>();
            if (setting.isValid()) {
                personal_ = setting;
            }
        } catch (const std::exception&) {
            // An unreadable stored setting is ignored and left on disk until the next assignment.
        }
    }
}

void AppModel::setWantsOn(bool value)
{
    bool changed = wantsOn_ != value;
    wantsOn_ = value;
    platform_.defaults.setBool(filterOnKey, value);
    syncTap();
    if (changed) {
        emit wantsOnChanged(value);
    }
}

void AppModel::setPresetID(FilterPreset::ID value)
{
    bool changed = presetID_ != value;
    presetID_ = value;
    platform_.defaults.setString(presetKey, QString::fromStdString(std::string(FilterPreset::rawValue(value))));
    tap_.setParameters(activePreset().parameters);
    if (changed) {
        emit presetIDChanged(value);
    }
}

void AppModel::setClickGuardOn(bool value)
{
    bool changed = clickGuardOn_ != value;
    clickGuardOn_ = value;
    platform_.defaults.setBool(clickGuardKey, value);
    tap_.setClickSettings(clickSettings());
    if (changed) {
        emit clickGuardOnChanged(value);
    }
}

void AppModel::setPersonal(const std::optional<PersonalSetting>& value)
{
    bool changed = personal_ != value;
    personal_ = value;
    writePersonal();
    tap_.setParameters(activePreset().parameters);
    if (changed) {
        emit personalChanged();
    }
}

void AppModel::writePersonal()
{
    if (personal_) {
        try {
            // A write that does not reach the disk now stays pending for the next one: the setting is kept.
            platform_.defaults.setJson(personalKey, nlohmann::json(*personal_));
            return;
        } catch (const EncodingError&) {
            // A setting that cannot be written as JSON is not kept on disk; the one in memory stays in force.
        }
    }
    platform_.defaults.remove(personalKey);
}

void AppModel::setCalibrating(bool value)
{
    bool changed = calibrating_ != value;
    calibrating_ = value;
    syncTap();
    tap_.setClickSettings(clickSettings());
    if (changed) {
        emit calibratingChanged(value);
    }
}

void AppModel::setSection(MainSection value)
{
    if (section_ != value) {
        section_ = value;
        emit sectionChanged(value);
    }
}

void AppModel::setEmergencyNotice(bool value)
{
    if (emergencyNotice_ != value) {
        emergencyNotice_ = value;
        emit emergencyNoticeChanged(value);
    }
}

void AppModel::setIsOn(bool value)
{
    if (isOn_ != value) {
        isOn_ = value;
        emit isOnChanged(value);
    }
}

void AppModel::setIsTrusted(bool value)
{
    if (isTrusted_ != value) {
        isTrusted_ = value;
        emit isTrustedChanged(value);
    }
}

void AppModel::setTapFailed(bool value)
{
    if (tapFailed_ != value) {
        tapFailed_ = value;
        emit tapFailedChanged(value);
    }
}

void AppModel::setWhatsNewUnseen(bool value)
{
    if (whatsNewUnseen_ != value) {
        whatsNewUnseen_ = value;
        emit whatsNewUnseenChanged(value);
    }
}

void AppModel::syncTap()
{
    bool filtering = wantsOn_ && isTrusted_ && !calibrating_;
    tap_.setFiltering(filtering);
    setIsOn(tap_.isFiltering() && tap_.isRunning());
}

FilterPreset AppModel::activePreset() const
{
    if (presetID_ != FilterPreset::ID::personal) {
        return FilterPreset::builtIn(presetID_).value_or(FilterPreset::balanced());
    }
    if (personal_) {
        if (auto preset = personal_->preset()) {
            return *preset;
        }
    }
    return FilterPreset::balanced();
}

ClickGuard::Settings AppModel::clickSettings() const
{
    if (clickGuardOn_ && !calibrating_) {
        return ClickGuard::Settings::on(platform_.doubleClickInterval());
    }
    return ClickGuard::Settings::off();
}

// Modes and hot keys

std::vector<AppModel::Mode> AppModel::availableModes() const
{
    std::vector<Mode> modes{std::nullopt};
    for (const auto& preset : FilterPreset::builtIn()) {
        modes.emplace_back(preset.id);
    }
    if (personal_) {
        modes.emplace_back(FilterPreset::ID::personal);
    }
    return modes;
}

void AppModel::toggle()
{
    setEmergencyNotice(false);
    setWantsOn(!wantsOn_);
    showModeBanner();
}

void AppModel::cycleMode(int step)
{
    setEmergencyNotice(false);
    auto modes = availableModes();
    int count = static_cast<int>(modes.size());
    Mode current;
    if (wantsOn_) {
        current = activePreset().id;
    }
    int index = 0;
    for (int candidate = 0; candidate < count; ++candidate) {
        if (modes[static_cast<std::size_t>(candidate)] == current) {
            index = candidate;
            break;
        }
    }
    int next = ((index + step) % count + count) % count;
    Mode mode = modes[static_cast<std::size_t>(next)];
    if (mode) {
        setPresetID(*mode);
    }
    setWantsOn(mode.has_value());
    showModeBanner();
}

void AppModel::showModeBanner(const std::optional<QString>& detail)
{
    QString title = wantsOn_ ? presetTitle(activePreset().id) : tr("Direct");
    QString text;
    if (detail) {
        text = *detail;
    } else {
        text = wantsOn_ ? presetSummary(activePreset().id) : tr("No smoothing: the pointer follows your hand directly");
    }
    if (!isTrusted_) {
        text = permissionNeededText();
    }
    std::optional<GlobalHotKey::Shortcut> shortcut;
    if (!modeShortcutTaken_) {
        shortcut = GlobalHotKey::Shortcut::nextMode();
    }
    overlay_->show(title, text, shortcut);
}

void AppModel::registerHotKeys()
{
    std::weak_ptr<bool> alive = alive_;
    auto guarded = [this, alive](std::function<void()> action) {
        return [this, alive, action = std::move(action)] {
            if (!alive.expired()) {
                action();
            }
        };
    };
    try {
        hotKeys_.push_back(GlobalHotKey::create(*hotKeyRegistry_, GlobalHotKey::Shortcut::defaultToggle(),
                                                guarded([this] { toggle(); })));
    } catch (const GlobalHotKey::HotKeyError&) {
        shortcutTaken_ = true;
        emit shortcutTakenChanged(true);
    }
    try {
        hotKeys_.push_back(GlobalHotKey::create(*hotKeyRegistry_, GlobalHotKey::Shortcut::nextMode(),
                                                guarded([this] { cycleMode(1); })));
    } catch (const GlobalHotKey::HotKeyError&) {
        // A taken next-mode key leaves the previous-mode key alone.
        modeShortcutTaken_ = true;
        emit modeShortcutTakenChanged(true);
        return;
    }
    try {
        hotKeys_.push_back(GlobalHotKey::create(*hotKeyRegistry_, GlobalHotKey::Shortcut::previousMode(),
                                                guarded([this] { cycleMode(-1); })));
    } catch (const GlobalHotKey::HotKeyError&) {
        modeShortcutTaken_ = true;
        emit modeShortcutTakenChanged(true);
    }
}

void AppModel::installMonitors()
{
    std::weak_ptr<bool> alive = alive_;
    platform_.modifiers.setHandler([this, alive](const system::ModifierState& state, double time) {
        if (!alive.expired()) {
            handleModifiersChanged(state, time);
        }
    });
}

void AppModel::handleModifiersChanged(const system::ModifierState& state, double time)
{
    bool others = state.shift || state.option || state.command || state.function;
    bool hit = emergency_.modifiersChanged(state.control, others, time);
    if (hit && wantsOn_) {
        setWantsOn(false);
        setEmergencyNotice(true);
        platform_.beep();
        showModeBanner(tr("Turned off because Ctrl was pressed 5 times"));
    }
}

void AppModel::installObservers()
{
    auto* observers = new SessionObservers(this);
    connect(observers, &SessionObservers::screensChanged, this, [this] { tap_.displaysChanged(); });
    auto reenable = [this] {
        tap_.ensureEnabled([](bool) {});
        tap_.displaysChanged();
    };
    connect(observers, &SessionObservers::woke, this, reenable);
    connect(observers, &SessionObservers::sessionBecameActive, this, reenable);
}

void AppModel::applyPersonal(const PersonalSetting& setting)
{
    if (!setting.isValid()) {
        return;
    }
    setPersonal(setting);
    choosePreset(*this, FilterPreset::ID::personal);
}

void AppModel::markWhatsNewSeen()
{
    platform_.defaults.setString(seenVersionKey, UpdateController::appVersion());
    setWhatsNewUnseen(false);
}

void AppModel::openFeedback(FeedbackStore::Source source)
{
    feedback_->setSource(source);
    setSection(MainSection::feedback);
}

QString AppModel::profileName() const
{
    return ProfileIdentity::name(profile_->displayName(), accountFullName());
}

QString AppModel::accountFullName() const
{
    return platform_.accountFullName ? platform_.accountFullName() : QString();
}

std::optional<QString> AppModel::profileEmail() const
{
    return ProfileIdentity::email(profile_->details().email);
}

QString AppModel::profileInitials() const
{
    return ProfileIdentity::initials(profileName());
}

FeedbackStore::Details AppModel::feedbackDetails() const
{
    FeedbackStore::Details details{
        {QStringLiteral("version"), UpdateController::appVersion()},
        {QStringLiteral("os"), OperatingSystem::version()},
        {QStringLiteral("lang"), Localization::current()},
        {QStringLiteral("preset"), QString::fromUtf8(FilterPreset::rawValue(presetID_))},
    };
    if (const auto device = profile_->device()) {
        details.insert(QStringLiteral("device"), ProfileStore::rawValue(*device));
    }
    details.removeIf([](const auto& entry) { return entry.value().isEmpty(); });
    return details;
}

// Permission

void AppModel::requestAccessibility()
{
    if (platform_.permission.isTrusted()) {
        return;
    }
    platform_.explainPermission();
}

void AppModel::waitForAccess()
{
    if (waiting_) {
        return;
    }
    waiting_ = true;
    waitStep();
}

void AppModel::waitStep()
{
    if (!platform_.permission.isTrusted()) {
        std::weak_ptr<bool> alive = alive_;
        platform_.mainLoop.scheduleAfter(1.0, [this, alive] {
            if (!alive.expired()) {
                waitStep();
            }
        });
        return;
    }
    waiting_ = false;
    setIsTrusted(true);
    std::weak_ptr<bool> alive = alive_;
    tap_.start([this, alive](bool started) {
        if (alive.expired()) {
            return;
        }
        if (started) {
            setTapFailed(false);
            platform_.log.info(QStringLiteral("Accessibility granted, tap started"));
        } else {
            setTapFailed(true);
            platform_.log.error(QStringLiteral("Accessibility granted but the tap could not be created"));
        }
        // Now that it is known whether the tap runs.
        syncTap();
    });
    // Given right behind the start, not once its answer is back: the answer comes through this thread's loop, which
    // at launch runs only once the windows are built, and until then a started tap would hold the user's devices
    // and pass the hand on unsteadied. A tap that could not start does nothing with them.
    tap_.setClickSettings(clickSettings());
    syncTap();
}

void AppModel::watchTrust()
{
    std::weak_ptr<bool> alive = alive_;
    watchTimer_ = platform_.mainLoop.scheduleRepeating(5.0, 5.0, [this, alive] {
        if (alive.expired()) {
            return;
        }
        bool trusted = platform_.permission.isTrusted();
        if (trusted != isTrusted_) {
            platform_.log.info(QStringLiteral("Accessibility trusted changed to %1").arg(SystemLog::boolText(trusted)));
            setIsTrusted(trusted);
            if (!trusted) {
                tap_.stop();
                waitForAccess();
            }
            syncTap();
        }
        tap_.ensureEnabled([this, alive, trusted](bool wasEnabled) {
            if (alive.expired()) {
                return;
            }
            if (trusted && !wasEnabled) {
                platform_.log.info(QStringLiteral("Tap was off; turned it back on"));
            }
            int moves = tap_.externalMoves();
            if (moves != loggedExternalMoves_) {
                loggedExternalMoves_ = moves;
                platform_.log.info(QStringLiteral("Cursor found where we didn't put it: %1 times so far").arg(moves));
            }
        });
    });
}

} // namespace quellarine
