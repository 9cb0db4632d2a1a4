// Loading the release-notes folder the what's-new page reads once per run: 200 notes of a realistic size on
// disk, in English and with a translation folder merged over them, and parsing one note alone.

#include "QuellarineKit/Research/DiskNoteFolder.h"
#include "QuellarineKit/Research/ReleaseNotes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace {

using namespace quellarine;
namespace fs = std::filesystem;

constexpr int noteCount = 200;

std::string noteHtml(int index)
{
    std::string html = "<!DOCTYPE html>\n<html><body>\n<h2>Quellarine " + std::to_string(index)
        + " &mdash; steadier <b>clicks</b></h2>\n<p>This release makes the pointer <b>calmer</b> and the "
          "click guard &ldquo;smarter&rdquo; when your hand shakes.</p>\n<ul>\n";
    for (int item = 0; item < 8; ++item) {
        html += "  <li>Item " + std::to_string(item)
            + " with <code>click_guard</code>, a <a href=\"https://example.org/notes\">link</a> and "
              "snake_case words &amp; a *star*.</li>\n";
    }
    return html + "</ul>\n</body></html>\n";
}

// 200 base notes and, in "fr", a translation of every other one; removed when the program ends.
class NotesOnDisk {
public:
    NotesOnDisk()
    {
        std::string pattern = (fs::temp_directory_path() / "release-notes-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        root_ = pattern;
        fs::create_directories(root_ / "fr");
        for (int index = 0; index < noteCount; ++index) {
            const std::string name = "1." + std::to_string(index / 10) + "." + std::to_string(index % 10) + ".html";
            std::ofstream(root_ / name) << noteHtml(index);
            if (index % 2 == 0) {
                std::ofstream(root_ / "fr" / name) << noteHtml(index);
            }
        }
    }
    ~NotesOnDisk()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const fs::path& root() const { return root_; }

private:
    fs::path root_;
};

const NotesOnDisk& notesOnDisk()
{
    static const NotesOnDisk notes;
    return notes;
}

void LoadTwoHundredNotes(benchmark::State& state)
{
    const DiskNoteFolder folder(notesOnDisk().root());
    for (auto _ : state) {
        auto notes = ReleaseNotes::load(folder);
        benchmark::DoNotOptimize(notes);
        if (notes.size() != noteCount) {
            state.SkipWithError("not every note loaded");
        }
    }
}
BENCHMARK(LoadTwoHundredNotes)->Unit(benchmark::kMillisecond);

void LoadTwoHundredNotesWithATranslation(benchmark::State& state)
{
    const DiskNoteFolder folder(notesOnDisk().root());
    for (auto _ : state) {
        auto notes = ReleaseNotes::load(folder, std::string("fr"));
        benchmark::DoNotOptimize(notes);
    }
}
BENCHMARK(LoadTwoHundredNotesWithATranslation)->Unit(benchmark::kMillisecond);

void ParseOneNote(benchmark::State& state)
{
    const std::string html = noteHtml(1);
    for (auto _ : state) {
        auto note = ReleaseNotes::parse(html, "1.0.1");
        benchmark::DoNotOptimize(note);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * html.size()));
}
BENCHMARK(ParseOneNote)->Unit(benchmark::kMicrosecond);

} // namespace
