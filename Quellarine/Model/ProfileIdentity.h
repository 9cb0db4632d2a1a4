#pragma once

#include <QString>

#include <optional>

namespace quellarine {

// How the user is named and shown where the profile appears (the sidebar's card, the profile page): the name
// with its fallbacks, the e-mail as shown, and the initials the avatar draws when there is no photo.
class ProfileIdentity {
public:
    ProfileIdentity() = delete;

    // The name the user gave, else the account's full name, else "You".
    static QString name(const std::optional<QString>& displayName, const QString& accountFullName);
    // The e-mail without spaces (any Unicode space separator, no-break space included) and tabs at either end;
    // none when nothing else is left. Line breaks are kept: they are no spaces.
    static std::optional<QString> email(const QString& typed);
    // The first characters (whole grapheme clusters) of the name's first two words, upper-cased without regard
    // to the user's locale; words are separated by spaces, at signs and full stops only.
    static QString initials(const QString& name);
};

} // namespace quellarine
