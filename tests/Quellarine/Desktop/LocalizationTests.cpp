#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Pages/Help/HelpPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

class LocalizationTest : public ::testing::Test {
protected:
    void TearDown() override { Localization::apply(QStringLiteral("en")); }

    QString path() const { return directory.filePath(QStringLiteral("settings.ini")); }

    // Writes "AppleLanguages" through the settings file's own format.
    void store(const QVariant& value) const
    {
        QSettings settings(path(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("AppleLanguages"), value);
        settings.sync();
    }

    static QString translated(const char* context, const char* text)
    {
        return QCoreApplication::translate(context, text);
    }

    QTemporaryDir directory;
};

TEST_F(LocalizationTest, SystemLanguagesMapOntoTheElevenLanguages)
{
    const std::vector<std::pair<QString, std::optional<QString>>> cases{
        {QStringLiteral("en-GB"), QStringLiteral("en")},
        {QStringLiteral("EN-us"), QStringLiteral("en")},
        {QStringLiteral("ar-EG"), QStringLiteral("ar")},
        {QStringLiteral("bn-BD"), QStringLiteral("bn")},
        {QStringLiteral("es-419"), QStringLiteral("es")},
        {QStringLiteral("fr_CA.UTF-8"), QStringLiteral("fr")},
        {QStringLiteral("hi-IN"), QStringLiteral("hi")},
        {QStringLiteral("id"), QStringLiteral("id")},
        {QStringLiteral("ru_RU@euro"), QStringLiteral("ru")},
        {QStringLiteral("tr-TR"), QStringLiteral("tr")},
        // Portuguese has one translation, the Brazilian one.
        {QStringLiteral("pt-BR"), QStringLiteral("pt-BR")},
        {QStringLiteral("pt_PT"), QStringLiteral("pt-BR")},
        {QStringLiteral("pt"), QStringLiteral("pt-BR")},
        // Chinese in the simplified script, and only there.
        {QStringLiteral("zh-Hans"), QStringLiteral("zh-Hans")},
        {QStringLiteral("zh-CN"), QStringLiteral("zh-Hans")},
        {QStringLiteral("zh_SG"), QStringLiteral("zh-Hans")},
        {QStringLiteral("zh"), QStringLiteral("zh-Hans")},
        {QStringLiteral("zh-Hans-HK"), QStringLiteral("zh-Hans")},
        {QStringLiteral("zh-TW"), std::nullopt},
        {QStringLiteral("zh-Hant"), std::nullopt},
        {QStringLiteral("zh-Hant-CN"), std::nullopt},
        {QStringLiteral("de-DE"), std::nullopt},
        {QStringLiteral("C"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto& [tag, expected] : cases) {
        EXPECT_EQ(Localization::language(tag), expected) << tag.toStdString();
    }

    Defaults none(path());
    EXPECT_EQ(Localization::choose(none, {QStringLiteral("de-DE"), QStringLiteral("fr-FR"), QStringLiteral("en-US")}),
              QStringLiteral("fr"));
    EXPECT_EQ(Localization::choose(none, {QStringLiteral("de-DE"), QStringLiteral("ja-JP")}), QStringLiteral("en"));
    EXPECT_EQ(Localization::choose(none, {}), QStringLiteral("en"));
}

TEST_F(LocalizationTest, StoredChoiceWinsOverTheSystem)
{
    const QStringList system{QStringLiteral("fr-FR")};
    // The settings file as an earlier run left it: one code is kept as plain text, a longer list as a list whose
    // first element counts.
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"AppleLanguages=zh-Hans", QStringLiteral("zh-Hans")},
        {"AppleLanguages=tr, ru", QStringLiteral("tr")},
    };
    for (const auto& [line, expected] : cases) {
        QFile file(directory.filePath(QString::fromLatin1(line.toHex()) + QStringLiteral(".ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + line + "\n");
        file.close();
        EXPECT_EQ(Localization::choose(Defaults(file.fileName()), system), expected) << line.toStdString();
    }
}

TEST_F(LocalizationTest, StoredChoiceOutsideTheElevenIsIgnored)
{
    const QStringList system{QStringLiteral("ru-RU")};
    // Codes match exactly; an empty list and bytes are no choice either.
    for (const QVariant& stored :
         {QVariant(QStringList{QStringLiteral("de")}), QVariant(QStringLiteral("pt-br")),
          QVariant(QStringLiteral("zh-CN")), QVariant(QStringList{}), QVariant(QByteArray("en"))}) {
        store(stored);
        EXPECT_EQ(Localization::storedChoice(Defaults(path())), std::nullopt) << stored.toString().toStdString();
        EXPECT_EQ(Localization::choose(Defaults(path()), system), QStringLiteral("ru"))
            << stored.toString().toStdString();
    }
}

TEST_F(LocalizationTest, EveryLanguageTranslatesTheInterfaceAndFormatsNumbers)
{
    for (const QString& code : Localization::languages()) {
        Localization::apply(code);
        EXPECT_EQ(Localization::current(), code);
        EXPECT_EQ(QLocale().language(), QLocale(QString(code).replace(u'-', u'_')).language()) << code.toStdString();
        if (code != u"en") {
            EXPECT_NE(translated("MainSection", "Help"), QStringLiteral("Help")) << code.toStdString();
        }
    }

    Localization::apply(QStringLiteral("fr"));
    EXPECT_EQ(translated("Presets", "Balanced"), QStringLiteral("Équilibré"));
    EXPECT_EQ(QCoreApplication::translate("quellarine::HelpPage", "Version %1").arg(QStringLiteral("1.2")),
              QStringLiteral("Version 1.2"));
    EXPECT_EQ(QLocale().toString(1.5, 'f', 1), QStringLiteral("1,5"));
    // Qt's own texts follow, from the system's translations.
    EXPECT_EQ(translated("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));

    Localization::apply(QStringLiteral("en"));
    EXPECT_EQ(translated("Presets", "Balanced"), QStringLiteral("Balanced"));
    EXPECT_EQ(translated("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // Anything but the eleven codes is English.
    Localization::apply(QStringLiteral("de"));
    EXPECT_EQ(Localization::current(), QStringLiteral("en"));
    EXPECT_EQ(translated("Presets", "Balanced"), QStringLiteral("Balanced"));
}

TEST_F(LocalizationTest, LocaleKeepsTheUsersRegionWhenItSpeaksTheLanguage)
{
    EXPECT_EQ(Localization::locale(QStringLiteral("es"), QLocale(QStringLiteral("es_MX"))).territory(),
              QLocale::Mexico);
    EXPECT_EQ(Localization::locale(QStringLiteral("pt-BR"), QLocale(QStringLiteral("pt_PT"))).territory(),
              QLocale::Portugal);
    const QLocale english = Localization::locale(QStringLiteral("en"), QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(english.language(), QLocale::English);
    EXPECT_EQ(english.territory(), QLocale::Germany);
    // No French of Japan: French as usual.
    const QLocale french = Localization::locale(QStringLiteral("fr"), QLocale(QStringLiteral("ja_JP")));
    EXPECT_EQ(french.language(), QLocale::French);
    EXPECT_EQ(french.territory(), QLocale::France);
    // Traditional Chinese formats are not the simplified Chinese interface's.
    EXPECT_EQ(Localization::locale(QStringLiteral("zh-Hans"), QLocale(QStringLiteral("zh_TW"))).script(),
              QLocale::SimplifiedHanScript);
}

class LocalizedViewTest : public LocalizationTest, protected testing::TestAppModel {};

// A page, rather than the welcome window: that one caches the research sources in the language of its first use.
TEST_F(LocalizedViewTest, ArabicPageIsTranslatedAndRightToLeft)
{
    Localization::apply(QStringLiteral("ar"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);

    AppModel& appModel = model();
    updater->setCanCheck(false);
    auto* page = new HelpPage(appModel, [](const QString&) {});
    EXPECT_TRUE(page->isRightToLeft());
    QStringList texts;
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("لا يُعدّ Quellarine جهازًا طبيًا، ولا يشخّص أي حالة ولا يعالجها.")))
        << texts.join(u'\n').toStdString();
    EXPECT_EQ(testing::Screenshots::capture(QStringLiteral("help-ar"), page, 660).size(), 2);

    Localization::apply(QStringLiteral("en"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

} // namespace
} // namespace quellarine
