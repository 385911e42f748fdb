// tiravel-pack: prepares the generated resources for the executable. Pages
// are packed against one shared outline dictionary (written as its own
// resource), the aya store and fonts deflated, pictures kept as they are; a
// resource script lists every file as RCDATA under its name.
//
//   tiravel-pack --resources DIR --out DIR
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/ResourceSource.h"
#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadFile(const fs::path& p) {
    std::vector<std::uint8_t> bytes(fs::file_size(p));
    std::ifstream in(p, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!in) throw std::runtime_error("cannot read " + p.string());
    return bytes;
}

void WriteFile(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + p.string());
}

bool IsPage(const std::string& name) { return name.rfind("SVG_", 0) == 0; }

bool Deflated(const std::string& name) {
    return name == "HAFSUNICODE" || name.rfind("VerizevuZivo", 0) == 0;
}

// Runs work(i) for i in [0, n) on every core; the first failure (named by
// `names[i]`) stops the rest and is reported. Answers false after a failure.
bool ParallelFor(std::size_t n, const std::vector<std::string>& names, const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex report;
    auto run = [&] {
        for (std::size_t i; !failed && (i = next++) < n;) {
            try {
                work(i);
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(report);
                std::fprintf(stderr, "tiravel-pack: %s: %s\n", names[i].c_str(), e.what());
                failed = true;
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t) threads.emplace_back(run);
    for (auto& t : threads) t.join();
    return !failed;
}

// A target written since its source last changed is kept.
bool UpToDate(const fs::path& source, const fs::path& target) {
    return fs::exists(target) && fs::last_write_time(target) > fs::last_write_time(source);
}

struct TTotals {
    std::uint64_t Raw = 0, Packed = 0;
    std::size_t Written = 0;
};

// Every page against one dictionary: split on every core, outlines entered in
// name order (so the dictionary is the same on every run), packed and checked
// on every core. Answers false after a failure.
bool PackPages(const fs::path& resources, const fs::path& out, const std::vector<std::string>& pages,
               TTotals& totals) {
    const fs::path dictionaryFile = out / ResourceNameToAscii(OutlineDictionaryName);
    const bool current = std::all_of(pages.begin(), pages.end(), [&](const std::string& p) {
        return UpToDate(resources / p, out / p) && UpToDate(resources / p, dictionaryFile);
    });
    if (current) return true;

    const auto start = std::chrono::steady_clock::now();
    std::vector<TSplitPage> split(pages.size());
    if (!ParallelFor(pages.size(), pages, [&](std::size_t i) { split[i] = SplitPage(ReadFile(resources / pages[i])); }))
        return false;
    TOutlineDictionaryBuilder builder;
    std::vector<std::vector<std::uint32_t>> references;
    for (const TSplitPage& page : split) references.push_back(EnterOutlines(page, builder));
    const std::vector<std::uint8_t> dictionaryBytes = builder.Write();
    const TOutlineDictionary dictionary(dictionaryBytes);

    std::atomic<std::uint64_t> raw{0}, packed{0};
    if (!ParallelFor(pages.size(), pages, [&](std::size_t i) {
            const std::vector<std::uint8_t> bytes = PackPage(split[i], references[i], builder.Key());
            if (UnpackPage(bytes, dictionary) != ReadFile(resources / pages[i]))
                throw std::runtime_error("does not unpack to its bytes");
            WriteFile(out / pages[i], bytes);
            raw += split[i].RawSize;
            packed += bytes.size();
        }))
        return false;
    WriteFile(dictionaryFile, dictionaryBytes);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("tiravel-pack: %zu pages, %.1f MB, packed to %.2f MB and a dictionary of %zu outlines in %.2f MB "
                "(%.1f s)\n",
                pages.size(), double(raw) / 1e6, double(packed) / 1e6, builder.Count(),
                double(dictionaryBytes.size()) / 1e6, seconds);
    totals.Raw += raw;
    totals.Packed += packed + dictionaryBytes.size();
    totals.Written += pages.size() + 1;
    return true;
}

// Every other resource on its own: deflated or copied.
bool PackOthers(const fs::path& resources, const fs::path& out, const std::vector<std::string>& names,
                TTotals& totals) {
    std::atomic<std::uint64_t> raw{0}, packed{0};
    std::atomic<std::size_t> written{0};
    const bool ok = ParallelFor(names.size(), names, [&](std::size_t i) {
        const fs::path source = resources / names[i], target = out / names[i];
        if (UpToDate(source, target)) return;
        const std::vector<std::uint8_t> bytes = ReadFile(source);
        const std::vector<std::uint8_t> stored = Deflated(names[i]) ? PackResource(bytes) : bytes;
        if (UnpackResource(stored) != bytes) throw std::runtime_error("does not unpack to its bytes");
        WriteFile(target, stored);
        raw += bytes.size();
        packed += stored.size();
        ++written;
    });
    totals.Raw += raw;
    totals.Packed += packed;
    totals.Written += written;
    return ok;
}

// Resource names are written as they are; windres wants forward slashes.
std::string ScriptLine(const std::string& name, const fs::path& file) {
    return name + " RCDATA \"" + file.generic_string() + "\"\n";
}

}  // namespace

int main(int argc, char** argv) {
    fs::path resources, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--resources")) resources = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out")) out = argv[i + 1];
    }
    if (resources.empty() || out.empty()) {
        std::fprintf(stderr, "usage: tiravel-pack --resources DIR --out DIR\n");
        return 2;
    }
    std::vector<std::string> pages, others;
    for (const auto& e : fs::directory_iterator(resources))
        if (e.is_regular_file()) (IsPage(e.path().filename().string()) ? pages : others).push_back(e.path().filename().string());
    std::sort(pages.begin(), pages.end());
    std::sort(others.begin(), others.end());
    fs::create_directories(out);

    TTotals totals;
    if (!PackPages(resources, out, pages, totals) || !PackOthers(resources, out, others, totals)) return 1;

    std::vector<std::string> names = pages;
    names.insert(names.end(), others.begin(), others.end());
    names.push_back(ResourceNameToAscii(OutlineDictionaryName));
    std::sort(names.begin(), names.end());
    std::string script = "// Generated by tiravel-pack: every resource of the executable.\n";
    for (const std::string& name : names) script += ScriptLine(name, fs::absolute(out / name));
    // Rewritten only when it changes, so the executable is not relinked for nothing.
    const fs::path scriptFile = out / "resources.rc";
    const std::vector<std::uint8_t> old = fs::exists(scriptFile) ? ReadFile(scriptFile) : std::vector<std::uint8_t>{};
    if (std::string(old.begin(), old.end()) != script) std::ofstream(scriptFile, std::ios::binary) << script;
    if (totals.Written > 0) {
        // The executable's resources depend on this file's time.
        std::ofstream(out / "packed.stamp") << "packed\n";
        std::printf("tiravel-pack: %zu resources written, %.1f MB from %.1f MB\n", totals.Written,
                    double(totals.Packed) / 1e6, double(totals.Raw) / 1e6);
    }
    return 0;
}
