#include "Quellarine/Model/PermissionText.h"

#include <QCoreApplication>

namespace quellarine {

QString permissionNeededText()
{
    return QCoreApplication::translate("Permission", "Needs an X11 session to work.");
}

} // namespace quellarine
