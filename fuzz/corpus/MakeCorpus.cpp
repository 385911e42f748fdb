// tiravel-fuzz-corpus: writes the seed corpus of every fuzz target from the
// generated resources, one folder per target under OUT.
//
//   tiravel-fuzz-corpus RESOURCES PACKED OUT MAJOR.MINOR.PATCH.TWEAK
//
// Pages, packed pages and pictures are the resources as they are, with small
// pages of each page's first words and the corners of a few pictures beside
// them; the aya store is cut into
// small stores of a few entries each; settings records, update answers and
// search histories are written by the core's own writers.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <pugixml.hpp>

#include "base/OptionsFile.h"
#include "base/Picture.h"
#include "base/PictureEncoding.h"

#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/PageData.h"
#include "base/OptionsFile.h"
#include "base/OutsideNames.h"
#include "base/WindowPlaces.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/Page.h"
#include "search/SearchHistory.h"
#include "settings/CopyOptions.h"
#include "settings/Settings.h"
#include "system/UpdateAnswer.h"
#include "text/AyaStore.h"
#include "text/AyaText.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
    std::vector<std::uint8_t> bytes(fs::file_size(file));
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (std::size_t(in.gcount()) != bytes.size()) throw std::runtime_error("cannot read " + file.string());
    return bytes;
}

std::vector<std::uint8_t> ReadStart(const fs::path& file, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
    bytes.resize(std::size_t(in.gcount()));
    return bytes;
}

void WriteFile(const fs::path& file, const void* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void WriteFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    WriteFile(file, bytes.data(), bytes.size());
}

fs::path Target(const fs::path& out, const char* name) {
    const fs::path folder = out / name;
    fs::create_directories(folder);
    return folder;
}

// A resource taken as it is: a second name for the same file where the
// folders share a file system (the pages alone are 300 MB), else a copy.
void Take(const fs::path& file, const fs::path& folder) {
    std::error_code ec;
    fs::create_hard_link(file, folder / file.filename(), ec);
    if (ec) fs::copy_file(file, folder / file.filename());
}

bool IsPageName(const std::string& name) { return name.rfind("SVG_", 0) == 0; }

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::string_view magic) {
    return bytes.size() >= magic.size() && std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
}

// Every page whole, and a small page of each page's first words, which the
// fuzzer mutates far faster than the whole one; every packed page, and the
// outline dictionary they are packed against.
void Pages(const fs::path& resources, const fs::path& packed, const fs::path& out) {
    constexpr std::size_t WordsOfSmallPage = 3;
    const fs::path pages = Target(out, "page_data"), packedPages = Target(out, "packed_page");
    for (const auto& entry : fs::directory_iterator(resources)) {
        const fs::path name = entry.path().filename();
        if (!IsPageName(name.string())) continue;
        Take(entry.path(), pages);
        Take(packed / name, packedPages);

        TPage page;
        LoadPageData(page, ReadFile(entry.path()));
        page.InitialLinesData();
        std::vector<TWordObject> words;
        for (std::size_t i = 0; i < page.WordList.size() && i < WordsOfSmallPage; ++i)
            words.push_back(std::move(*page.WordList[i]));
        const std::vector<std::uint8_t> small = WritePageData(words);
        const std::string smallName = name.string() + "_start";
        WriteFile(pages / smallName, small);
    }
    Take(packed / fs::path(OutlineDictionaryName), packedPages);
}

// The corner of a decoded picture, encoded again by the core's encoder.
std::vector<std::uint8_t> SmallPicture(const TPicture& picture, bool jpeg) {
    constexpr int Side = 16;
    const int w = std::min(Side, picture.Width), h = std::min(Side, picture.Height);
    std::vector<std::uint8_t> corner;
    for (int y = 0; y < h; ++y) {
        const auto row = picture.Pixels.begin() + std::ptrdiff_t(y) * picture.Width * 4;
        corner.insert(corner.end(), row, row + std::ptrdiff_t(w) * 4);
    }
    return jpeg ? EncodeJpeg(w, h, corner, TPixelOrder::Bgra, 90) : EncodePng(w, h, corner, TPixelOrder::Bgra);
}

// Every picture as it is; and the corners of a few, which the fuzzer
// decodes far faster.
void Pictures(const fs::path& resources, const fs::path& out) {
    constexpr int SmallPerKind = 8;
    const fs::path png = Target(out, "png_picture"), jpeg = Target(out, "jpeg_picture"), bmp = Target(out, "bmp_picture");
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(resources)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    int smallPngs = 0, smallJpegs = 0;
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> start = ReadStart(file, 8);
        const bool isPng = StartsWith(start, "\x89PNG"), isJpeg = StartsWith(start, "\xFF\xD8\xFF");
        if (StartsWith(start, "BM")) Take(file, bmp);
        if (!isPng && !isJpeg) continue;
        Take(file, isPng ? png : jpeg);
        int& small = isPng ? smallPngs : smallJpegs;
        if (small < SmallPerKind) {
            ++small;
            const std::vector<std::uint8_t> bytes = ReadFile(file);
            const auto picture = isPng ? TPicture::LoadPng(bytes) : TPicture::LoadJpeg(bytes);
            WriteFile((isPng ? png : jpeg) / (file.filename().string() + "_corner"), SmallPicture(*picture, isJpeg));
        }
    }
}

// Small stores: the declaration and the root of the real one around a few
// of its entries, in document order.
void StorePieces(const fs::path& resources, const fs::path& out) {
    constexpr std::size_t EntriesPerPiece = 8;
    const fs::path to = Target(out, "aya_store");
    pugi::xml_document whole;
    const std::vector<std::uint8_t> bytes = ReadFile(resources / "HAFSUNICODE");
    if (!whole.load_buffer(bytes.data(), bytes.size(), pugi::parse_full))
        throw std::runtime_error("HAFSUNICODE is not well-formed");
    const pugi::xml_node root = whole.document_element();

    std::vector<pugi::xml_node> entries;
    for (pugi::xml_node child : root.children())
        if (child.type() == pugi::node_element) entries.push_back(child);
    for (std::size_t first = 0; first < entries.size(); first += EntriesPerPiece) {
        pugi::xml_document piece;
        for (pugi::xml_node node : whole.children())
            if (node.type() == pugi::node_declaration) piece.append_copy(node);
        pugi::xml_node pieceRoot = piece.append_child(root.name());
        for (pugi::xml_attribute a : root.attributes()) pieceRoot.append_copy(a);
        for (std::size_t i = first; i < entries.size() && i < first + EntriesPerPiece; ++i)
            pieceRoot.append_copy(entries[i]);
        std::ostringstream text;
        piece.save(text, "", pugi::format_raw);
        const std::string s = text.str();
        WriteFile(to / ("store_" + std::to_string(first / EntriesPerPiece + 1)), s.data(), s.size());
        // The executable carries the store as a packed resource, which the
        // page unpacking also reads.
        if (first == 0)
            WriteFile(Target(out, "packed_page") / "store_1_packed",
                      PackResource({reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}));
    }
}

// Records as a user's settings file and profiles hold them.
std::vector<TSettings> SettingsRecords() {
    std::vector<TSettings> records(4);
    TSettings& english = records[1];
    english.Language = appEnglish;
    english.CurrentProfileFullFileName = u"C:\\Users\\reader\\Documents\\\u0646\u0633\u062E.cvprofile";
    english.PageNumber = 300;
    TSettings& everything = records[2];
    everything.QuranFontSize = 28;
    everything.QuranFontBold = true;
    everything.QuranTextColor = 0x00203040;
    everything.WaqfSignColor = 0x000000FF;
    everything.HizbSignColor = 0x0000FF00;
    everything.SajdaSignColor = 0x00FF0000;
    everything.BracketA = u'\uFD7C';
    everything.BracketB = u'\uFD7D';
    everything.BracketColor = 0x00808080;
    everything.CitationOnNewLine = true;
    everything.CitationFontName = u"Arial";
    everything.CitationFontSize = 14;
    everything.CitationFontColor = 0x00123456;
    everything.AdditionIsteada = everything.AdditionBasmala = everything.AdditionQalaTaallah = true;
    TSettings& plain = records[3];
    plain.UseBrackets = false;
    plain.UseCitation = false;
    plain.PageNumber = 604;
    return records;
}

void Settings(const fs::path& out) {
    const std::vector<TSettings> records = SettingsRecords();
    for (const char* target : {"settings_file", "rtf_composition"}) {
        const fs::path to = Target(out, target);
        for (std::size_t i = 0; i < records.size(); ++i)
            WriteFile(to / ("record_" + std::to_string(i + 1)), records[i].Serialize());
    }
}

void UpdateAnswers(const fs::path& out, unsigned major, unsigned minor, unsigned patch, unsigned tweak) {
    const fs::path to = Target(out, "update_answer");
    const std::u16string own = VersionText(major << 16 | minor, patch << 16 | tweak);
    const std::vector<std::string> answers = {
        std::string(own.begin(), own.end()),
        std::to_string(major) + "." + std::to_string(tweak + 1) + "\r\n",
        " " + std::to_string(major + 1) + ".0\n",
        std::string(MaxUpdateAnswerBytes + 1, '7'),  // one byte past the limit
    };
    for (std::size_t i = 0; i < answers.size(); ++i)
        WriteFile(to / ("answer_" + std::to_string(i + 1)), answers[i].data(), answers[i].size());
}

std::vector<std::uint8_t> Utf16Lines(const std::vector<std::u16string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::u16string line = lines[i];
        if (i + 1 < lines.size()) line.push_back(u'\n');
        for (char16_t c : line) {
            bytes.push_back(std::uint8_t(c));
            bytes.push_back(std::uint8_t(c >> 8));
        }
    }
    return bytes;
}

// The values of a history file that holds the first words of the first ten
// ayat, as the search window writes them; and the same with a text to add.
void SearchHistories(const fs::path& resources, const fs::path& out) {
    const fs::path to = Target(out, "search_history");
    const std::vector<std::uint8_t> bytes = ReadFile(resources / "HAFSUNICODE");
    const TAyaStore store(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    TSearchHistory history;
    for (std::size_t i = SearchHistoryLength; i-- > 0 && i < store.EntryCount();)
        history.Add(TakeWords(store.EntryText(i, TAyaForm::afImlai), 1, 2));
    std::vector<std::u16string> values;
    for (const auto& [key, value] : history.Values()) values.push_back(value);
    WriteFile(to / "history_1", Utf16Lines(values));
    values.push_back(TakeWords(store.EntryText(SearchHistoryLength, TAyaForm::afImlai), 1, 1));
    WriteFile(to / "history_2", Utf16Lines(values));
}

// Options files as the settings dialog writes them: the defaults, both
// choices changed beside an entry of another part of the program, and a file
// edited by hand (a byte-order mark, CR LF, blanks, a comment line).
void OptionsFiles(const fs::path& out) {
    const fs::path to = Target(out, "options_file");
    auto write = [&](const char* name, const std::string& text) {
        WriteFile(to / name, text.data(), text.size());
    };
    TOptionsFile defaults;
    StoreCopyOptions(TCopyOptions(), defaults);
    write("defaults", defaults.Text());
    TOptionsFile changed;
    changed.Set("WindowPlace.Main", "120,80,640,944");
    StoreCopyOptions({true, TSpelling::Imlai}, changed);
    write("changed", changed.Text());
    write("by_hand", "\xEF\xBB\xBF# options\r\n Spelling = imlai \r\nCopyHtmlAndText=1\r\n=no key\r\nloose line\r\n");
}

// An options file as the windows leave it, beside an entry of another part.
void WindowPlaceFiles(const fs::path& out) {
    const fs::path to = Target(out, "window_places");
    TOptionsFile options;
    options.Set("SomeOtherOption", "1");
    const std::pair<const char*, TWindowPlace> left[] = {
        {MainWindowPlaceKey, {652, 86, 585, 864}},  {SettingsPlaceKey, {-1200, 40, 556, 457}},
        {SearchPlaceKey, {300, 200, 620, 480}},     {SuraIndexPlaceKey, {1900, 1000, 510, 630}},
        {AboutPlaceKey, {5000, 5000, 400, 600}},
    };
    for (const auto& [key, place] : left) options.Set(key, WindowPlaceText(place));
    const std::string text = options.Text();
    WriteFile(to / "options_1", text.data(), text.size());
}

}  // namespace

int main(int argc, char** argv) {
    unsigned major = 0, minor = 0, patch = 0, tweak = 0;
    if (argc != 5 || std::sscanf(argv[4], "%u.%u.%u.%u", &major, &minor, &patch, &tweak) != 4) {
        std::fprintf(stderr, "usage: tiravel-fuzz-corpus RESOURCES PACKED OUT MAJOR.MINOR.PATCH.TWEAK\n");
        return 2;
    }
    try {
        const fs::path resources = argv[1], packed = argv[2], out = argv[3];
        fs::remove_all(out);
        Pages(resources, packed, out);
        Pictures(resources, out);
        StorePieces(resources, out);
        Settings(out);
        UpdateAnswers(out, major, minor, patch, tweak);
        SearchHistories(resources, out);
        OptionsFiles(out);
        WindowPlaceFiles(out);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tiravel-fuzz-corpus: %s\n", e.what());
        return 1;
    }
}
