#pragma once

#include "QuellarineKit/Research/NoteFolder.h"

#include <QString>

namespace quellarine {

// A folder of release notes as Qt reaches it: the compiled-in resources (":/release-notes") or a folder on disk.
class ResourceNoteFolder : public NoteFolder {
public:
    explicit ResourceNoteFolder(QString path);

    std::vector<std::string> names() const override;
    std::optional<std::string> read(const std::string& name) const override;
    std::unique_ptr<NoteFolder> folder(const std::string& name) const override;

private:
    QString path_;
};

} // namespace quellarine
