#include "pagemodel/Line.h"

#include <utility>

TSimpleSVG& TLine::Add() {
    Words.push_back(std::make_unique<TSimpleSVG>());
    return *Words.back();
}

void TLine::SetSelected(bool selected) {
    FSelected = selected;
    if (!selected)
        for (auto& w : Words) w->SetSelected(false);
}

TSimpleSVG* TLine::GetSelectedWord() const {
    for (const auto& w : Words)
        if (w->Selected()) return w.get();
    return nullptr;
}

std::int32_t TLine::GetSelectedCount() const {
    std::int32_t n = 0;
    for (const auto& w : Words) n += w->Selected() ? 1 : 0;
    return n;
}

void TLine::SortWordsRightToLeft() {
    if (LineType != ltText) return;
    // A plain bubble sort (stable, and well defined even for NaN edges); the
    // right edges are taken once, as they cannot change while sorting.
    const std::size_t n = Words.size();
    std::vector<float> right(n);
    for (std::size_t i = 0; i < n; ++i) right[i] = Words[i]->MaxX();
    for (std::size_t pass = 0; pass < n; ++pass)
        for (std::size_t i = 0; i + 1 < n; ++i)
            if (right[i + 1] > right[i]) {
                std::swap(right[i], right[i + 1]);
                std::swap(Words[i], Words[i + 1]);
            }
}

void TLine::InitialLineData() {
    if (!Words.empty()) SortWordsRightToLeft();
}

TExtents TLine::Extents() const {
    TExtents e;
    for (const auto& w : Words) e.Include(w->Extents());
    return e;
}

void TLine::GetWordList(std::vector<TSimpleSVG*>& list) const {
    if (LineType != ltText) return;
    for (const auto& w : Words) list.push_back(w.get());
}

void TLine::GetShapeToList(std::vector<TSimpleShapeSVG*>& list) const {
    if (LineType != ltText) return;
    for (const auto& w : Words) w->GetShapeList(list);
}
