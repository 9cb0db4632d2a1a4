#include "Quellarine/Shell/UpdateCommand.h"

#include "Quellarine/Model/UpdateController.h"

namespace quellarine {

UpdateCommand::UpdateCommand(UpdateController& updates, QObject* parent)
    : QAction(parent)
    , updates_(updates)
{
    setMenuRole(QAction::ApplicationSpecificRole);
    connect(this, &QAction::triggered, this, [this] { updates_.checkForUpdates(); });
    connect(&updates_, &UpdateController::availableChanged, this, &UpdateCommand::refresh);
    connect(&updates_, &UpdateController::canCheckChanged, this, &UpdateCommand::refresh);
    refresh();
}

QString UpdateCommand::label(const std::optional<QString>& available)
{
    if (available) {
        return tr("Update to %1…").arg(*available);
    }
    return tr("Check for Updates…");
}

bool UpdateCommand::enabled(bool canCheck, const std::optional<QString>& available)
{
    return canCheck || available.has_value();
}

void UpdateCommand::refresh()
{
    setText(label(updates_.available()));
    setEnabled(enabled(updates_.canCheck(), updates_.available()));
}

} // namespace quellarine
