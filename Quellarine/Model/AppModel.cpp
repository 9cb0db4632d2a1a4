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
    permissionWatch_ = std::make_unique<PermissionWatch>(
        PermissionWatch::Platform{platform_.permission, platform_.mainLoop, tap_, platform_.log});
    ShortcutNaming::setKeyboardLayout(&platform_.keyboardLayout);

    defaults.registerDefaults({{filterOnKey, true}, {clickGuardKey, true}});
    readSettings();

    // The system's double-click interval comes in once the tap starts.
    tap_.setClickSettings(clickGuardOn_ ? ClickGuard::Settings::on(0.5) : ClickGuard::Settings::off());
    tap_.setFiltering(false);
    tap_.setParameters(activePreset().parameters);

    modes_ = std::make_unique<ModeSwitcher>(*this,
                                            ModeSwitcher::Environment{
                                                .hotKeys = platform_.hotKeys,
                                                .modifiers = platform_.modifiers,
                                                .keys = platform_.keys,
                                                .beep = platform_.beep,
                                                .overlay = platform_.makeOverlay(platform_.mainLoop),
                                            });
    connect(modes_.get(), &ModeSwitcher::shortcutTakenChanged, this, &AppModel::shortcutTakenChanged);
    connect(modes_.get(), &ModeSwitcher::modeShortcutTakenChanged, this, &AppModel::modeShortcutTakenChanged);
    if (platform_.watchKeys) {
        platform_.watchKeys([this, alive = std::weak_ptr<bool>(alive_)](KeySource keys) {
            if (!alive.expired()) {
                modes_->setKeys(keys);
            }
        });
    }
    installObservers();

    platform_.log.info(
        QStringLiteral("Launched; Accessibility trusted: %1").arg(SystemLog::boolText(maySteerPointer())));

    std::weak_ptr<bool> alive = alive_;
    updates_->onShowVersionHistory = [this, alive] {
        if (!alive.expired()) {
            setSection(MainSection::whatsNew);
        }
    };

    watchPermission();
}

AppModel::~AppModel()
{
    alive_.reset();
    if (platform_.watchKeys) {
        platform_.watchKeys({});
    }
    modes_.reset();
    ShortcutNaming::setKeyboardLayout(nullptr);
    permissionWatch_.reset();
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
    // No view shows it: it only holds the filters and the click guard off while the test records the raw hand.
    calibrating_ = value;
    syncTap();
    tap_.setClickSettings(clickSettings());
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

void AppModel::setWhatsNewUnseen(bool value)
{
    if (whatsNewUnseen_ != value) {
        whatsNewUnseen_ = value;
        emit whatsNewUnseenChanged(value);
    }
}

void AppModel::syncTap()
{
    bool filtering = wantsOn_ && maySteerPointer() && !calibrating_;
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

void AppModel::installObservers()
{
    auto* observers = new SessionObservers(this);
    connect(observers, &SessionObservers::screensChanged, this, [this] { tap_.displaysChanged(); });
    auto reenable = [this] {
        tap_.ensureEnabled([](bool) {});
        tap_.displaysChanged();
    };
    connect(observers, &SessionObservers::woke, this, reenable);
    connect(observers, &SessionObservers::sessionBecameActive, this, [this, reenable] {
        if (platform_.sessionInFront) {
            platform_.sessionInFront(true);
        }
        reenable();
    });
    connect(observers, &SessionObservers::sessionBecameInactive, this, [this] {
        if (platform_.sessionInFront) {
            platform_.sessionInFront(false);
        }
    });
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
    if (platform_.permission.maySteerPointer()) {
        return;
    }
    platform_.explainPermission();
}

void AppModel::watchPermission()
{
    connect(permissionWatch_.get(), &PermissionWatch::maySteerPointerChanged, this, &AppModel::maySteerPointerChanged);
    connect(permissionWatch_.get(), &PermissionWatch::tapFailedChanged, this, &AppModel::tapFailedChanged);
    connect(permissionWatch_.get(), &PermissionWatch::tapStarting, this, [this] {
        tap_.setClickSettings(clickSettings());
        syncTap();
    });
    connect(permissionWatch_.get(), &PermissionWatch::tapChanged, this, &AppModel::syncTap);
    permissionWatch_->start();
}

} // namespace quellarine
