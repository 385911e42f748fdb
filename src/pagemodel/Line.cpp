#include "pagemodel/Line.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

TWordObject& TLine::Add() {
    Words.push_back(std::make_unique<TWordObject>());
    return *Words.back();
}

void TLine::SetSelected(bool selected) {
    FSelected = selected;
    if (!selected)
        for (auto& w : Words) w->SetSelected(false);
}

TWordObject* TLine::GetSelectedWord() const {
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
    // The right edges are taken once, as they cannot change while sorting. A
    // word whose edge is not a number counts as the leftmost, which keeps the
    // order strict and weak whatever the data holds; the sort is stable, so
    // words with equal edges keep their order.
    const std::size_t n = Words.size();
    std::vector<float> right(n);
    for (std::size_t i = 0; i < n; ++i) {
        const float r = Words[i]->MaxX();
        right[i] = std::isnan(r) ? -std::numeric_limits<float>::infinity() : r;
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return right[a] > right[b]; });
    std::vector<std::unique_ptr<TWordObject>> sorted;
    sorted.reserve(n);
    for (std::size_t i : order) sorted.push_back(std::move(Words[i]));
    Words = std::move(sorted);
}

void TLine::InitialLineData() {
    if (!Words.empty()) SortWordsRightToLeft();
}

TExtents TLine::Extents() const {
    TExtents e;
    for (const auto& w : Words) e.Include(w->Extents());
    return e;
}

void TLine::GetWordList(std::vector<TWordObject*>& list) const {
    if (LineType != ltText) return;
    for (const auto& w : Words) list.push_back(w.get());
}

void TLine::GetShapeToList(std::vector<TGlyphShape*>& list) const {
    if (LineType != ltText) return;
    for (const auto& w : Words) w->GetShapeList(list);
}
