#include "Quellarine/Desktop/UserAccount.h"

#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace quellarine {

QString UserAccount::fullNameFromComment(const char* comment)
{
    if (comment == nullptr) {
        return {};
    }
    const char* comma = std::strchr(comment, ',');
    const auto length = comma ? comma - comment : static_cast<std::ptrdiff_t>(std::strlen(comment));
    return QString::fromUtf8(comment, length);
}

QString UserAccount::fullName()
{
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    // A directory service may hold long entries: grow the buffer until the entry fits, within reason.
    for (;;) {
        const int error = getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found);
        if (error == ERANGE && buffer.size() < 1024 * 1024) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (error != 0 || found == nullptr) {
            return {};
        }
        return fullNameFromComment(entry.pw_gecos);
    }
}

} // namespace quellarine
