#include "Quellarine/Model/ProfileIdentity.h"

#include "Quellarine/Model/SpaceTrimming.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

namespace quellarine {

namespace {

bool isWordSeparator(QStringView cluster)
{
    return cluster == u" " || cluster == u"@" || cluster == u".";
}

} // namespace

QString ProfileIdentity::name(const std::optional<QString>& displayName, const QString& accountFullName)
{
    if (displayName) {
        return *displayName;
    }
    if (!accountFullName.isEmpty()) {
        return accountFullName;
    }
    return QCoreApplication::translate("ProfileIdentity", "You");
}

std::optional<QString> ProfileIdentity::email(const QString& typed)
{
    QString trimmed = trimmedOfSpaces(typed);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    return trimmed;
}

QString ProfileIdentity::initials(const QString& name)
{
    QString result;
    int words = 0;
    bool inWord = false;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, name);
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end != -1 && words < 2; end = clusters.toNextBoundary()) {
        const QStringView cluster = QStringView(name).mid(start, end - start);
        start = end;
        if (isWordSeparator(cluster)) {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            ++words;
            // QString's case mapping is the Unicode default one, whatever the locale: "ß" becomes "SS".
            result += cluster.toString().toUpper();
        }
    }
    return result;
}

} // namespace quellarine
