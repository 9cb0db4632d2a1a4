#include "Quellarine/Desktop/NumericCompare.h"

namespace quellarine {

namespace {

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

// The digit run starting at index, without its leading zeros; index moves past the run.
QStringView digitRun(QStringView text, qsizetype& index)
{
    qsizetype start = index;
    while (index < text.size() && isDigit(text[index])) {
        ++index;
    }
    while (start < index - 1 && text[start] == u'0') {
        ++start;
    }
    return text.sliced(start, index - start);
}

} // namespace

std::strong_ordering numericCompare(QStringView left, QStringView right)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < left.size() && j < right.size()) {
        if (isDigit(left[i]) && isDigit(right[j])) {
            // Compared as text of equal length, so runs of any length work without overflow.
            QStringView leftRun = digitRun(left, i);
            QStringView rightRun = digitRun(right, j);
            if (auto order = leftRun.size() <=> rightRun.size(); order != 0) {
                return order;
            }
            if (int order = leftRun.compare(rightRun); order != 0) {
                return order <=> 0;
            }
            continue;
        }
        if (auto order = left[i].unicode() <=> right[j].unicode(); order != 0) {
            return order;
        }
        ++i;
        ++j;
    }
    return (left.size() - i) <=> (right.size() - j);
}

} // namespace quellarine
