#include "text/AyaStore.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "text/AyaText.h"

namespace {

constexpr const char* kRecord = "aya store";
constexpr std::size_t kFormCount = 6;

// A decimal integer attribute; `ok` is false for anything else ("", "1x").
int ParseNumber(const pugi::xml_attribute& attr, bool& ok) {
    const char* s = attr.value();
    const char* end = s + std::char_traits<char>::length(s);
    int value = 0;
    auto [p, ec] = std::from_chars(s, end, value);
    ok = ok && attr && ec == std::errc() && p == end;
    return ok ? value : 0;
}

std::uint64_t Key(int sura, int aya) {
    return std::uint64_t(std::uint32_t(sura)) << 32 | std::uint32_t(aya);
}

// Where a text lies in the arena; an empty text is {0, 0}.
struct TSlice {
    std::uint32_t Offset = 0;
    std::uint32_t Length = 0;
};

// The distinct texts of the document while it is parsed: each is copied to
// the arena once, the pieces one after the other in this order.
struct TPieces {
    std::vector<std::string_view> Texts;
    std::size_t Bytes = 0;

    // The piece of `text` (its index) for form `form` of an entry whose
    // earlier forms are `earlier`; a form equal to an earlier one shares
    // its piece (and is not measured on its own).
    TSlice Add(const char* text, const std::array<TSlice, kFormCount>& earlier, std::size_t form) {
        if (!*text) return {};
        for (std::size_t f = 0; f < form; ++f) {
            const TSlice s = earlier[f];
            if (s.Length && std::strncmp(text, Texts[s.Offset].data(), s.Length) == 0 && !text[s.Length]) return s;
        }
        const std::size_t size = std::strlen(text);
        if (size > std::numeric_limits<std::uint32_t>::max() - Bytes)
            throw TStoreError(kRecord, 0, "the texts of the store exceed 4 GB");
        Texts.emplace_back(text, size);
        Bytes += size;
        return {std::uint32_t(Texts.size() - 1), std::uint32_t(size)};
    }

    // Whether the pieces lie in `buffer` in order without overlapping, so
    // that moving each to the end of the ones before it never overwrites a
    // piece still to move.
    bool InOrderWithin(std::string_view buffer) const {
        const char* end = buffer.data();
        for (std::string_view t : Texts) {
            if (t.data() < end || t.data() + t.size() > buffer.data() + buffer.size()) return false;
            end = t.data() + t.size();
        }
        return true;
    }
};

// The element of each form in an entry: the first child of its name, as
// entry.child(name) finds it, in one walk over the children that tries the
// form after the last one found first.
std::array<pugi::xml_node, kFormCount> FormElements(pugi::xml_node entry) {
    static constexpr const char* kNames[kFormCount] = {AyaStoreUthmaniForm,   AyaStoreImlaiForm,
                                                       AyaStoreSpacedForm,    AyaStoreUthmaniExForm,
                                                       AyaStoreSpacedExForm,  AyaStoreImlaiSpacedExForm};
    std::array<pugi::xml_node, kFormCount> found;
    std::size_t next = 0;
    for (pugi::xml_node child = entry.first_child(); child; child = child.next_sibling()) {
        const char* name = child.name();
        for (std::size_t k = 0; k < kFormCount; ++k) {
            const std::size_t f = (next + k) % kFormCount;
            if (std::strcmp(name, kNames[f]) != 0) continue;
            if (!found[f]) found[f] = child;
            next = f + 1;
            break;
        }
    }
    return found;
}

}  // namespace

std::string_view AyaFormElementName(TAyaForm form) {
    switch (form) {
    case TAyaForm::afUnicode: return AyaStoreUthmaniForm;
    case TAyaForm::afImlai: return AyaStoreImlaiForm;
    case TAyaForm::afUnicodeSpace: return AyaStoreSpacedForm;
    case TAyaForm::afUnicodeEx: return AyaStoreUthmaniExForm;
    case TAyaForm::afUnicodeSpaceEx: return AyaStoreSpacedExForm;
    case TAyaForm::afImlaiSpaceEx: return AyaStoreImlaiSpacedExForm;
    }
    return "";
}

// The store without its document: the texts of every entry in one UTF-8
// arena, each text of an entry once however many of its forms hold it.
struct TAyaStore::TImpl {
    std::string Version;  // the root's `version` attribute, UTF-8
    std::vector<TAyaEntry> Entries;
    std::vector<std::array<TSlice, kFormCount>> Texts;  // parallel to Entries, by TAyaForm
    std::string Arena;
    // (sura, aya) -> position in Entries of the last matching entry.
    std::unordered_map<std::uint64_t, std::uint32_t> Index;

    std::u16string Text(const std::array<TSlice, kFormCount>& texts, TAyaForm form) const {
        if (std::size_t(form) >= kFormCount) return {};
        const TSlice s = texts[std::size_t(form)];
        return Utf8ToUtf16(std::string_view(Arena).substr(s.Offset, s.Length));
    }
};

TAyaStore::TAyaStore(std::string_view xml) : FImpl(std::make_unique<TImpl>()) {
    if (xml.empty()) throw TStoreError(kRecord, 0, "the store is empty");
    // Parsed in place in a copy of the bytes (the one copy the parser would
    // otherwise make), whose texts are then gathered at its start and kept
    // in a block of their size. The first text of an element is kept in the
    // element (parse_embed_pcdata), a node less for each form; text() reads
    // it as it reads a text node.
    std::string buffer(xml);
    TPieces pieces;
    bool inBuffer = false;
    {
        pugi::xml_document document;
        const pugi::xml_parse_result parsed = document.load_buffer_inplace(
            buffer.data(), buffer.size(), pugi::parse_default | pugi::parse_embed_pcdata, pugi::encoding_auto);
        if (!parsed)
            throw TStoreError(kRecord, std::size_t(parsed.offset),
                              std::string("not well-formed XML: ") + parsed.description());
        const pugi::xml_node root = document.document_element();
        if (std::string_view(root.name()) != "ayat")
            throw TStoreError(kRecord, 0,
                              "the root element is <" + std::string(root.name()) + ">, not <ayat>");
        FImpl->Version = root.attribute("version").value();

        const auto entries = root.children(AyaStoreEntryElement);
        const std::size_t count = std::size_t(std::distance(entries.begin(), entries.end()));
        FImpl->Entries.reserve(count);
        FImpl->Texts.reserve(count);
        FImpl->Index.reserve(count);
        pieces.Texts.reserve(count * 4);
        for (pugi::xml_node entry : entries) {
            bool ok = true;
            TAyaEntry e;
            e.Sura = ParseNumber(entry.attribute("sura"), ok);
            e.Aya = ParseNumber(entry.attribute("aya"), ok);
            bool pageOk = true;
            e.Page = ParseNumber(entry.attribute("page"), pageOk);
            // Later entries overwrite earlier ones, as in a walk that keeps the last match.
            if (ok) FImpl->Index[Key(e.Sura, e.Aya)] = std::uint32_t(FImpl->Entries.size());
            FImpl->Entries.push_back(e);
            const std::array<pugi::xml_node, kFormCount> forms = FormElements(entry);
            std::array<TSlice, kFormCount>& texts = FImpl->Texts.emplace_back();
            for (std::size_t f = 0; f < kFormCount; ++f) texts[f] = pieces.Add(forms[f].text().get(), texts, f);
        }

        inBuffer = pieces.InOrderWithin(buffer);
        if (!inBuffer) {
            // The parser read the texts from a buffer of its own (a document
            // in another encoding) or they are not in order: copy them out.
            FImpl->Arena.reserve(pieces.Bytes);
            for (std::string_view t : pieces.Texts) FImpl->Arena += t;
        }
    }
    if (inBuffer) {
        // The document is gone; its texts, still in the buffer, move to its
        // start, each right after the one before, and the arena is a block
        // of their size, the buffer let go as a whole.
        std::size_t at = 0;
        for (std::string_view t : pieces.Texts) {
            std::memmove(buffer.data() + at, t.data(), t.size());
            at += t.size();
        }
        buffer.resize(at);
        buffer.shrink_to_fit();
        FImpl->Arena = std::move(buffer);
    }
    // The pieces were numbered; they now lie in the arena in that order.
    std::vector<std::uint32_t> offsets(pieces.Texts.size());
    std::uint32_t at = 0;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = at;
        at += std::uint32_t(pieces.Texts[i].size());
    }
    for (auto& texts : FImpl->Texts)
        for (TSlice& s : texts)
            if (s.Length) s.Offset = offsets[s.Offset];
}

TAyaStore::~TAyaStore() = default;
TAyaStore::TAyaStore(TAyaStore&&) noexcept = default;
TAyaStore& TAyaStore::operator=(TAyaStore&&) noexcept = default;

std::u16string TAyaStore::Version() const { return Utf8ToUtf16(FImpl->Version); }

std::size_t TAyaStore::EntryCount() const { return FImpl->Entries.size(); }

const TAyaEntry& TAyaStore::Entry(std::size_t index) const { return FImpl->Entries.at(index); }

std::u16string TAyaStore::EntryText(std::size_t index, TAyaForm form) const {
    return FImpl->Text(FImpl->Texts.at(index), form);
}

std::u16string TAyaStore::AyaText(int sura, int aya, TAyaForm form) const {
    auto it = FImpl->Index.find(Key(sura, aya));
    return it == FImpl->Index.end() ? std::u16string() : FImpl->Text(FImpl->Texts[it->second], form);
}

int TAyaStore::AyaPage(int sura, int aya) const {
    auto it = FImpl->Index.find(Key(sura, aya));
    return it == FImpl->Index.end() ? 0 : FImpl->Entries[it->second].Page;
}

std::u16string TAyaStore::GetAyaUnicodeEx(int sura, int aya) const {
    return AyaText(sura, aya, TAyaForm::afUnicodeEx);
}

std::u16string TAyaStore::GetAyaSpaceExWords(int sura, int aya, int first, int count) const {
    return TakeWords(AyaText(sura, aya, TAyaForm::afUnicodeSpaceEx), first, count);
}

std::u16string TAyaStore::WholeAya(int sura, int aya, TSpelling spelling) const {
    if (spelling == TSpelling::Uthmani) return GetAyaUnicodeEx(sura, aya);
    return JoinWawConjunction(JoinWaqfSigns(AyaText(sura, aya, TAyaForm::afImlaiSpaceEx)));
}

std::u16string TAyaStore::AyaWords(int sura, int aya, int first, int count, TSpelling spelling) const {
    if (spelling == TSpelling::Uthmani) return GetAyaSpaceExWords(sura, aya, first, count);
    const std::u16string imlai = AyaText(sura, aya, TAyaForm::afImlaiSpaceEx);
    if (WordCount(imlai) != WordCount(AyaText(sura, aya, TAyaForm::afUnicodeSpaceEx)))
        return TakeWords(imlai, 1, 0);
    return TakeWords(imlai, first, count);
}

std::unique_ptr<TAyaStore> LoadAyaStoreResource(const TResourceSource& resources) {
    const TResourceBytes store = RequireResource(resources, AyaStoreResource);
    return std::make_unique<TAyaStore>(
        std::string_view(reinterpret_cast<const char*>(store.Bytes.data()), store.Bytes.size()));
}
