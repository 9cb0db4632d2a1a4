#pragma once

#include "QuellarineKit/Research/NoteFolder.h"
#include "QuellarineKit/Research/ReleaseNote.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quellarine {

// Reads the release notes the application ships: a folder of "<version>.html" files (version: three whole
// numbers joined by dots), with translated copies of the same names in language subfolders ("fr", "pt-BR",
// "zh-Hans"). Of each file only the first h2 (the headline), the first p (the intro) and every li (the items)
// are read, with their inline markup turned into Markdown. No state, no network, no writes; nothing fails
// outward: whatever cannot be read contributes no notes. Every operation takes any bytes, valid UTF-8 or not.
namespace ReleaseNotes {

// The note of one file's HTML; the headline falls back to "Quellarine <version>".
ReleaseNote parse(std::string_view html, std::string_view version);

// Every readable, UTF-8, validly named note of the folder, newest first. Hidden files, other names and
// subfolders are skipped.
std::vector<ReleaseNote> load(const NoteFolder& folder);

// The folder's notes with each one replaced as a whole by its translation in the language's subfolder, when
// there is one. No language, "en", or a code that is not two or three lower-case letters with an optional
// hyphen and two to four letters gives the base notes. Notes only the translation has are not shown.
std::vector<ReleaseNote> load(const NoteFolder& folder, const std::optional<std::string>& language);

// Whether `version` is a later release than `other`: a valid version is newer than an invalid one, an invalid
// one is never newer, and equal numbers are not newer.
bool isNewer(std::string_view version, std::string_view other);

// Major, minor and patch of a version text: splitting at "." with empty pieces dropped must give exactly three
// decimal integers (a leading "+" allowed) that fit in 64 bits and are not negative.
std::optional<std::array<std::int64_t, 3>> versionNumbers(std::string_view version);

// The content of every `<tag>...</tag>` in the HTML, in order: the opening tag has no attributes, tag names
// match without regard to ASCII case, content may span lines and ends at the first closing tag.
std::vector<std::string> tagContents(std::string_view tag, std::string_view html);

// An HTML fragment as one line of inline Markdown: b and strong become "**", code becomes a code span, an
// https link without spaces or brackets becomes a Markdown link, every other tag is dropped; character
// references are decoded once, "*" and "_" outside code are escaped, and runs of white space become one space.
std::string inlineMarkdown(std::string_view fragment);

} // namespace ReleaseNotes

} // namespace quellarine
