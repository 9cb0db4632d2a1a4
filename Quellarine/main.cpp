#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    QApplication::setApplicationVersion(QStringLiteral(QUELLARINE_VERSION));
    return QApplication::exec();
}
