// Measures the file list's filter: a directory of 10,000 files and 2,000 subdirectories, filtered
// by a pattern list and sorted, as every keystroke in the playlist picker's pattern box does.
// usage: filter_bench [RUNS]
// Prints the fastest, the median and the slowest run of
//   - the filter alone (matching, leaving out directories, sorting; the names are moved),
//   - a whole re-read of the list (FileList::SetPattern over an in-memory directory, so the
//     listing's copy of 12,000 entries counts too),
// for the start pattern list, and for "*.*", which keeps and sorts every file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"
#include "forms/FileList.h"

namespace {

using Clock = std::chrono::steady_clock;

// One directory, listed from memory as it is: a copy of its entries and nothing else, so that
// what is measured is the list's own work. The rest of the file system is the tests' fake, so a
// new file operation needs nothing here.
class MemoryDirectory : public qlr::test::FakeFileSystem {
public:
    explicit MemoryDirectory(std::vector<qlr::DirectoryEntry> entries) : entries_(std::move(entries)) {
        currentDirectory = "C:\\Lists";
    }
    qlr::Result<std::vector<qlr::DirectoryEntry>> ListDirectory(const std::string&) const override {
        return {{}, entries_};
    }

private:
    std::vector<qlr::DirectoryEntry> entries_;
};

// Names as a station's playlist directory has them, in the scrambled order a disk gives them:
// one in ten a playlist, in mixed letter case.
std::vector<qlr::DirectoryEntry> StationDirectory() {
    const char* const kinds[] = {".mp3", ".MP3", ".wav", ".m3u", ".txt", ".mp3", ".PLS", ".ogg", ".mp3", ".Mp3"};
    std::vector<qlr::DirectoryEntry> entries;
    unsigned seed = 12345;
    for (int i = 0; i < 12000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned n = (seed >> 8) % 100000;
        if (i < 2000) {
            entries.push_back({"Show " + std::to_string(n), qlr::kFileAttributeDirectory});
        } else {
            entries.push_back({(n % 3 ? "Track " : "jingle ") + std::to_string(n) + " - Artist Name" +
                                   kinds[i % 10],
                               i % 97 == 0 ? qlr::kFileAttributeHidden : 0u});
        }
    }
    std::rotate(entries.begin(), entries.begin() + 1000, entries.end());  // directories amid files
    return entries;
}

struct Figures {
    double fastestMs, medianMs, worstMs;
    std::size_t shown;
};

template <typename Run>
Figures Measure(int runs, Run run) {
    std::vector<double> ms;
    std::size_t shown = 0;
    for (int i = 0; i < runs; ++i) {
        ms.push_back(run(shown));
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], ms.back(), shown};
}

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const std::vector<qlr::DirectoryEntry> directory = StationDirectory();
    MemoryDirectory files(directory);
    qlr::forms::FileList list("File1", 1, {}, files);
    list.Load();

    for (const char* patterns : {"*.m3u; *.pls", "*.*"}) {
        const Figures filter = Measure(runs, [&](std::size_t& shown) {
            std::vector<qlr::DirectoryEntry> entries = directory;  // the listing, not timed here
            const Clock::time_point start = Clock::now();
            shown = qlr::forms::MatchingFiles(entries, patterns).size();
            return Since(start);
        });
        const Figures reread = Measure(runs, [&](std::size_t& shown) {
            const Clock::time_point start = Clock::now();
            list.SetPattern(patterns);
            shown = list.Items().size();
            return Since(start);
        });
        std::printf("\"%s\" over %zu entries (%zu files shown), %d runs:\n", patterns, directory.size(),
                    filter.shown, runs);
        std::printf("  filter alone:  fastest %.2f ms, median %.2f ms, slowest %.2f ms\n", filter.fastestMs,
                    filter.medianMs, filter.worstMs);
        std::printf("  whole re-read: fastest %.2f ms, median %.2f ms, slowest %.2f ms\n", reread.fastestMs,
                    reread.medianMs, reread.worstMs);
        if (reread.shown != filter.shown) return 1;
    }
    return 0;
}
