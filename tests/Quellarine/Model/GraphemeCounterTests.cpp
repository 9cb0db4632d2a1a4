#include "Quellarine/Model/GraphemeCounter.h"

#include <QStringList>

#include <unicode/brkiter.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace quellarine {
namespace {

// Pieces that make clusters with their neighbours, or split them: combining marks, joiners, regional indicators
// (flags pair up counting from the start of their run), skin tones, Hangul jamo, CR LF, Indic signs, and plain
// letters and spaces.
const QStringList pieces{
    QStringLiteral("a"),
    QStringLiteral(" "),
    QStringLiteral("\n"),
    QStringLiteral("\r"),
    QStringLiteral("\u0301"),
    QStringLiteral("\u0323"),
    QStringLiteral("\u200d"),
    QStringLiteral("\u200c"),
    QStringLiteral("🇧"),
    QStringLiteral("🇷"),
    QStringLiteral("🇧🇷"),
    QStringLiteral("👩"),
    QStringLiteral("👩‍👩‍👧‍👦"),
    QStringLiteral("🏽"),
    QStringLiteral("❤\ufe0f"),
    QStringLiteral("\u1100"),
    QStringLiteral("\u1161"),
    QStringLiteral("\u11a8"),
    QStringLiteral("\uac00"),
    QStringLiteral("क"),
    QStringLiteral("\u094d"),
    QStringLiteral("\u093f"),
    QStringLiteral("\u0e33"),
    QStringLiteral("\u0600"),
    QStringLiteral("x"),
    QStringLiteral("\u20e3"),
    QStringLiteral("©"),
    QStringLiteral("\t"),
};

// The clusters of the whole text, straight from ICU.
int clustersOf(const QString& text)
{
    UErrorCode status = U_ZERO_ERROR;
    static const std::unique_ptr<icu::BreakIterator> clusters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    const icu::UnicodeString whole(false, reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
    clusters->setText(whole);
    int count = 0;
    clusters->first();
    while (clusters->next() != icu::BreakIterator::DONE) {
        ++count;
    }
    return count;
}

QString randomPiece(std::mt19937& random, int count)
{
    QString text;
    for (int index = 0; index < count; ++index) {
        text += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
    }
    return text;
}

TEST(GraphemeCounterTest, AnyRunOfEditsCountsAsTheWholeTextDoes)
{
    std::mt19937 random(20240611);
    for (int run = 0; run < 40; ++run) {
        GraphemeCounter counter;
        QString text;
        for (int edit = 0; edit < 150; ++edit) {
            // Typing, deleting and pasting anywhere; now and then a long stretch, to reach past the first window.
            const qsizetype at = std::uniform_int_distribution<qsizetype>(0, text.size())(random);
            const int kind = std::uniform_int_distribution<int>(0, 9)(random);
            if (kind < 5) {
                text.insert(at, randomPiece(random, 1));
            } else if (kind < 8) {
                text.remove(at, std::uniform_int_distribution<qsizetype>(0, 3)(random));
            } else if (kind == 8) {
                text.insert(at, randomPiece(random, std::uniform_int_distribution<int>(1, 80)(random)));
            } else {
                text.replace(at, std::uniform_int_distribution<qsizetype>(0, 12)(random), randomPiece(random, 3));
            }
            counter.setText(text);
            ASSERT_EQ(counter.count(), clustersOf(text))
                << "run " << run << ", edit " << edit << ": " << text.toStdString();
            ASSERT_EQ(counter.text(), text);
            ASSERT_EQ(GraphemeCounter::count(text), counter.count());
        }
    }
}

TEST(GraphemeCounterTest, LongRunsThatOnlyTheirStartDecides)
{
    // A run of flags read in pairs from its start, and a letter under a pile of marks: a change at the end of
    // either still counts as the whole text does.
    for (const QString& unit : {QStringLiteral("🇧"), QStringLiteral("\u0301"), QStringLiteral("👩\u200d")}) {
        GraphemeCounter counter;
        QString text = QStringLiteral("a") + unit.repeated(301);
        counter.setText(text);
        for (const QString& change : {unit, QStringLiteral("b"), unit, QString()}) {
            if (change.isEmpty()) {
                text.chop(unit.size() * 2);
            } else {
                text.append(change);
            }
            counter.setText(text);
            EXPECT_EQ(counter.count(), clustersOf(text)) << unit.toStdString();
        }
        text.remove(0, 1);
        counter.setText(text);
        EXPECT_EQ(counter.count(), clustersOf(text)) << unit.toStdString();
    }
}

} // namespace
} // namespace quellarine
