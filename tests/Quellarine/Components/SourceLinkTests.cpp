#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/SourceLink.h"

#include "OpenedAddresses.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLocale>
#include <QTest>
#include <QTranslator>
#include <QUrl>

#include <gtest/gtest.h>

using namespace quellarine;

namespace {

using quellarine::testing::OpenedAddresses;

class GermanOwnMeasurement : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QLatin1String(context) == QLatin1String("LocalizedSources")
            && QLatin1String(sourceText) == QLatin1String("Quellarine test, 2026")) {
            return QStringLiteral("Quellarine-Test, 2026");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

} // namespace

TEST(SourceLinkTest, LinkShowsTheCitationWithTheTitleAsTooltipAndOpensTheAddress)
{
    OpenedAddresses opened;
    SourceLink link(LocalizedSources::withID(1));
    link.show();
    EXPECT_TRUE(link.isLink());
    EXPECT_EQ(link.text(), QStringLiteral("Trewin & Pain, 1999"));
    EXPECT_EQ(link.toolTip(), QStringLiteral("Keyboard and mouse errors due to motor disabilities"));
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link.focusPolicy(), Qt::TabFocus);

    QTest::mouseClick(&link, Qt::LeftButton);
    QTest::keyClick(&link, Qt::Key_Space);
    const QUrl expected(QStringLiteral("https://doi.org/10.1006/ijhc.1998.0238"));
    EXPECT_EQ(opened.urls, (QList<QUrl>{expected, expected}));

    // A press that leaves the link before release, and a right click, open nothing.
    QTest::mousePress(&link, Qt::LeftButton);
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(&link, Qt::RightButton);
    EXPECT_EQ(opened.urls.size(), 2);
}

TEST(SourceLinkTest, WithoutAnAddressItIsPlainText)
{
    OpenedAddresses opened;
    SourceLink link(LocalizedSources::withID(Source::ownMeasurementID));
    link.show();
    EXPECT_FALSE(link.isLink());
    EXPECT_EQ(link.text(), QStringLiteral("Quellarine test, 2026"));
    EXPECT_TRUE(link.toolTip().isEmpty());
    EXPECT_TRUE(link.url().isEmpty());
    EXPECT_EQ(link.focusPolicy(), Qt::NoFocus);
    EXPECT_NE(link.cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(&link, Qt::LeftButton);
    link.open();
    EXPECT_TRUE(opened.urls.isEmpty());

    // Without the arrow it is only as wide as its text.
    SourceLink withArrow(LocalizedSources::withID(1));
    SourceLink plainWithSameText([] {
        Source source = Source::withID(1);
        source.url.reset();
        return source;
    }());
    EXPECT_GT(withArrow.sizeHint().width(), plainWithSameText.sizeHint().width());
}

TEST(SourceLinkTest, LightChangesOnlyTheColour)
{
    SourceLink onDark(LocalizedSources::withID(2), true);
    SourceLink elsewhere(LocalizedSources::withID(2), false);
    EXPECT_EQ(onDark.text(), elsewhere.text());
    EXPECT_EQ(onDark.toolTip(), elsewhere.toolTip());
    EXPECT_EQ(onDark.url(), elsewhere.url());
    EXPECT_EQ(onDark.sizeHint(), elsewhere.sizeHint());
    EXPECT_EQ(onDark.textColor(), QColor::fromRgbF(1, 1, 1, 0.7));
    EXPECT_EQ(elsewhere.textColor(), elsewhere.palette().color(QPalette::PlaceholderText));
}

TEST(SourceLinkTest, HeldKeysOpenOnceAndDoNotReachTheWindow)
{
    OpenedAddresses opened;
    SourceLink link(LocalizedSources::withID(1));
    link.show();
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&link, &repeat);
    EXPECT_TRUE(repeat.isAccepted());
    EXPECT_TRUE(opened.urls.isEmpty());
    QTest::keyClick(&link, Qt::Key_Return);
    EXPECT_EQ(opened.urls.size(), 1);
}

TEST(SourceLinkTest, AssistiveTechnologyHearsALinkOrAText)
{
    OpenedAddresses opened;
    SourceLink link(LocalizedSources::withID(1));
    SourceLink text(LocalizedSources::withID(Source::ownMeasurementID));
    QAccessibleInterface* linkInterface = QAccessible::queryAccessibleInterface(&link);
    QAccessibleInterface* textInterface = QAccessible::queryAccessibleInterface(&text);
    ASSERT_TRUE(linkInterface && textInterface);
    EXPECT_EQ(linkInterface->role(), QAccessible::Link);
    EXPECT_EQ(linkInterface->text(QAccessible::Name), QStringLiteral("Trewin & Pain, 1999"));
    EXPECT_EQ(textInterface->role(), QAccessible::StaticText);
    EXPECT_EQ(textInterface->text(QAccessible::Name), QStringLiteral("Quellarine test, 2026"));

    linkInterface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.urls.size(), 1);
    EXPECT_FALSE(textInterface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST(LocalizedSourcesTest, OnlyTheOwnMeasurementIsTranslated)
{
    // Untranslated, the application's list is the core's.
    EXPECT_EQ(LocalizedSources::all(), Source::all());

    GermanOwnMeasurement german;
    QCoreApplication::installTranslator(&german);
    const Source own = LocalizedSources::localized(Source::withID(Source::ownMeasurementID));
    const Source first = LocalizedSources::localized(Source::withID(1));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(own.cite, "Quellarine-Test, 2026");
    EXPECT_EQ(own.title, Source::withID(Source::ownMeasurementID).title);
    EXPECT_EQ(first, Source::withID(1));
}

TEST(PercentInTheUserLocaleTest, FollowsTheApplicationsLocaleOnEveryCall)
{
    {
        DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(percent(0.281, 0), QStringLiteral("28%"));
        EXPECT_EQ(percent(0.281, 2), QStringLiteral("28.10%"));
    }
    {
        DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(percent(0.281, 0), QStringLiteral("28\u00A0%"));
    }
    {
        DefaultLocale turkish(QLocale(QLocale::Turkish, QLocale::Turkey));
        EXPECT_EQ(percent(0.281, 1), QStringLiteral("%28,1"));
    }
    {
        DefaultLocale swiss(QLocale(QLocale::German, QLocale::Switzerland));
        EXPECT_EQ(percent(12.3456, 1), QStringLiteral("1’234.6%"));
    }
}
