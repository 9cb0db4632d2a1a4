#include "Quellarine/Model/PermissionText.h"

#include <QCoreApplication>

namespace quellarine {

QString permissionNeededText()
{
    return QCoreApplication::translate("Permission", "Needs access to the pointer to work.");
}

} // namespace quellarine
