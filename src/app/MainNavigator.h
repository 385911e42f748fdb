#pragma once
// The main window's logic as the search and index windows see it.
#include <functional>

#include "app/MainForm.h"
#include "search/MushafNavigator.h"

class TMainNavigator final : public TMushafNavigator {
public:
    // `postOpenPage` posts the open-page message (MsgOpenPage) to the main window.
    TMainNavigator(TMainForm& core, std::function<void()> postOpenPage)
        : FForm(core), FPostOpenPage(std::move(postOpenPage)) {}

    const TAyaStore& AyaStore() const override { return FForm.AyaStore(); }
    std::int32_t PageNumber() const override { return FForm.PageNumber; }
    void SetPageNumber(std::int32_t page) override { FForm.PageNumber = page; }
    bool OpenPage(std::int32_t sura, std::int32_t aya) override { return FForm.OpenPage(sura, aya); }
    bool SelectAya(std::int32_t sura, std::int32_t aya) override { return FForm.SelectAya(sura, aya); }
    void CopyRange(std::int32_t sura, std::int32_t aya1, std::int32_t aya2) override {
        FForm.CopyRange(TCopyRangeChoice{sura, aya1, aya2});
    }
    void PostOpenPage() override {
        if (FPostOpenPage) FPostOpenPage();
    }

private:
    TMainForm& FForm;
    std::function<void()> FPostOpenPage;
};
