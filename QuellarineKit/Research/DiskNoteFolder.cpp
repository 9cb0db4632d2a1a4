#include "QuellarineKit/Research/DiskNoteFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace quellarine {

DiskNoteFolder::DiskNoteFolder(std::filesystem::path path)
    : path_(std::move(path))
{
}

std::vector<std::string> DiskNoteFolder::names() const
{
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(path_, error);
    if (error) {
        return {};
    }
    for (const std::filesystem::directory_entry& entry : entries) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> DiskNoteFolder::read(const std::string& name) const
{
    const std::filesystem::path file = path_ / name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::string content{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    if (stream.bad()) {
        return std::nullopt;
    }
    return content;
}

std::unique_ptr<NoteFolder> DiskNoteFolder::folder(const std::string& name) const
{
    return std::make_unique<DiskNoteFolder>(path_ / name);
}

} // namespace quellarine
