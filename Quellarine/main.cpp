#include "Quellarine/AppModel.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/DesktopPlatform.h"
#include "Quellarine/Desktop/Localization.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    // Before any text is looked up: views and cached texts are built in the chosen language.
    quellarine::Localization::apply(
        quellarine::Localization::choose(quellarine::Defaults::standard(), QLocale::system().uiLanguages()));
    // The tray keeps the application alive; closing a window never quits it.
    QApplication::setQuitOnLastWindowClosed(false);
    quellarine::Appearance::shared().install();

    quellarine::DesktopPlatform desktop;
    // Steadies the pointer as soon as the permission holds, before any window exists.
    quellarine::AppModel model(desktop.platform());
    return QApplication::exec();
}
