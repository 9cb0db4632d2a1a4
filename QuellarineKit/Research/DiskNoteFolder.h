#pragma once

#include "QuellarineKit/Research/NoteFolder.h"

#include <filesystem>

namespace quellarine {

// A folder of release notes on disk. Names are listed in byte order, so the loader's result never depends on
// the order the file system happens to return.
class DiskNoteFolder : public NoteFolder {
public:
    explicit DiskNoteFolder(std::filesystem::path path);

    std::vector<std::string> names() const override;
    std::optional<std::string> read(const std::string& name) const override;
    std::unique_ptr<NoteFolder> folder(const std::string& name) const override;

private:
    std::filesystem::path path_;
};

} // namespace quellarine
