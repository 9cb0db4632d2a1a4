#include "Quellarine/Components/Style/Look.h"
#include "Quellarine/Desktop/Localization.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// Every test starts in English: one that switched the language and then failed does not leave it switched for
// the tests after it.
class EnglishAfterEachTest : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo& /*test*/) override
    {
        if (quellarine::Localization::current() != QStringLiteral("en")) {
            quellarine::Localization::apply(QStringLiteral("en"));
        }
    }
};

} // namespace

// Widgets need an application object; tests run it on the offscreen platform.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("temrid"));
    QApplication::setApplicationName(QStringLiteral("QuellarineTests"));
    // The application's style, fonts and palette, as the application itself installs them.
    quellarine::Look::install();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EnglishAfterEachTest);
    return RUN_ALL_TESTS();
}
