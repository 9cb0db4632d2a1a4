#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quellarine {

// A folder of release notes as the loader reads it: on disk, or among the application's compiled-in resources.
// Nothing here fails outward: what cannot be listed or read is simply absent.
class NoteFolder {
public:
    virtual ~NoteFolder() = default;

    // The names of the entries directly in the folder, hidden ones included; empty when it cannot be listed.
    virtual std::vector<std::string> names() const = 0;
    // The whole content of the regular file with this name; none when there is no such file or it cannot be
    // read.
    virtual std::optional<std::string> read(const std::string& name) const = 0;
    // The folder of this name inside this one; one that does not exist lists nothing.
    virtual std::unique_ptr<NoteFolder> folder(const std::string& name) const = 0;
};

} // namespace quellarine
