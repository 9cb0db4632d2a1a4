// A small application that starts as Quellarine does (language from the settings, one copy per display) and
// restarts itself through the profile store's relaunch: on its first run it chooses French and restarts; every run
// appends a line to the report file named by its argument: its process id, whether it was the only copy, its
// language and a sentence as it shows it.

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Desktop/Relauncher.h"
#include "Quellarine/Desktop/SingleInstance.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/ProfileStore.h"

#include <QApplication>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <optional>

int main(int argc, char* argv[])
{
    using namespace quellarine;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("Quellarine"));
    Localization::apply(Localization::choose(Defaults::standard(), QLocale::system().uiLanguages()));
    const std::optional<QString> directory = SingleInstance::defaultDirectory();
    if (!directory) {
        return 3;
    }
    SingleInstance instance(SingleInstance::defaultKey(), *directory);
    const bool only = instance.claim();

    const QString sentence = ProfilePhoto::description(ProfilePhoto::Error::unreadable);
    QFile report(QApplication::arguments().value(1));
    if (!report.open(QIODevice::Append)) {
        return 2;
    }
    report.write(QStringLiteral("%1 %2 %3 %4\n")
                     .arg(::getpid())
                     .arg(only ? 1 : 0)
                     .arg(Localization::current(), sentence)
                     .toUtf8());
    report.close();
    if (!only) {
        return 1;
    }

    SystemLog log;
    ProfileStore store(Defaults::standard(), log,
                       ProfileStore::Environment{
                           .photoFolder = ProfilePhoto::defaultFolder(),
                           .applyAppearance = {},
                           .startRelaunch = [] { return Relauncher::start(); },
                           .quit = [] { QCoreApplication::quit(); },
                       });
    QWidget window;
    window.setWindowTitle(sentence);
    window.show();

    if (!store.launchLanguage()) {
        store.setLanguage(QStringLiteral("fr"));
        // Lingers after quitting, as an application tidying up does: a copy started meanwhile would meet this one.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { QThread::msleep(1500); });
        QTimer::singleShot(300, &store, &ProfileStore::relaunch);
    }
    return QApplication::exec();
}
