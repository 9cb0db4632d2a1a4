#pragma once

#include <QByteArray>
#include <QVariantMap>

#include <optional>

namespace quellarine {

// The settings file's text: QSettings' INI format, which files written by earlier versions and by QSettings itself
// use. Keys are QSettings' keys ("section/key" for a key in a section); values are what QSettings reads.
class IniCodec {
public:
    IniCodec() = delete;

    // Every key of the text with its value, read by QSettings itself. Nothing when there was no memory for it.
    static std::optional<QVariantMap> decode(const QByteArray& text);

    // The text QSettings writes for these values into a new file, byte for byte; QSettings reads every value back
    // as it reads its own.
    static QByteArray encode(const QVariantMap& values);
};

} // namespace quellarine
