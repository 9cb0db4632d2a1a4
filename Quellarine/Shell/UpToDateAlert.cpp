#include "Quellarine/Shell/UpToDateAlert.h"

#include "Quellarine/Model/UpdateController.h"

#include <QPushButton>

namespace quellarine {

UpToDateAlert* UpToDateAlert::open(QWidget* window, std::function<void()> showVersionHistory)
{
    auto* alert = new UpToDateAlert(window, std::move(showVersionHistory));
    alert->show();
    alert->raise();
    alert->activateWindow();
    return alert;
}

UpToDateAlert::UpToDateAlert(QWidget* window, std::function<void()> showVersionHistory)
    : QMessageBox(window)
{
    setObjectName(QStringLiteral("upToDateAlert"));
    setAttribute(Qt::WA_DeleteOnClose);
    setIcon(QMessageBox::Information);
    setText(tr("You're up to date!"));
    setInformativeText(
        tr("Quellarine %1 is currently the newest version available.").arg(UpdateController::appVersion()));
    setTextFormat(Qt::PlainText);
    QPushButton* ok = addButton(tr("OK"), QMessageBox::AcceptRole);
    QPushButton* versionHistory = addButton(tr("Version History"), QMessageBox::ActionRole);
    setDefaultButton(ok);
    // Escape and the close button mean "OK".
    setEscapeButton(ok);
    setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    connect(this, &QMessageBox::finished, this, [this, versionHistory, showVersionHistory] {
        if (clickedButton() == versionHistory && showVersionHistory) {
            showVersionHistory();
        }
    });
}

} // namespace quellarine
