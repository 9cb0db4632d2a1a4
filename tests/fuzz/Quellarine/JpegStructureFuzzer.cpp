// A JPEG file's structure, read from its markers before anything is decoded: whatever the bytes, the walk stays
// inside them, counts no more coded bytes than there are, and a frame it calls supported is one whose sizes the
// photo's budget can work with.

#include "FuzzCheck.h"

#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PhotoBudget.h"

#include <QByteArray>

#include <algorithm>

using namespace quellarine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const JpegStructure jpeg = JpegStructure::read(bytes);
    fuzz::require(jpeg.entropyBytes >= 0 && jpeg.entropyBytes <= bytes.size(), "more coded bytes than the file");
    if (jpeg.complete) {
        fuzz::require(bytes.contains(QByteArray("\xFF\xD9", 2)), "complete without an end-of-image marker");
        // What follows the end of the image is not read.
        fuzz::require(JpegStructure::read(bytes + QByteArray("\xFF\xC0\x00", 3)).complete, "trailing bytes undo it");
    }
    if (!jpeg.supported) {
        return 0;
    }
    fuzz::require(jpeg.width > 0 && jpeg.height > 0 && !jpeg.components.empty(), "a supported frame without a size");
    for (const auto& component : jpeg.components) {
        fuzz::require(component.horizontal >= 1 && component.horizontal <= 4 && component.vertical >= 1
                          && component.vertical <= 4,
                      "sampling factors outside 1 to 4");
    }
    const std::int64_t blocks = jpeg.blockCount();
    fuzz::require(blocks >= std::int64_t(jpeg.components.size()), "fewer blocks than components");
    fuzz::require(jpeg.coefficientBytes() >= blocks * 128, "fewer coefficient bytes than blocks hold");
    // The budget over the frame this file claims, at the sizes the profile photo asks for and the extremes.
    const QSize frame(jpeg.width, jpeg.height);
    for (const PhotoBudget::Bounds bounds :
         {PhotoBudget::Bounds{1, 1}, PhotoBudget::Bounds{512, 1024}, PhotoBudget::Bounds{65535, 65535}}) {
        if (const auto decoder
            = PhotoBudget::choose(bytes.size(), "jpeg", frame, QImage::Format_RGB32, bounds, &jpeg)) {
            fuzz::require(bytes.size()
                                  + PhotoBudget::decodingBytes(*decoder, frame, QImage::Format_RGB32, bounds, &jpeg)
                              <= PhotoBudget::memoryLimit,
                          "allowed beyond the memory limit");
        }
    }
    return 0;
}
