#include "Quellarine/AppModel.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/DesktopPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    // The tray keeps the application alive; closing a window never quits it.
    QApplication::setQuitOnLastWindowClosed(false);
    quellarine::Appearance::shared().install();

    quellarine::DesktopPlatform desktop;
    // Steadies the pointer as soon as the permission holds, before any window exists.
    quellarine::AppModel model(desktop.platform());
    return QApplication::exec();
}
