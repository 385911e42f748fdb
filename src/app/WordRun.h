#pragma once
// The selection rules that the mouse and the keys share: a run of words in
// page order that never leaves one sura, and the steps by which the keys move
// the moving end of such a run.
//
// Word positions are indices into the page's WordList (reading order).
#include <cstdint>

class TPage;

// Selects the words from `from` to `to` (either order) that belong to the
// sura of the earlier one, flags their lines and the page. Selects nothing
// more; the caller clears what should go first.
void SelectWordRun(TPage& page, int from, int to);

// Whether exactly the run SelectWordRun(anchor, moving) would make is
// selected, with both ends in one sura.
bool IsWordRunSelected(const TPage& page, int anchor, int moving);

// Steps of a selection made with the keys, in reading order: Shift+Left is
// the next word (the Mushaf reads right to left), Shift+Down the next line.
enum TSelectionStep : std::uint8_t { stNextWord, stPreviousWord, stNextLine, stPreviousLine };

// Where the moving end goes for one step, the anchor staying: the next or
// previous word; on the next or previous line the word standing nearest
// above or below it (past the last line, the page's last word; before the
// first, its first). It never leaves the page or the anchor's sura: it stops
// at the last word of that sura in the step's direction.
int StepWordRun(const TPage& page, int anchor, int moving, TSelectionStep step);
