#pragma once
// The main window's logic as the search and index windows see it.
#include <functional>

#include "display/MainFormCore.h"
#include "search/MushafNavigator.h"

class TMainFormNavigator final : public TMushafNavigator {
public:
    // `postOpenPage` posts the open-page message (MsgOpenPage) to the main window.
    TMainFormNavigator(TMainFormCore& core, std::function<void()> postOpenPage)
        : FCore(core), FPostOpenPage(std::move(postOpenPage)) {}

    const TAyaStore& AyaStore() const override { return FCore.AyaStore(); }
    std::int32_t PageNumber() const override { return FCore.PageNumber; }
    void SetPageNumber(std::int32_t page) override { FCore.PageNumber = page; }
    bool OpenPage(std::int32_t sora, std::int32_t aya) override { return FCore.OpenPage(sora, aya); }
    bool SelectAya(std::int32_t sora, std::int32_t aya) override { return FCore.SelectAya(sora, aya); }
    void CopyRange(std::int32_t sora, std::int32_t aya1, std::int32_t aya2) override {
        FCore.CopyRange(TCopyRangeChoice{sora, aya1, aya2});
    }
    void PostOpenPage() override {
        if (FPostOpenPage) FPostOpenPage();
    }

private:
    TMainFormCore& FCore;
    std::function<void()> FPostOpenPage;
};
