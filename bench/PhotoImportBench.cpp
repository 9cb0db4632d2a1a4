// Importing a profile photo from a 24-megapixel camera JPEG (6000 × 4000): reading the file, decoding at most
// 1024 pixels a side, cropping and scaling to 512 × 512 and writing the PNG, as one import runs off the main thread.
// Besides the time, it reports the resident memory the import added at its peak ("peak_MB") and the source
// file's size ("file_MB").

#include "Quellarine/Model/ProfilePhoto.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <fstream>
#include <random>
#include <string>

namespace {

using namespace quellarine;

// A field of the resident set size in /proc/self/status, in megabytes.
double residentMegabytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
        }
    }
    return 0;
}

// Starts the peak (VmHWM) again from the present resident size.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Smooth colour with grain, so that the file is as large as a real photo's.
QString writeCameraJpeg(const QTemporaryDir& directory)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    std::minstd_rand noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(noise() % 24);
            line[x] = qRgb((x / 24 + grain) & 0xFF, (y / 16 + grain) & 0xFF, ((x + y) / 40 + grain) & 0xFF);
        }
    }
    const QString path = directory.filePath(QStringLiteral("camera.jpg"));
    image.save(path, "JPEG", 92);
    return path;
}

void importCameraPhoto(benchmark::State& state)
{
    QTemporaryDir directory;
    const QString source = writeCameraJpeg(directory);
    const QString photo = directory.filePath(QString::fromLatin1(ProfilePhoto::fileName));

    const double before = residentMegabytes("VmRSS");
    resetPeak();
    for (auto _ : state) {
        auto result = ProfilePhoto::importFile(source, photo);
        if (!std::holds_alternative<QByteArray>(result)) {
            state.SkipWithError("the import failed");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
    state.counters["peak_MB"] = residentMegabytes("VmHWM") - before;
    state.counters["file_MB"] = double(QFileInfo(source).size()) / (1024.0 * 1024.0);
}

BENCHMARK(importCameraPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
