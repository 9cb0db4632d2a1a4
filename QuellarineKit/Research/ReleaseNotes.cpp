#include "QuellarineKit/Research/ReleaseNotes.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>

namespace quellarine::ReleaseNotes {

namespace {

constexpr std::string_view htmlExtension = ".html";

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerAscii(c); });
    return lower;
}

// The first place at or after `from` where `needle` occurs, ignoring ASCII case.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from)
{
    if (needle.empty()) {
        return from <= text.size() ? from : std::string_view::npos;
    }
    const char first = lowerAscii(needle.front());
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (lowerAscii(text[at]) != first) {
            continue;
        }
        if (std::equal(needle.begin(), needle.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                       [](char a, char b) { return lowerAscii(a) == lowerAscii(b); })) {
            return at;
        }
    }
    return std::string_view::npos;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        result.append(text, start, at - start).append(to);
        start = at + from.size();
    }
    result.append(text, start, std::string::npos);
    text = std::move(result);
}

bool isUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        std::size_t length = 0;
        char32_t point = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - at < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[at + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and points past the last plane are not UTF-8.
        if ((length == 3 && (point < 0x800 || (point >= 0xD800 && point <= 0xDFFF)))
            || (length == 4 && (point < 0x10000 || point > 0x10FFFF))) {
            return false;
        }
        at += length;
    }
    return true;
}

// The length in bytes of the white space or line break that starts at `at` (tab to carriage return, NEL, and
// Unicode's space, line and paragraph separators), or 0.
std::size_t whiteSpaceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t offset) {
        return at + offset < text.size() ? static_cast<unsigned char>(text[at + offset]) : 0u;
    };
    const unsigned first = byte(0);
    if (first == ' ' || (first >= 0x09 && first <= 0x0D)) {
        return 1;
    }
    if (first == 0xC2 && (byte(1) == 0x85 || byte(1) == 0xA0)) {
        return 2;
    }
    if (first == 0xE1 && byte(1) == 0x9A && byte(2) == 0x80) {
        return 3;
    }
    if (first == 0xE2 && byte(1) == 0x80 && (byte(2) <= 0x8A || byte(2) == 0xA8 || byte(2) == 0xA9 || byte(2) == 0xAF)
        && byte(2) >= 0x80) {
        return 3;
    }
    if (first == 0xE2 && byte(1) == 0x81 && byte(2) == 0x9F) {
        return 3;
    }
    if (first == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
        return 3;
    }
    return 0;
}

// The non-empty pieces between runs of white space, joined by one space.
std::string collapseWhiteSpace(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    bool pendingSpace = false;
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t space = whiteSpaceLength(text, at)) {
            pendingSpace = !line.empty();
            at += space;
            continue;
        }
        if (pendingSpace) {
            line.push_back(' ');
            pendingSpace = false;
        }
        line.push_back(text[at++]);
    }
    return line;
}

struct CharacterReference {
    std::string_view reference;
    std::string_view replacement;
};

constexpr CharacterReference characterReferences[] = {
    {"&lt;", "<"},         {"&gt;", ">"},         {"&quot;", "\""},      {"&#39;", "'"},        {"&apos;", "'"},
    {"&nbsp;", " "},       {"&mdash;", "\u2014"}, {"&ndash;", "\u2013"}, {"&rsquo;", "\u2019"}, {"&lsquo;", "\u2018"},
    {"&ldquo;", "\u201C"}, {"&rdquo;", "\u201D"}, {"&amp;", "&"},
};

// Each reference decoded once. Replacing the table's rows one after the other over the whole text gives the
// same: every reference starts with the only "&" it contains and no replacement contains one, so the matches
// never overlap and no replacement forms a new reference; "&amp;" coming last is what leaves "&amp;lt;" as
// "&lt;".
void appendDecoded(std::string& output, std::string_view text)
{
    std::size_t start = 0;
    for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        for (const CharacterReference& row : characterReferences) {
            if (text.substr(at, row.reference.size()) == row.reference) {
                output.append(text.substr(start, at - start)).append(row.replacement);
                start = at + row.reference.size();
                at = start - 1;
                break;
            }
        }
    }
    output.append(text.substr(start));
}

// Text between tags: references decoded, then, outside code, "*" and "_" escaped so they stay literal.
void appendTextRun(std::string& output, std::string_view text, bool inCode)
{
    if (inCode) {
        appendDecoded(output, text);
        return;
    }
    std::string decoded;
    appendDecoded(decoded, text);
    for (const char c : decoded) {
        if (c == '*' || c == '_') {
            output.push_back('\\');
        }
        output.push_back(c);
    }
}

// The address of an "a" tag as written, when it is `a href="https://..."` with no space, bracket or quote in the
// address.
std::optional<std::string_view> linkAddress(std::string_view tag)
{
    constexpr std::string_view opening = "a href=\"";
    if (!tag.starts_with(opening)) {
        return std::nullopt;
    }
    const std::size_t end = tag.find('"', opening.size());
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view address = tag.substr(opening.size(), end - opening.size());
    if (!address.starts_with("https://") || address.find_first_of(" ()<>\"") != std::string_view::npos) {
        return std::nullopt;
    }
    return address;
}

// One decimal integer as a version piece: optional sign, at least one ASCII digit, within 64 bits.
std::optional<std::int64_t> versionNumber(std::string_view piece)
{
    bool negative = false;
    if (!piece.empty() && (piece.front() == '+' || piece.front() == '-')) {
        negative = piece.front() == '-';
        piece.remove_prefix(1);
    }
    if (piece.empty() || !std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), magnitude);
    if (error != std::errc() || end != piece.data() + piece.size()
        || magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return std::nullopt;
    }
    // "-0" is zero, which is not negative.
    if (negative && magnitude != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(magnitude);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Two or three lower-case letters, optionally a hyphen and two to four letters: also what keeps the code a single
// path component.
bool isLanguageCode(std::string_view code)
{
    const std::size_t hyphen = code.find('-');
    const std::string_view language = code.substr(0, hyphen);
    if (language.size() < 2 || language.size() > 3
        || !std::all_of(language.begin(), language.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
        return false;
    }
    if (hyphen == std::string_view::npos) {
        return true;
    }
    const std::string_view rest = code.substr(hyphen + 1);
    return rest.size() >= 2 && rest.size() <= 4 && std::all_of(rest.begin(), rest.end(), isLetter);
}

} // namespace

std::optional<std::array<std::int64_t, 3>> versionNumbers(std::string_view version)
{
    std::array<std::int64_t, 3> numbers{};
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= version.size()) {
        const std::size_t dot = std::min(version.find('.', start), version.size());
        const std::string_view piece = version.substr(start, dot - start);
        start = dot + 1;
        if (piece.empty()) {
            continue;
        }
        const std::optional<std::int64_t> number = versionNumber(piece);
        if (!number || count == numbers.size()) {
            return std::nullopt;
        }
        numbers[count++] = *number;
    }
    if (count != numbers.size()) {
        return std::nullopt;
    }
    return numbers;
}

bool isNewer(std::string_view version, std::string_view other)
{
    const auto a = versionNumbers(version);
    if (!a) {
        return false;
    }
    const auto b = versionNumbers(other);
    if (!b) {
        return true;
    }
    return *a > *b;
}

std::vector<std::string> tagContents(std::string_view tag, std::string_view html)
{
    const std::string opening = "<" + std::string(tag) + ">";
    const std::string closing = "</" + std::string(tag) + ">";
    std::vector<std::string> contents;
    std::size_t from = 0;
    while (true) {
        const std::size_t open = findIgnoringCase(html, opening, from);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t start = open + opening.size();
        // A later opening tag would need a closing tag after this one's, and there is none.
        const std::size_t close = findIgnoringCase(html, closing, start);
        if (close == std::string_view::npos) {
            break;
        }
        contents.emplace_back(html.substr(start, close - start));
        from = close + closing.size();
    }
    return contents;
}

std::string inlineMarkdown(std::string_view fragment)
{
    std::string output;
    output.reserve(fragment.size() + fragment.size() / 8);
    bool inCode = false;
    std::optional<std::string_view> pendingLink;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = fragment.find('<', at);
        if (open == std::string_view::npos) {
            appendTextRun(output, fragment.substr(at), inCode);
            break;
        }
        appendTextRun(output, fragment.substr(at, open - at), inCode);
        const std::size_t close = fragment.find('>', open + 1);
        if (close == std::string_view::npos) {
            appendTextRun(output, fragment.substr(open), inCode);
            break;
        }
        const std::string_view tag = fragment.substr(open + 1, close - open - 1);
        const std::string name = lowerAscii(tag);
        if (name == "b" || name == "/b" || name == "strong" || name == "/strong") {
            output += "**";
        } else if (name == "code") {
            output += '`';
            inCode = true;
        } else if (name == "/code") {
            output += '`';
            inCode = false;
        } else if (name == "/a") {
            if (pendingLink) {
                output.append("](").append(*pendingLink).append(")");
                pendingLink.reset();
            }
        } else if (!pendingLink && name.starts_with("a ")) {
            if (const auto address = linkAddress(tag)) {
                output += '[';
                pendingLink = address;
            }
        }
        at = close + 1;
    }
    return collapseWhiteSpace(output);
}

ReleaseNote parse(std::string_view html, std::string_view version)
{
    ReleaseNote note;
    note.version = std::string(version);
    const std::vector<std::string> headlines = tagContents("h2", html);
    if (headlines.empty()) {
        note.headline = "Quellarine " + std::string(version);
    } else {
        note.headline = inlineMarkdown(headlines.front());
        replaceAll(note.headline, "**", "");
        replaceAll(note.headline, "`", "");
        replaceAll(note.headline, "\\*", "*");
        replaceAll(note.headline, "\\_", "_");
    }
    const std::vector<std::string> paragraphs = tagContents("p", html);
    if (!paragraphs.empty()) {
        note.intro = inlineMarkdown(paragraphs.front());
    }
    for (const std::string& item : tagContents("li", html)) {
        note.items.push_back(inlineMarkdown(item));
    }
    return note;
}

std::vector<ReleaseNote> load(const NoteFolder& folder)
{
    std::vector<ReleaseNote> notes;
    for (const std::string& name : folder.names()) {
        if (name.starts_with('.') || !name.ends_with(htmlExtension)) {
            continue;
        }
        const std::string_view version = std::string_view(name).substr(0, name.size() - htmlExtension.size());
        if (!versionNumbers(version)) {
            continue;
        }
        const std::optional<std::string> content = folder.read(name);
        if (!content || !isUtf8(*content)) {
            continue;
        }
        notes.push_back(parse(*content, version));
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const ReleaseNote& a, const ReleaseNote& b) { return isNewer(a.version, b.version); });
    return notes;
}

std::vector<ReleaseNote> load(const NoteFolder& folder, const std::optional<std::string>& language)
{
    std::vector<ReleaseNote> notes = load(folder);
    if (!language || *language == "en" || !isLanguageCode(*language)) {
        return notes;
    }
    std::unordered_map<std::string, ReleaseNote> translated;
    for (ReleaseNote& note : load(*folder.folder(*language))) {
        translated.insert_or_assign(note.version, std::move(note));
    }
    for (ReleaseNote& note : notes) {
        if (const auto found = translated.find(note.version); found != translated.end()) {
            note = found->second;
        }
    }
    return notes;
}

} // namespace quellarine::ReleaseNotes
