#pragma once
// The aya store: the XML document HAFSUNICODE with every aya of the Quran
// once, as an `entry` (attributes `sura`, `aya`, `page`) under the root
// `ayat`, each with six text forms. It is parsed once; the store keeps the
// texts alone, in UTF-8, a text once for all the forms of an entry that
// hold it, and not the document.
//
// Lookups by (sura, aya) go through an index built at loading. They give
// what a walk over all `entry` children of the root would give: an entry
// matches when its `sura` and `aya` attributes, read as numbers, equal the
// ones asked for; if several match, the last in document order decides; an
// aya that is not in the store gives the empty text.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "base/DataError.h"
#include "settings/CopyOptions.h"

// Raised when the store cannot be used at all: empty, not well-formed XML,
// or without the root `ayat`. Record() is "aya store", Offset() the byte
// where the XML parser stopped.
class TStoreError : public TDataError {
public:
    using TDataError::TDataError;
};

// The text forms of an entry, in their order in the document.
enum class TAyaForm : unsigned char {
    afUnicode,         // `unicode`: Uthmani text with the aya number
    afImlai,          // `imlai`: plain letters and spaces, for search
    afUnicodeSpace,    // `UnicodeSpace`
    afUnicodeEx,       // `unicodeex`: whole ayat in copied text
    afUnicodeSpaceEx,  // `UnicodeSpaceex`: one token per word object of the page
    afImlaiSpaceEx,    // `EmlaeySpaceex`: the plain spelling with its marks, spaced alike
};

// The element name of a form, as written in the document.
std::string_view AyaFormElementName(TAyaForm form);

// One entry in document order. Numbers that are missing or not decimal
// integers read as 0; such an entry is never found by a lookup.
struct TAyaEntry {
    int Sura = 0;
    int Aya = 0;
    int Page = 0;
};

class TResourceSource;

class TAyaStore {
public:
    // Parses the UTF-8 XML document (the encoding is taken from its
    // declaration) and indexes its entries. Nothing refers to the bytes
    // afterwards.
    explicit TAyaStore(std::string_view xml);
    ~TAyaStore();
    TAyaStore(TAyaStore&&) noexcept;
    TAyaStore& operator=(TAyaStore&&) noexcept;
    TAyaStore(const TAyaStore&) = delete;
    TAyaStore& operator=(const TAyaStore&) = delete;

    // The `version` attribute of the root.
    std::u16string Version() const;

    // The `entry` children of the root in document order.
    std::size_t EntryCount() const;
    const TAyaEntry& Entry(std::size_t index) const;
    std::u16string EntryText(std::size_t index, TAyaForm form) const;

    // The named form of (sura, aya), or "" when the aya is not in the store.
    std::u16string AyaText(int sura, int aya, TAyaForm form) const;
    // The page on which the aya begins, 0 when it is not in the store.
    int AyaPage(int sura, int aya) const;

    // The `unicodeex` form of the aya: whole ayat in copied text.
    std::u16string GetAyaUnicodeEx(int sura, int aya) const;
    // Tokens first .. first + count - 1 of the aya's `UnicodeSpaceex` form,
    // cut as TakeWords does (count 0 takes the rest of the aya).
    std::u16string GetAyaSpaceExWords(int sura, int aya, int first, int count) const;

    // The same two lookups in either spelling. The Uthmani ones are those
    // above. The plain spelling is cut at the tokens of its `EmlaeySpaceex`
    // form, which stand for the page's word objects as the Uthmani tokens do
    // wherever both spellings split the aya into as many; where they do not,
    // a cut takes the whole aya. A whole aya in the plain spelling has its
    // signs and conjunctions joined as a copy joins the Uthmani text.
    std::u16string WholeAya(int sura, int aya, TSpelling spelling) const;
    std::u16string AyaWords(int sura, int aya, int first, int count, TSpelling spelling) const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

// The store of resource HAFSUNICODE, parsed; TMissingResource when absent.
std::unique_ptr<TAyaStore> LoadAyaStoreResource(const TResourceSource& resources);
