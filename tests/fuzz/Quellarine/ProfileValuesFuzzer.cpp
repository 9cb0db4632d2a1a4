// The profile's stored values: a stored name or address is cleaned into at most the limit's characters, none of
// them a control or format character, that write as UTF-8 and read back the same, and cleaning again changes
// nothing; a stored device or appearance reads only from its exact name.

#include "FuzzCheck.h"

#include "Quellarine/Model/ProfileStore.h"

#include <cstring>

using namespace quellarine;

namespace {

void requireClean(const QString& stored, int limit)
{
    const QString cleaned = ProfileStore::sanitize(stored, limit);
    const auto scalars = cleaned.toUcs4();
    fuzz::require(scalars.size() <= limit, "a cleaned value is longer than its limit");
    for (char32_t scalar : scalars) {
        fuzz::require(!QChar::isSurrogate(scalar), "a cleaned value keeps a lone surrogate");
        const auto category = QChar::category(scalar);
        fuzz::require(category != QChar::Other_Control && category != QChar::Other_Format,
                      "a cleaned value keeps a control or format character");
    }
    fuzz::require(QString::fromStdString(cleaned.toStdString()) == cleaned, "a cleaned value does not survive UTF-8");
    fuzz::require(ProfileStore::sanitize(cleaned, limit) == cleaned, "cleaning a clean value changes it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Both readings of the bytes: UTF-8 as the settings file gives text, and UTF-16 with any lone surrogate.
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString utf16(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, size / 2 * sizeof(QChar));
    for (const QString& stored : {utf8, utf16}) {
        requireClean(stored, ProfileStore::nameLimit);
        requireClean(stored, ProfileStore::emailLimit);
        if (auto device = ProfileStore::deviceFromRaw(stored)) {
            fuzz::require(ProfileStore::rawValue(*device) == stored, "a device reads from another name than its own");
        }
        if (auto appearance = ProfileStore::appearanceFromRaw(stored)) {
            fuzz::require(ProfileStore::rawValue(*appearance) == stored,
                          "an appearance reads from another name than its own");
        }
    }
    return 0;
}
