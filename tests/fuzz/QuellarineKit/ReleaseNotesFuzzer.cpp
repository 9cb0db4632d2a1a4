// A release-notes file: the first line of the input is the file's version, the rest its HTML. Any bytes read
// without fault into a note whose texts are single lines, headed by the product and version when the file has
// no headline; and versions order strictly.

#include "FuzzCheck.h"

#include "QuellarineKit/Research/ReleaseNotes.h"

#include <string_view>

using namespace quellarine;

namespace {

bool isOneLine(const std::string& text)
{
    return text.find('\n') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto lineEnd = input.find('\n');
    const std::string_view version = input.substr(0, lineEnd);
    const std::string_view html = lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);

    const ReleaseNote note = ReleaseNotes::parse(html, version);
    fuzz::require(note.version == version, "a note does not keep its version");
    if (ReleaseNotes::tagContents("h2", html).empty()) {
        fuzz::require(note.headline == "Quellarine " + std::string(version), "a note without headline has no title");
    }
    fuzz::require(isOneLine(note.headline) && (!note.intro || isOneLine(*note.intro)), "a note's text spans lines");
    for (const auto& item : note.items) {
        fuzz::require(isOneLine(item), "an item spans lines");
    }

    // Against a fixed release and against itself: never newer than itself, never newer both ways.
    for (std::string_view other : {std::string_view("1.4.0"), version}) {
        fuzz::require(!(ReleaseNotes::isNewer(version, other) && ReleaseNotes::isNewer(other, version)),
                      "two versions are each newer than the other");
    }
    fuzz::require(!ReleaseNotes::isNewer(version, version), "a version is newer than itself");
    if (auto numbers = ReleaseNotes::versionNumbers(version)) {
        fuzz::require((*numbers)[0] >= 0 && (*numbers)[1] >= 0 && (*numbers)[2] >= 0, "a version number is negative");
    }
    return 0;
}
