#include "pagemodel/Page.h"

#include "pagemodel/PageScale.h"

#include <optional>
#include <stdexcept>
#include <string>

TLine& TPage::Line(int number) {
    if (number < 1 || number > LineCount)
        throw std::out_of_range("line number " + std::to_string(number) + " is outside 1 to 15");
    return FLines[static_cast<std::size_t>(number)];
}

const TLine& TPage::Line(int number) const {
    return const_cast<TPage*>(this)->Line(number);
}

void TPage::InitialLinesData() {
    PageBottom = PageHeight;
    for (int i = 1; i <= LineCount; ++i) Line(i).InitialLineData();

    if (PageNumber <= 2) {
        // The first two pages: one frame around the whole page, no basmalah.
        if (Line(1).LineType == ltEmpty) Line(1).LineType = ltSuraName;
    } else {
        // Each empty line is a sura header followed by its basmalah, except on
        // page 187 where the ninth sura begins without one.
        int i = 1;
        while (i < LineCount) {
            if (Line(i).LineType == ltEmpty) {
                Line(i).LineType = ltSuraName;
                if (PageNumber != 187) {
                    Line(i + 1).LineType = ltBasmala;
                    i += 2;
                } else {
                    i += 1;
                }
            } else {
                i += 1;
            }
        }
    }

    WordList.clear();
    ShapeList.clear();
    GetWordList(WordList);
    for (int i = 1; i <= LineCount; ++i) Line(i).GetShapeToList(ShapeList);

    std::int32_t place = 1;
    for (TWordObject* w : WordList) {
        if (w->AyaMark) {
            w->ObjectInayaNumber = 0;
            place = 1;
        } else {
            w->ObjectInayaNumber = place++;
        }
    }
}

void TPage::Clear() {
    for (TLine& line : FLines) line = TLine();
    WordList.clear();
    ShapeList.clear();
    PageBottom = 0;
    FSelected = false;
}

TExtents TPage::Extents() const {
    TExtents e;
    for (int i = 1; i <= LineCount; ++i) e.Include(Line(i).Extents());
    return e;
}

void TPage::SelectWordAndLine(TWordObject& word) {
    word.SetSelected(true);
    Line(word.LineNumber).SetSelected(true);
}

std::int32_t TPage::SelectWordContainPoint(TPixelPoint p) {
    const TXYPoint q = ToPageUnits(p);
    for (int i = 1; i <= LineCount; ++i) {
        for (auto& w : Line(i).Words) {
            if (w->PointIn(q)) {
                w->SetSelected(true);
                Line(i).SetSelected(true);
                SetSelected(true);
                return i;
            }
        }
    }
    return 0;
}

std::int32_t TPage::SelectGlyphContainPoint(TPixelPoint p) {
    for (int i = 1; i <= LineCount; ++i) {
        for (auto& w : Line(i).Words) {
            if (w->SelectGlyphContainPoint(p) >= 0) {  // selects the whole word
                Line(i).SetSelected(true);
                SetSelected(true);
                return i;
            }
        }
    }
    return 0;
}

std::int32_t TPage::SelectNearestWordContainPoint(TPixelPoint p) {
    if (std::int32_t line = SelectWordContainPoint(p)) return line;
    if (WordList.empty()) return 0;

    std::size_t best = 0;
    long double bestDistance = WordList[0]->GetPointDistanceFloat(p);
    for (std::size_t i = 1; i < WordList.size(); ++i) {
        const long double d = WordList[i]->GetPointDistanceFloat(p);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    SelectWordAndLine(*WordList[best]);
    SetSelected(true);
    return static_cast<std::int32_t>(best);
}

TWordObject* TPage::GetGlyphContainPoint(TPixelPoint p) const {
    const TXYPoint q = ToPageUnits(p);
    for (int i = 1; i <= LineCount; ++i)
        for (const auto& w : Line(i).Words)
            if (w->PointIn(q)) return w.get();
    return nullptr;
}

bool TPage::SelectAya(std::int32_t sura, std::int32_t aya) {
    bool found = false;
    for (TWordObject* w : WordList) {
        if (w->SuraNumber == sura && w->AyaNumber == aya) {
            SelectWordAndLine(*w);
            SetSelected(true);
            found = true;
        }
    }
    return found;
}

bool TPage::SelectWholeSura() {
    if (WordList.empty()) return false;
    const std::int32_t sura = WordList.front()->SuraNumber;
    for (TWordObject* w : WordList)
        if (w->SuraNumber == sura) SelectWordAndLine(*w);
    SetSelected(true);
    return true;
}

void TPage::ClearSelect() {
    // Deselecting a line deselects its words and with them every glyph shape,
    // shapes picked on their own included.
    for (int i = 1; i <= LineCount; ++i) Line(i).SetSelected(false);
    SetSelected(false);
}

void TPage::SetSelected(bool selected) {
    FSelected = selected;
    if (FOnSelect) FOnSelect(*this);
}

std::int32_t TPage::GetFirstSelectedWordIndex() const {
    for (std::size_t i = 0; i < WordList.size(); ++i)
        if (WordList[i]->Selected()) return static_cast<std::int32_t>(i);
    return -1;
}

std::int32_t TPage::GetLastSelectedWordIndex() const {
    for (std::size_t i = WordList.size(); i-- > 0;)
        if (WordList[i]->Selected()) return static_cast<std::int32_t>(i);
    return -1;
}

TWordObject* TPage::GetSelectedWord() const {
    for (int i = 1; i <= LineCount; ++i)
        if (Line(i).Selected()) return Line(i).GetSelectedWord();
    return nullptr;
}

std::int32_t TPage::GetSelectCount() const {
    std::int32_t n = 0;
    for (int i = 1; i <= LineCount; ++i)
        if (Line(i).Selected()) n += Line(i).GetSelectedCount();
    return n;
}

std::int32_t TPage::GetSelectAyaCount() const {
    std::int32_t count = 0;
    std::optional<std::int32_t> previous;
    for (const TWordObject* w : WordList) {
        if (!w->Selected()) continue;
        if (previous != w->AyaNumber) ++count;
        previous = w->AyaNumber;
    }
    return count;
}

void TPage::GetWordList(std::vector<TWordObject*>& list) const {
    for (int i = 1; i <= LineCount; ++i) Line(i).GetWordList(list);
}

float TPage::ScaleToFit(float pageHeight, std::int32_t height, float largest) {
    return pageHeight * largest > static_cast<float>(height) ? static_cast<float>(height) / pageHeight : largest;
}

void TPage::FitToView(std::int32_t width, std::int32_t height, float largest) {
    PageScale = ScaleToFit(PageBottom, height, largest);
    ClientWidth = width;
    ClientHeight = height;
}
