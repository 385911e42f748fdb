#pragma once
// The cursor table of the run: the cursors of the executable's resources
// under their numbers 10 to 17. A cursor that is missing or cannot be read is
// the standard arrow.
#include <windows.h>

#include <string_view>

class TResourceSource;

// Reads a .cur file held as a data resource.
HCURSOR LoadCursorResource(const TResourceSource& resources, std::u16string_view name);

void SetTableCursor(int number, HCURSOR cursor);
HCURSOR TableCursor(int number);
