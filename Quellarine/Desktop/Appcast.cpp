#include "Quellarine/Desktop/Appcast.h"

#include "Quellarine/Desktop/NumericCompare.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace quellarine {

namespace {

bool isHttps(const QUrl& url)
{
    return url.isValid() && url.scheme() == u"https" && !url.host().isEmpty();
}

[[noreturn]] void fail(const QString& reason)
{
    throw AppcastError(reason.toStdString());
}

QString limited(QString text, qsizetype maximum, const char* field)
{
    if (text.size() > maximum) {
        fail(QStringLiteral("%1 is longer than %2 characters").arg(QLatin1StringView(field)).arg(maximum));
    }
    return text;
}

// A link that is not https is left out rather than opened.
QUrl httpsOrEmpty(const QString& text)
{
    limited(text.trimmed(), Appcast::maximumAddressLength, "a link");
    QUrl url(text.trimmed(), QUrl::StrictMode);
    return isHttps(url) ? url : QUrl();
}

QString namespacedAttribute(const QXmlStreamAttributes& attributes, QStringView name)
{
    for (const auto& attribute : attributes) {
        if (!attribute.namespaceUri().isEmpty() && attribute.name() == name) {
            return attribute.value().trimmed().toString();
        }
    }
    return {};
}

AppcastItem readItem(QXmlStreamReader& reader)
{
    AppcastItem item;
    QString enclosureVersion;
    QString enclosureShortVersion;
    bool hasEnclosure = false;
    while (reader.readNextStartElement()) {
        auto name = reader.name();
        bool namespaced = !reader.namespaceUri().isEmpty();
        if (namespaced && name == u"version") {
            item.versionString
                = limited(reader.readElementText().trimmed(), Appcast::maximumVersionLength, "a version");
        } else if (namespaced && name == u"shortVersionString") {
            item.displayVersionString
                = limited(reader.readElementText().trimmed(), Appcast::maximumVersionLength, "a version");
        } else if (namespaced && name == u"releaseNotesLink") {
            item.releaseNotesURL = httpsOrEmpty(reader.readElementText());
        } else if (!namespaced && name == u"link") {
            item.infoURL = httpsOrEmpty(reader.readElementText());
        } else if (!namespaced && name == u"enclosure") {
            auto attributes = reader.attributes();
            QUrl url(limited(attributes.value(QLatin1StringView("url")).trimmed().toString(),
                             Appcast::maximumAddressLength, "a download address"),
                     QUrl::StrictMode);
            if (!isHttps(url)) {
                fail(QStringLiteral("an enclosure is not an https address"));
            }
            item.fileURL = url;
            enclosureVersion
                = limited(namespacedAttribute(attributes, u"version"), Appcast::maximumVersionLength, "a version");
            enclosureShortVersion = limited(namespacedAttribute(attributes, u"shortVersionString"),
                                            Appcast::maximumVersionLength, "a version");
            hasEnclosure = true;
            reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    if (item.versionString.isEmpty()) {
        item.versionString = enclosureVersion;
    }
    if (item.displayVersionString.isEmpty()) {
        item.displayVersionString = enclosureShortVersion;
    }
    if (item.displayVersionString.isEmpty()) {
        item.displayVersionString = item.versionString;
    }
    if (!reader.hasError()) {
        if (!hasEnclosure) {
            fail(QStringLiteral("an item has no enclosure"));
        }
        if (item.versionString.isEmpty()) {
            fail(QStringLiteral("an item has no version"));
        }
    }
    return item;
}

} // namespace

Appcast Appcast::parse(const QByteArray& document)
{
    Appcast appcast;
    QXmlStreamReader reader(document);
    // A feed needs no DTD, and refusing one keeps entity tricks out.
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
        if (reader.tokenType() == QXmlStreamReader::DTD) {
            fail(QStringLiteral("the document declares a DTD"));
        }
    }
    if (reader.hasError()) {
        fail(reader.errorString());
    }
    if (!reader.isStartElement() || reader.name() != u"rss") {
        fail(QStringLiteral("the document is not an RSS feed"));
    }
    bool hasChannel = false;
    while (reader.readNextStartElement()) {
        if (reader.name() != u"channel" || hasChannel) {
            reader.skipCurrentElement();
            continue;
        }
        hasChannel = true;
        while (reader.readNextStartElement()) {
            if (reader.name() == u"item" && reader.namespaceUri().isEmpty()) {
                appcast.items.push_back(readItem(reader));
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    // Reads to the end so that a broken tail is noticed as well.
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
    }
    if (reader.hasError()) {
        fail(reader.errorString());
    }
    if (!hasChannel) {
        fail(QStringLiteral("the feed has no channel"));
    }
    if (appcast.items.empty()) {
        fail(QStringLiteral("the feed lists no releases"));
    }
    return appcast;
}

const AppcastItem& Appcast::newest() const
{
    return *std::max_element(items.begin(), items.end(), [](const AppcastItem& left, const AppcastItem& right) {
        return numericCompare(left.versionString, right.versionString) < 0;
    });
}

} // namespace quellarine
