// A progressive JPEG decoded from only the coefficients a smaller picture needs: whatever the bytes, the reader
// gives either nothing or a picture of exactly its frame's size in eighths, rounded up, and needs no more memory
// than the budget counts for it. A file that is not progressive gives nothing.

#include "FuzzCheck.h"

#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/ProgressiveJpegReader.h"

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
    const JpegStructure jpeg = JpegStructure::read(bytes);
    // Within what the fuzzer's time allows.
    if (!jpeg.supported || jpeg.blockCount() > 100'000) {
        return 0;
    }
    const QSize frame(jpeg.width, jpeg.height);
    for (int eighths : {1, 2, 3, 8}) {
        fuzz::require(ProgressiveJpegReader::memoryBytes(jpeg, eighths) < 64 << 20, "a small picture costs too much");
        const QImage picture = ProgressiveJpegReader::read(bytes, frame, eighths);
        if (picture.isNull()) {
            continue;
        }
        fuzz::require(jpeg.progressive, "decoded a file that is not progressive");
        fuzz::require(picture.size() == QSize((jpeg.width * eighths + 7) / 8, (jpeg.height * eighths + 7) / 8),
                      "a picture of another size than its frame's eighths");
    }
    return 0;
}
