#include "Quellarine/Desktop/Appearance.h"

#include "Quellarine/Desktop/SettingsPortal.h"

#include <QGuiApplication>
#include <QDBusConnection>
#include <QPointer>

namespace quellarine {

namespace {

const QString appearanceNamespace = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

} // namespace

Appearance& Appearance::shared()
{
    static QPointer<Appearance> instance;
    if (!instance) {
        instance = new Appearance(QCoreApplication::instance());
    }
    return *instance;
}

Appearance::Appearance(QObject* parent)
    : QObject(parent)
{
    // The platform's palette before ours replaces it: the fallback when the desktop states no preference.
    platformDark_ = isDark(QGuiApplication::palette());
    dark_ = platformDark_;
}

void Appearance::followDesktop()
{
    if (followsDesktop_) {
        return;
    }
    followsDesktop_ = true;
    follow(*new SettingsPortal(QDBusConnection::sessionBus(), this));
}

void Appearance::follow(SettingsPortal& portal)
{
    connect(&portal, &SettingsPortal::valueChanged, this,
            [this](const QString& settingNamespace, const QString& key, const QVariant& value) {
                if (settingNamespace == appearanceNamespace && key == colorSchemeKey) {
                    setDesktopPrefersDark(prefersDarkFromColorScheme(value));
                }
            });
    portal.watch(appearanceNamespace, colorSchemeKey, QStringLiteral("u"));
}

void Appearance::setChoice(Choice choice)
{
    choice_ = choice;
    update();
}

void Appearance::setDesktopPrefersDark(std::optional<bool> dark)
{
    desktopPrefersDark_ = dark;
    update();
}

bool Appearance::effectiveDark() const
{
    switch (choice_) {
    case Choice::light:
        return false;
    case Choice::dark:
        return true;
    case Choice::system:
        break;
    }
    return desktopPrefersDark_.value_or(platformDark_);
}

void Appearance::update()
{
    const bool dark = effectiveDark();
    if (dark == dark_) {
        return;
    }
    dark_ = dark;
    emit changed(dark);
}

bool Appearance::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

std::optional<bool> Appearance::prefersDarkFromColorScheme(const QVariant& value)
{
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    if (scheme == 1) {
        return true;
    }
    if (scheme == 2) {
        return false;
    }
    return std::nullopt;
}

} // namespace quellarine
