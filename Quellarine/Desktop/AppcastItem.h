#pragma once

#include <QString>
#include <QUrl>

namespace quellarine {

// One release listed in the update feed.
struct AppcastItem {
    // The release's build, ordered numerically against the running build.
    QString versionString;
    // The version people see; the build when the feed names no other.
    QString displayVersionString;
    // The release's download (the enclosure); always https.
    QUrl fileURL;
    // The release's web page and its release notes; https, or empty when the feed gives none.
    QUrl infoURL;
    QUrl releaseNotesURL;

    bool operator==(const AppcastItem&) const = default;
};

} // namespace quellarine
