#include "app/WordRun.h"

#include <algorithm>
#include <cmath>

#include "pagemodel/Page.h"

void SelectWordRun(TPage& page, int from, int to) {
    const auto& words = page.WordList;
    const int count = int(words.size());
    const int first = std::max(0, std::min(from, to));
    const int last = std::min(count - 1, std::max(from, to));
    if (first > last) return;
    const std::int32_t sura = words[std::size_t(first)]->SuraNumber;
    for (int i = first; i <= last; ++i) {
        TWordObject& w = *words[std::size_t(i)];
        if (w.SuraNumber != sura) continue;
        w.SetSelected(true);
        page.Line(w.LineNumber).SetSelected(true);
        page.SetSelected(true);
    }
}

bool IsWordRunSelected(const TPage& page, int anchor, int moving) {
    const auto& words = page.WordList;
    const int count = int(words.size());
    if (anchor < 0 || moving < 0 || anchor >= count || moving >= count) return false;
    if (words[std::size_t(anchor)]->SuraNumber != words[std::size_t(moving)]->SuraNumber) return false;
    const int first = std::min(anchor, moving), last = std::max(anchor, moving);
    const std::int32_t sura = words[std::size_t(anchor)]->SuraNumber;
    for (int i = 0; i < count; ++i) {
        const TWordObject& w = *words[std::size_t(i)];
        const bool inRun = i >= first && i <= last && w.SuraNumber == sura;
        if (w.Selected() != inRun) return false;
    }
    return true;
}

namespace {

float CentreX(const TWordObject& w) {
    const TExtents e = w.Extents();
    return (e.MinX + e.MaxX) / 2;
}

// The word of line `line` whose centre stands nearest `x`; the first in
// reading order of equally near ones.
int NearestOnLine(const TPage& page, std::int32_t line, float x) {
    int best = -1;
    float bestDistance = 0;
    for (std::size_t i = 0; i < page.WordList.size(); ++i) {
        const TWordObject& w = *page.WordList[i];
        if (w.LineNumber != line) continue;
        const float d = std::fabs(CentreX(w) - x);
        if (best < 0 || d < bestDistance) best = int(i), bestDistance = d;
    }
    return best;
}

// The target of a line step: WordList holds the lines in order, so the next
// line's words are the first ones after the moving word's line.
int LineStepTarget(const TPage& page, int moving, int direction) {
    const auto& words = page.WordList;
    const int count = int(words.size());
    const std::int32_t line = words[std::size_t(moving)]->LineNumber;
    for (int i = moving + direction; i >= 0 && i < count; i += direction)
        if (words[std::size_t(i)]->LineNumber != line)
            return NearestOnLine(page, words[std::size_t(i)]->LineNumber, CentreX(*words[std::size_t(moving)]));
    return direction > 0 ? count - 1 : 0;
}

}  // namespace

int StepWordRun(const TPage& page, int anchor, int moving, TSelectionStep step) {
    const auto& words = page.WordList;
    const int count = int(words.size());
    if (anchor < 0 || moving < 0 || anchor >= count || moving >= count) return moving;
    const int direction = step == stNextWord || step == stNextLine ? 1 : -1;
    int target = moving + direction;
    if (step == stNextLine || step == stPreviousLine) target = LineStepTarget(page, moving, direction);
    target = std::clamp(target, 0, count - 1);
    // Back towards the moving word until the anchor's sura: a sura's words
    // stand together in reading order.
    const std::int32_t sura = words[std::size_t(anchor)]->SuraNumber;
    while (target != moving && words[std::size_t(target)]->SuraNumber != sura) target -= direction;
    return target;
}
