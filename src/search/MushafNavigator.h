#pragma once
// What the search and index windows ask of the main window: its aya store,
// its page number, opening a page, selecting an aya and copying ayat. The
// main window implements it over its own logic.
#include <cstdint>

class TAyaStore;

class TMushafNavigator {
public:
    virtual ~TMushafNavigator() = default;
    virtual const TAyaStore& AyaStore() const = 0;
    // The page shown, or to be opened next.
    virtual std::int32_t PageNumber() const = 0;
    virtual void SetPageNumber(std::int32_t page) = 0;
    // Opens page PageNumber() with (sura, aya) selected; false when refused.
    virtual bool OpenPage(std::int32_t sura, std::int32_t aya) = 0;
    // Selects one aya of the page shown.
    virtual bool SelectAya(std::int32_t sura, std::int32_t aya) = 0;
    // Ayat aya1 to aya2 of one sura onto the clipboard, as a copy range does.
    virtual void CopyRange(std::int32_t sura, std::int32_t aya1, std::int32_t aya2) = 0;
    // Asks the main window to open PageNumber() once the current input is
    // handled (its open-page message), and to come to the front.
    virtual void PostOpenPage() = 0;
};
