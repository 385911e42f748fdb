// A harmless DLL that the Windows adapters' tests put beside win_tests.exe,
// where a planted library would lie in wait: once the DLL search is
// restricted to System32, loading it by name must find nothing.
#include <windows.h>

extern "C" __declspec(dllexport) int PlantedLibraryAnswer() { return 42; }
