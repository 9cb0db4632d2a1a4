#include "Quellarine/Components/Style/Motion.h"

#include "Quellarine/Desktop/SettingsPortal.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QPointer>

#include <functional>

namespace quellarine {

namespace {

const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString reducedMotionKey = QStringLiteral("reduced-motion");
const QString gnomeInterfaceNamespace = QStringLiteral("org.gnome.desktop.interface");
const QString enableAnimationsKey = QStringLiteral("enable-animations");

} // namespace

Motion& Motion::shared()
{
    static QPointer<Motion> instance;
    if (!instance) {
        instance = new Motion(QCoreApplication::instance());
        instance->follow(*new SettingsPortal(QDBusConnection::sessionBus(), instance));
    }
    return *instance;
}

Motion::Motion(QObject* parent)
    : QObject(parent)
{
}

void Motion::follow(SettingsPortal& portal)
{
    connect(&portal, &SettingsPortal::valueChanged, this,
            [this](const QString& settingNamespace, const QString& key, const QVariant& value) {
                if (settingNamespace == appearanceNamespace && key == reducedMotionKey) {
                    // 1 asks for reduced motion, 0 states no preference.
                    bool ok = false;
                    const uint reduced = value.toUInt(&ok);
                    setDesktopReducedMotion(ok ? std::optional<bool>(reduced == 1) : std::nullopt);
                } else if (settingNamespace == gnomeInterfaceNamespace && key == enableAnimationsKey) {
                    setDesktopAnimationsEnabled(value.metaType() == QMetaType::fromType<bool>()
                                                    ? std::optional<bool>(value.toBool())
                                                    : std::nullopt);
                }
            });
    portal.watch(appearanceNamespace, reducedMotionKey, QStringLiteral("u"));
    portal.watch(gnomeInterfaceNamespace, enableAnimationsKey, QStringLiteral("b"));
}

std::optional<bool> Motion::desktopReducesMotion() const
{
    if (reducedMotion_ == true || animationsEnabled_ == false) {
        return true;
    }
    if (reducedMotion_ || animationsEnabled_) {
        return false;
    }
    return std::nullopt;
}

bool Motion::reduceMotion() const
{
    return override_.value_or(desktopReducesMotion().value_or(false));
}

void Motion::apply(const std::function<void()>& change)
{
    const bool before = reduceMotion();
    change();
    if (reduceMotion() != before) {
        emit reduceMotionChanged(reduceMotion());
    }
}

void Motion::setOverride(std::optional<bool> reduce)
{
    apply([&] { override_ = reduce; });
}

void Motion::setDesktopAnimationsEnabled(std::optional<bool> enabled)
{
    apply([&] { animationsEnabled_ = enabled; });
}

void Motion::setDesktopReducedMotion(std::optional<bool> reduced)
{
    apply([&] { reducedMotion_ = reduced; });
}

} // namespace quellarine
