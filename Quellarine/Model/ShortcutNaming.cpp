#include "Quellarine/Model/ShortcutNaming.h"

#include <QCoreApplication>
#include <QLocale>

namespace quellarine {

namespace {

const system::KeyboardLayout* keyboardLayout = nullptr;

} // namespace

void ShortcutNaming::setKeyboardLayout(const system::KeyboardLayout* layout)
{
    keyboardLayout = layout;
}

QString ShortcutNaming::name(Modifier modifier)
{
    switch (modifier) {
    case Modifier::control:
        return QCoreApplication::translate("GlobalHotKey", "Ctrl", "The Control key, as printed on PC keyboards");
    case Modifier::alt:
        return QCoreApplication::translate("GlobalHotKey", "Alt", "The Alt key, as printed on PC keyboards");
    case Modifier::shift:
        return QCoreApplication::translate("GlobalHotKey", "Shift", "The Shift key, as printed on PC keyboards");
    case Modifier::super:
        return QCoreApplication::translate("GlobalHotKey", "Super",
                                           "The Super key (the one with the system's logo), as desktops name it");
    }
    return {};
}

ShortcutNaming::Shortcut::Naming ShortcutNaming::current()
{
    std::array<std::string, 4> names;
    for (Modifier modifier : Shortcut::allModifiers) {
        names[static_cast<std::size_t>(modifier)] = name(modifier).toStdString();
    }
    return Shortcut::Naming(keyboardLayout, std::move(names), QLocale().bcp47Name().toStdString());
}

QString ShortcutNaming::keyLabel(const Shortcut& shortcut)
{
    return QString::fromStdString(shortcut.keyLabel(current()));
}

QString ShortcutNaming::spokenDescription(const Shortcut& shortcut)
{
    return QString::fromStdString(shortcut.spokenDescription(current()));
}

} // namespace quellarine
