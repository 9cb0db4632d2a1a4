// The update feed: a feed is either refused with AppcastError or gives releases that each have a build, a name
// to show and an https download, with every other link https or absent; the newest release is ordered at or
// above every other, and the order of builds is a consistent one.

#include "FuzzCheck.h"

#include "Quellarine/Desktop/Appcast.h"
#include "Quellarine/Desktop/NumericCompare.h"

using namespace quellarine;

namespace {

bool isHttps(const QUrl& url)
{
    return url.isValid() && url.scheme() == u"https" && !url.host().isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Appcast appcast;
    try {
        appcast = Appcast::parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const AppcastError&) {
        return 0;
    }
    fuzz::require(!appcast.items.empty(), "a feed was accepted without releases");
    for (const auto& item : appcast.items) {
        fuzz::require(!item.versionString.isEmpty(), "a release has no build");
        fuzz::require(!item.displayVersionString.isEmpty(), "a release has no version to show");
        fuzz::require(isHttps(item.fileURL), "a download is not https");
        fuzz::require(item.infoURL.isEmpty() || isHttps(item.infoURL), "a web page link is not https");
        fuzz::require(item.releaseNotesURL.isEmpty() || isHttps(item.releaseNotesURL),
                      "a release notes link is not https");
    }
    const auto& newest = appcast.newest();
    for (const auto& item : appcast.items) {
        fuzz::require(numericCompare(newest.versionString, item.versionString) >= 0,
                      "a release is newer than the newest");
        fuzz::require(numericCompare(item.versionString, item.versionString) == 0, "a build differs from itself");
        const auto forward = numericCompare(item.versionString, newest.versionString);
        const auto backward = numericCompare(newest.versionString, item.versionString);
        fuzz::require((forward < 0) == (backward > 0) && (forward == 0) == (backward == 0),
                      "two builds order differently each way round");
    }
    return 0;
}
