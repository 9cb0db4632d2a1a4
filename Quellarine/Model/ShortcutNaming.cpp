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
        return QCoreApplication::translate("GlobalHotKey", "control",
                                           "The Control key (⌃), as printed on Mac keyboards");
    case Modifier::option:
        return QCoreApplication::translate("GlobalHotKey", "option", "The Option key (⌥), as printed on Mac keyboards");
    case Modifier::shift:
        return QCoreApplication::translate("GlobalHotKey", "shift", "The Shift key (⇧), as printed on Mac keyboards");
    case Modifier::command:
        return QCoreApplication::translate("GlobalHotKey", "command",
                                           "The Command key (⌘), as printed on Mac keyboards");
    }
    return {};
}

QString ShortcutNaming::symbol(Modifier modifier)
{
    return QString::fromUtf8(Shortcut::symbol(modifier));
}

QString ShortcutNaming::altLabel()
{
    return QCoreApplication::translate("KeyCaps", "alt", "The Option key's name on PC keyboards");
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
