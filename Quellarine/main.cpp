#include "Quellarine/Desktop/Appearance.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    quellarine::Appearance::shared().install();
    return QApplication::exec();
}
