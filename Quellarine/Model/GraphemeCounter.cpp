#include "Quellarine/Model/GraphemeCounter.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace quellarine {

namespace {

// Cluster boundaries are found the way ICU finds them (UAX #29), never by Qt's finder, which splits clusters,
// surrogate pairs included, next to some scripts' letters.
std::unique_ptr<icu::BreakIterator> makeClusters()
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> made(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    return U_SUCCESS(status) ? std::move(made) : nullptr;
}

// The iterator set to read text[from, to); closed with the stretch.
class Stretch {
public:
    Stretch(icu::BreakIterator& clusters, QStringView text, qsizetype from, qsizetype to)
        : clusters_(clusters)
    {
        UErrorCode status = U_ZERO_ERROR;
        utext_openUChars(&text_, reinterpret_cast<const UChar*>(text.data() + from), int64_t(to - from), &status);
        clusters_.setText(&text_, status);
    }
    ~Stretch() { utext_close(&text_); }
    Stretch(const Stretch&) = delete;
    Stretch& operator=(const Stretch&) = delete;

private:
    icu::BreakIterator& clusters_;
    UText text_ = UTEXT_INITIALIZER;
};

constexpr char32_t zeroWidthJoiner = 0x200D;

bool isRegionalIndicator(char32_t c)
{
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

bool splitsPair(QStringView text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
}

qsizetype lengthAt(QStringView text, qsizetype at)
{
    return splitsPair(text, at + 1) ? 2 : 1;
}

qsizetype lengthBefore(QStringView text, qsizetype at)
{
    return splitsPair(text, at - 1) ? 2 : 1;
}

char32_t codePointAt(QStringView text, qsizetype at)
{
    return lengthAt(text, at) == 2 ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
}

bool isMark(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
}

// The last cluster boundary before `before`, found from the two characters around it alone. Clusters are read
// afresh from each boundary, so the text from there on is grouped as if it started there. Pairs whose boundary
// depends on more than themselves are passed over: a joiner before a pictograph, two regional indicators (flags
// pair up from the start of their run), and anything after a combining mark (which may join consonants); there is
// never a boundary before a combining mark.
qsizetype boundaryBefore(icu::BreakIterator& clusters, QStringView text, qsizetype before)
{
    for (qsizetype at = before - 1; at > 0; --at) {
        if (splitsPair(text, at)) {
            continue;
        }
        const qsizetype left = lengthBefore(text, at);
        const char32_t previous = codePointAt(text, at - left);
        const char32_t next = codePointAt(text, at);
        if (isMark(next) || isMark(previous) || previous == zeroWidthJoiner
            || (isRegionalIndicator(previous) && isRegionalIndicator(next))) {
            continue;
        }
        const Stretch pair(clusters, text, at - left, at + lengthAt(text, at));
        if (clusters.isBoundary(int32_t(left))) {
            return at;
        }
    }
    return 0;
}

// `from` (a boundary) and the cluster boundaries of text[from, to): every one inside the stretch is one of the
// whole text. The end of the stretch is one only when it is the end of the text.
std::vector<qsizetype> boundaries(icu::BreakIterator& clusters, QStringView text, qsizetype from, qsizetype to)
{
    std::vector<qsizetype> found{from};
    if (to > from) {
        const Stretch stretch(clusters, text, from, to);
        clusters.first();
        for (int32_t at = clusters.next(); at != icu::BreakIterator::DONE; at = clusters.next()) {
            if (from + at < to || to == text.size()) {
                found.push_back(from + at);
            }
        }
    }
    return found;
}

qsizetype commonPrefix(QStringView a, QStringView b)
{
    constexpr qsizetype block = 64;
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype at = 0;
    while (at + block <= limit && std::memcmp(a.data() + at, b.data() + at, block * sizeof(QChar)) == 0) {
        at += block;
    }
    while (at < limit && a[at] == b[at]) {
        ++at;
    }
    return at;
}

qsizetype commonSuffix(QStringView a, QStringView b)
{
    constexpr qsizetype block = 64;
    const qsizetype limit = std::min(a.size(), b.size());
    qsizetype length = 0;
    while (length + block <= limit
           && std::memcmp(a.data() + a.size() - length - block, b.data() + b.size() - length - block,
                          block * sizeof(QChar))
               == 0) {
        length += block;
    }
    while (length < limit && a[a.size() - length - 1] == b[b.size() - length - 1]) {
        ++length;
    }
    return length;
}

} // namespace

GraphemeCounter::GraphemeCounter()
    : clusters_(makeClusters())
{
}

GraphemeCounter::~GraphemeCounter() = default;

int GraphemeCounter::count(QStringView text)
{
    static const std::unique_ptr<icu::BreakIterator> shared = makeClusters();
    if (!shared) {
        return int(text.size());
    }
    return int(boundaries(*shared, text, 0, text.size()).size()) - 1;
}

void GraphemeCounter::setText(const QString& text)
{
    const QStringView before = text_;
    const QStringView after = text;
    const qsizetype prefix = commonPrefix(before, after);
    if (prefix == before.size() && prefix == after.size()) {
        text_ = text;
        return;
    }
    if (!clusters_) {
        count_ = int(text.size());
        text_ = text;
        return;
    }
    const qsizetype suffix = commonSuffix(before.sliced(prefix), after.sliced(prefix));

    // The changed stretch, widened to whole code points: [start, end) of the old text, [start, end + growth) of the
    // new one.
    const qsizetype growth = after.size() - before.size();
    const qsizetype start = splitsPair(before, prefix) || splitsPair(after, prefix) ? prefix - 1 : prefix;
    qsizetype end = before.size() - suffix;
    if (splitsPair(before, end) || splitsPair(after, end + growth)) {
        ++end;
    }

    // Counted again from a boundary before the change to the first boundary after it that both texts share: the
    // clusters on either side are the same in both.
    const qsizetype from = boundaryBefore(*clusters_, before, start);
    for (qsizetype reach = 32;; reach *= 4) {
        const auto old = boundaries(*clusters_, before, from, std::min(before.size(), end + reach));
        const auto fresh = boundaries(*clusters_, after, from, std::min(after.size(), end + growth + reach));
        for (std::size_t index = 0; index < fresh.size(); ++index) {
            const qsizetype at = fresh[index];
            if (at < end + growth) {
                continue;
            }
            const auto shared = std::lower_bound(old.begin(), old.end(), at - growth);
            if (shared != old.end() && *shared == at - growth) {
                count_ += int(index) - int(shared - old.begin());
                text_ = text;
                return;
            }
        }
    }
}

} // namespace quellarine
