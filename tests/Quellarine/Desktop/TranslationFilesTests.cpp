#include "Quellarine/Desktop/Localization.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace quellarine {
namespace {

// What one translation file holds, and what is wrong with it.
struct TranslationFile {
    QString language;
    int translated = 0;
    QStringList faults;
};

// The arguments a text takes: %1 to %99, their locale-aware %L forms, and %n of plural texts.
QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QSet<QString> found;
    for (const auto& match : pattern.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

bool isRightToLeft(QChar character)
{
    return character.direction() == QChar::DirR || character.direction() == QChar::DirAL;
}

// A paragraph takes its direction from its first letter: right-to-left text that begins with a Latin name
// ("Quellarine ...") would be laid out left to right, its words and full stop out of place.
bool startsAgainstItsDirection(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), isRightToLeft)) {
        return false;
    }
    const auto first = std::find_if(text.begin(), text.end(), [](QChar character) {
        return isRightToLeft(character) || character.direction() == QChar::DirL;
    });
    return !isRightToLeft(*first);
}

// Reads a Qt Linguist file. A fault is a file that does not parse, a translation (each plural form on its own)
// whose placeholders differ from its source's, so that the argument would go missing or show as "%2" on screen,
// or right-to-left text that would be laid out left to right.
TranslationFile read(QIODevice& device)
{
    TranslationFile file;
    QXmlStreamReader xml(&device);
    QString context;
    QString source;
    QString type;
    QStringList forms;
    const auto check = [&] {
        if (type == u"vanished" || type == u"obsolete") {
            return;
        }
        bool any = false;
        for (const QString& form : forms) {
            if (form.isEmpty()) {
                continue;
            }
            any = true;
            if (placeholders(form) != placeholders(source)) {
                file.faults.append(QStringLiteral("%1: \"%2\" is translated as \"%3\"").arg(context, source, form));
            }
            if (startsAgainstItsDirection(form)) {
                file.faults.append(QStringLiteral("%1: \"%2\" begins left to right").arg(context, form));
            }
        }
        file.translated += any ? 1 : 0;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                file.language = xml.attributes().value(QStringLiteral("language")).toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                source.clear();
                forms.clear();
                type.clear();
            } else if (name == u"source") {
                source = xml.readElementText();
            } else if (name == u"translation") {
                type = xml.attributes().value(QStringLiteral("type")).toString();
                // Either the text itself or one element per plural form.
                QString text;
                while (xml.readNext() != QXmlStreamReader::Invalid
                       && !(xml.isEndElement() && xml.name() == u"translation")) {
                    if (xml.isStartElement() && xml.name() == u"numerusform") {
                        forms.append(xml.readElementText());
                    } else if (xml.isCharacters()) {
                        text += xml.text();
                    }
                }
                if (forms.isEmpty()) {
                    forms.append(text);
                }
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            check();
        }
    }
    if (xml.hasError()) {
        file.faults.append(QStringLiteral("does not parse: %1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber()));
    }
    return file;
}

TranslationFile read(const QByteArray& text)
{
    QByteArray copy = text;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

TEST(TranslationFilesTest, OneSoundFilePerLanguageBesidesEnglish)
{
    const QDir directory(QStringLiteral(QUELLARINE_TRANSLATIONS_DIR));
    QStringList expected;
    for (const QString& code : Localization::languages()) {
        if (code != u"en") {
            expected.append(QStringLiteral("quellarine_%1.ts").arg(QString(code).replace(u'-', u'_')));
        }
    }
    expected.sort();
    EXPECT_EQ(directory.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name), expected);

    for (const QString& name : expected) {
        QFile device(directory.filePath(name));
        ASSERT_TRUE(device.open(QIODevice::ReadOnly)) << name.toStdString();
        const TranslationFile file = read(device);
        EXPECT_EQ(QStringLiteral("quellarine_%1.ts").arg(file.language), name);
        EXPECT_GT(file.translated, 0) << name.toStdString();
        EXPECT_TRUE(file.faults.isEmpty()) << name.toStdString() << ":\n" << file.faults.join(u'\n').toStdString();
    }
}

TEST(TranslationFilesTest, CheckFindsLostPlaceholdersAndBrokenFiles)
{
    const auto message = [](const char* source, const char* translation) {
        return QByteArray("<TS language=\"fr\"><context><name>C</name><message><source>") + source + "</source>"
            + translation + "</message></context></TS>";
    };
    const TranslationFile sound = read(
        message("Quellarine %1 is now available; you have %2.", "<translation>%2 : vous avez %1.</translation>"));
    EXPECT_TRUE(sound.faults.isEmpty()) << sound.faults.join(u'\n').toStdString();
    EXPECT_EQ(sound.translated, 1);
    // Not yet translated is not a fault here.
    EXPECT_TRUE(read(message("Version %1", "<translation type=\"unfinished\"></translation>")).faults.isEmpty());

    EXPECT_EQ(read(message("Quellarine %1 is now available; you have %2.",
                           "<translation>Quellarine %1 est disponible.</translation>"))
                  .faults.size(),
              1);
    EXPECT_EQ(read(message("Version %1", "<translation>Version %2</translation>")).faults.size(), 1);
    EXPECT_EQ(read(message("%L1 clicks", "<translation>%1 clics</translation>")).faults.size(), 1);
    EXPECT_EQ(read(message("%n clicks",
                           "<translation><numerusform>%n clic</numerusform>"
                           "<numerusform>clics</numerusform></translation>"))
                  .faults.size(),
              1);
    EXPECT_EQ(read(QByteArray("<TS><context><message><source>Open</source></context></TS>")).faults.size(), 1);

    EXPECT_EQ(
        read(message("Quellarine is not a medical device.", "<translation>Quellarine ليس جهازًا طبيًا.</translation>"))
            .faults.size(),
        1);
    EXPECT_TRUE(read(message("Version %1", "<translation>الإصدار %1</translation>")).faults.isEmpty());
    EXPECT_TRUE(read(message("Quellarine", "<translation>Quellarine</translation>")).faults.isEmpty());
}

} // namespace
} // namespace quellarine
