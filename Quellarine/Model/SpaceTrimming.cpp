#include "Quellarine/Model/SpaceTrimming.h"

namespace quellarine {

QString trimmedOfSpaces(const QString& text)
{
    const auto isSpace
        = [](QChar character) { return character == u'\t' || character.category() == QChar::Separator_Space; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

} // namespace quellarine
