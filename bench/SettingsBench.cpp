// What a change of a setting costs the application's thread, the way a hot key changes one ("filterOn") and the
// way a store saves a record (a personal setting as JSON), over a settings file of a real size (about 1 KB) and
// over one just under the largest the application reads (Defaults::fileSizeLimit). The CPU column is the
// application thread's own time; writing the file is the writer thread's. "ReachesTheDisk" is the time until a
// change is on the disk, flushed (wall time).

#include "Quellarine/Desktop/Defaults.h"

#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace quellarine;

// A settings file of about the given size: a person's settings and, for a large one, many notes besides.
void writeSettings(const QString& path, qint64 size)
{
    QByteArray text = "[General]\npreset=strong\nfilterOn=true\nprofile.details=\"@ByteArray({\\\"firstName\\\":"
                      "\\\"Ada\\\",\\\"lastName\\\":\\\"Lovelace\\\",\\\"email\\\":\\\"ada@example.org\\\"})\"\n";
    const QByteArray note(90, 'n');
    for (int index = 0; text.size() + note.size() + 16 < size; ++index) {
        text += "note." + QByteArray::number(index) + '=' + note + '\n';
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

const qint64 realSize = 1024;
const qint64 largeSize = Defaults::fileSizeLimit - 64 * 1024;

void HotKeyChange(benchmark::State& state)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Quellarine.ini"));
    writeSettings(path, state.range(0));
    Defaults defaults(path);
    bool on = false;
    for (auto _ : state) {
        defaults.setBool(QStringLiteral("filterOn"), on = !on);
    }
    // Outside the timing, which ends with the loop.
    if (!defaults.flush()) {
        state.SkipWithError("the settings did not reach the disk");
    }
}

void RecordChange(benchmark::State& state)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Quellarine.ini"));
    writeSettings(path, state.range(0));
    Defaults defaults(path);
    nlohmann::json personal
        = {{"base", "strong"}, {"minCutoff", 0.8}, {"beta", 0.01}, {"stages", 2}, {"strength", 0.9}};
    double strength = 0;
    for (auto _ : state) {
        personal["strength"] = strength += 0.001;
        defaults.setJson(QStringLiteral("personalSetting"), personal);
    }
    // Outside the timing, which ends with the loop.
    if (!defaults.flush()) {
        state.SkipWithError("the settings did not reach the disk");
    }
}

void ChangeReachesTheDisk(benchmark::State& state)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("Quellarine.ini"));
    writeSettings(path, state.range(0));
    Defaults defaults(path);
    bool on = false;
    for (auto _ : state) {
        defaults.setBool(QStringLiteral("filterOn"), on = !on);
        if (!defaults.flush()) {
            state.SkipWithError("the settings did not reach the disk");
        }
    }
}

} // namespace

BENCHMARK(HotKeyChange)->Arg(realSize)->Arg(largeSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordChange)->Arg(realSize)->Arg(largeSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeReachesTheDisk)->Arg(realSize)->Arg(largeSize)->Unit(benchmark::kMillisecond)->UseRealTime();
