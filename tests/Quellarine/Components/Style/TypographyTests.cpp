#include "Quellarine/Components/Style/Typography.h"

#include "Quellarine/Desktop/Localization.h"

#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

// Every text a language's translation file gives the application (its English sources for English).
QStringList textsOf(const QString& code)
{
    const QString language = code == u"en" ? QStringLiteral("fr") : QString(code).replace(u'-', u'_');
    QFile file(QStringLiteral(QUELLARINE_TRANSLATIONS_DIR "/quellarine_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString element = code == u"en" ? QStringLiteral("source") : QStringLiteral("translation");
    QStringList texts;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == element || xml.name() == u"numerusform")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.isEmpty()) {
                texts.append(text);
            }
        } else if (!xml.isStartElement()) {
            xml.readNext();
        }
    }
    return texts;
}

// The characters of a text that the fonts Qt chose for it draw as the empty box: laid out as a label lays it out,
// each run in the font Qt fell back to for its script, a character counts as drawn when that run's font has a glyph
// for it. Spaces, line breaks and invisible formatting characters need none.
QString undrawn(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(100'000);
    }
    layout.endLayout();
    QList<QRawFont> fonts;
    bool boxDrawn = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        // Where no installed font has a script, Qt draws boxes with a font of its own: it has no character map
        // and claims every character.
        if (run.rawFont().fontTable("cmap").isEmpty()) {
            continue;
        }
        fonts.append(run.rawFont());
        const QList<quint32> glyphs = run.glyphIndexes();
        boxDrawn = boxDrawn || glyphs.contains(0);
    }
    QString missing;
    for (const uint character : text.toUcs4()) {
        const QChar::Category category = QChar::category(character);
        if (QChar::isSpace(character) || category == QChar::Other_Format || category == QChar::Other_Control) {
            continue;
        }
        const bool drawn = std::any_of(fonts.begin(), fonts.end(),
                                       [&](const QRawFont& raw) { return raw.supportsCharacter(character); });
        if (!drawn && !missing.contains(QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1))) {
            missing += QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1);
        }
    }
    if (boxDrawn && missing.isEmpty()) {
        missing = QStringLiteral("\uFFFD"); // a glyph the shaping asked for and the font lacks
    }
    return missing;
}

} // namespace

TEST(TypographyTest, InterInPixels)
{
    const QFont body = Typography::font(Typography::TextStyle::body);
    EXPECT_EQ(QFontInfo(body).family(), QStringLiteral("Inter"));
    EXPECT_EQ(body.pixelSize(), 13);
    EXPECT_EQ(Typography::font(Typography::TextStyle::title3).pixelSize(), 15);
    EXPECT_EQ(Typography::system(13.5, QFont::Medium).pixelSize(), 14);
}

// Each offered language is readable in the fonts the application asks for and those its set-up installs: every
// character of every text its translation holds has a glyph in the font Qt draws it with, regular and bold.
TEST(TypographyTest, EveryTextOfEveryLanguageHasItsGlyphs)
{
    const QList<QFont> fonts{Typography::font(Typography::TextStyle::body),
                             Typography::font(Typography::TextStyle::headline)};
    for (const QString& code : Localization::languages()) {
        const QStringList texts = textsOf(code);
        ASSERT_GT(texts.size(), 100) << code.toStdString();
        QString missing;
        QString example;
        for (const QString& text : texts) {
            for (const QFont& font : fonts) {
                for (const QChar character : undrawn(text, font)) {
                    if (!missing.contains(character)) {
                        missing += character;
                    }
                }
                if (!missing.isEmpty() && example.isEmpty()) {
                    example = text;
                }
            }
        }
        EXPECT_TRUE(missing.isEmpty()) << code.toStdString() << ": no glyph for \"" << missing.toStdString()
                                       << "\", first in \"" << example.toStdString() << "\"";
    }
}

} // namespace quellarine
