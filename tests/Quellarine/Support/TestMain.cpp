#include "Quellarine/Desktop/Appearance.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widgets need an application object; tests run it on the offscreen platform.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                       : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("QuellarineTests"));
    // The application's style, fonts and palette, as the application itself installs them.
    quellarine::Appearance::shared().install();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
