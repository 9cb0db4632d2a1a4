// A PNG file read row by row and made smaller as it goes: whatever the bytes, the reader gives either nothing or a
// picture of exactly the size asked for, within the fuzzer's memory limit, and the same picture with anything
// appended after the file's end.

#include "FuzzCheck.h"

#include "Quellarine/Model/PhotoBudget.h"
#include "Quellarine/Model/PngRowReader.h"

#include <QByteArray>

using namespace quellarine;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::addFlag(argc, argv, "-malloc_limit_mb=64");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (bytes.size() < 24) {
        return 0;
    }
    const auto word = [&](int at) {
        return (std::int64_t(std::uint8_t(bytes[at])) << 24) | (std::uint8_t(bytes[at + 1]) << 16)
            | (std::uint8_t(bytes[at + 2]) << 8) | std::uint8_t(bytes[at + 3]);
    };
    // The size its header claims, within what the fuzzer's time allows.
    const QSize claimed(int(std::min<std::int64_t>(word(16), 1 << 30)), int(std::min<std::int64_t>(word(20), 1 << 30)));
    if (claimed.isEmpty() || std::int64_t{claimed.width()} * claimed.height() > 4'000'000) {
        return 0;
    }
    for (int side : {1, 7, 64}) {
        const QSize target = PhotoBudget::target(claimed, {side, side});
        const QImage picture = PngRowReader::read(bytes, claimed, target);
        if (picture.isNull()) {
            continue;
        }
        fuzz::require(picture.size() == target, "a picture of another size than asked for");
        fuzz::require(PngRowReader::read(bytes + QByteArray(9, '\x42'), claimed, target) == picture,
                      "bytes after the end changed the picture");
    }
    return 0;
}
