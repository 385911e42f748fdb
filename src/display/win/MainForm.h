#pragma once
#include <windows.h>

// The borderless top-level window of class "TMainForm" titled "Tiravel".
namespace MainForm {
inline constexpr wchar_t ClassName[] = L"TMainForm";
inline constexpr wchar_t Title[] = L"Tiravel";

bool Register(HINSTANCE instance);
HWND Create(HINSTANCE instance, int showCommand);
}  // namespace MainForm
