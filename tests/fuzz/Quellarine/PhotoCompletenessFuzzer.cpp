// Whether a GIF, BMP or PNG file holds its whole picture, judged before decoding: whatever the bytes, the walk stays
// inside them, and a file judged whole stays whole with anything appended (what follows is never read).

#include "FuzzCheck.h"

#include "Quellarine/Model/PhotoCompleteness.h"

#include <QByteArray>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray longer = bytes + QByteArray(7, '\xFF');
    if (PhotoCompleteness::gif(bytes)) {
        fuzz::require(PhotoCompleteness::gif(longer), "a whole GIF no longer whole with bytes after it");
    }
    if (PhotoCompleteness::bmp(bytes)) {
        fuzz::require(PhotoCompleteness::bmp(longer), "a whole BMP no longer whole with bytes after it");
    }
    if (PhotoCompleteness::png(bytes)) {
        fuzz::require(PhotoCompleteness::png(longer), "a whole PNG no longer whole with bytes after it");
    }
    return 0;
}
