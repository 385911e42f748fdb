#include "system/win/FontsApi.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <stdexcept>
#include <string>

#include "base/OutsideNames.h"
#include "base/ResourceSource.h"
#include "base/Utf.h"
#include "base/win/ReadingOrder.h"
#include "base/win/WideText.h"
#include "system/win/FontInstallationErrorWindow.h"

namespace {

std::wstring FontsFolder() {
    std::wstring folder;
    PIDLIST_ABSOLUTE list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_FONTS, &list))) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(list, path)) folder = path;
        CoTaskMemFree(list);
    }
    if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
    return folder;
}

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

// The full path of this executable, however long: the elevated run must
// start this very file, never a path cut short.
std::wstring OwnExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) throw std::runtime_error("The program cannot find its own file.");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) throw std::runtime_error("The program's own path is too long.");
        path.resize(path.size() * 2);  // cut short: try again with more room
    }
}

// The path to hand the shell for starting this executable. The shell starts
// files by paths shorter than MAX_PATH; a longer one goes in its short (8.3)
// form, which names the same file, when the volume keeps short names.
// Otherwise the whole path goes, and a refusal is reported as any other.
std::wstring StartablePath(const std::wstring& path) {
    const std::wstring verbatimPrefix = L"\\\\?\\";
    const bool verbatim = path.rfind(verbatimPrefix, 0) == 0 && path.size() > 5 && path[5] == L':';
    const std::wstring plain = verbatim ? path.substr(verbatimPrefix.size()) : path;
    if (plain.size() < MAX_PATH) return plain;
    const std::wstring longForm = verbatimPrefix + plain;  // how a long path is read whole
    std::wstring shortForm(GetShortPathNameW(longForm.c_str(), nullptr, 0), L'\0');
    if (shortForm.empty()) return plain;
    const DWORD length = GetShortPathNameW(longForm.c_str(), shortForm.data(), DWORD(shortForm.size()));
    if (length == 0 || length >= shortForm.size()) return plain;
    shortForm.resize(length);
    if (shortForm.rfind(verbatimPrefix, 0) == 0) shortForm.erase(0, verbatimPrefix.size());
    return shortForm.size() < MAX_PATH ? shortForm : plain;
}

// Starts `file` with the "runas" verb and waits for its exit code, serving
// this thread's messages meanwhile; 0 when the user refused the elevation.
int RunElevatedAndWait(const wchar_t* file, const wchar_t* parameters, HWND owner) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = file;
    info.lpParameters = parameters;
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        const DWORD error = GetLastError();
        if (error == ERROR_CANCELLED) return 0;  // the user refused the elevation prompt
        wchar_t* text = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        const std::string message = text ? Utf16ToUtf8(FromWide(text)) : "The installation could not be started.";
        if (text) LocalFree(text);
        throw std::runtime_error(message);
    }
    if (!info.hProcess) return 0;
    // Serve this thread's messages while the installation runs; waiting on
    // the process and the queue together keeps the loop from spinning.
    DWORD code = STILL_ACTIVE;
    bool quitting = false;
    while (!quitting) {
        if (!GetExitCodeProcess(info.hProcess, &code) || code != STILL_ACTIVE) break;
        MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, INFINITE, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                quitting = true;
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return int(code);
}

}  // namespace

TWinFontPlatform::TWinFontPlatform(const TResourceSource& resources)
    : FResources(resources), FFontsFolder(FontsFolder()) {}

bool TWinFontPlatform::FamilyListed(std::u16string_view family) {
    LOGFONTW font{};
    font.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = ToWide(family.substr(0, LF_FACESIZE - 1));
    wcscpy(font.lfFaceName, name.c_str());
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &font, CountFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

std::optional<std::u16string> TWinFontPlatform::RegistryValue(std::u16string_view valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WidePtr(SystemFontsKey), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    const std::wstring name = ToWide(valueName);
    DWORD type = 0, size = 0;
    std::optional<std::u16string> result;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = DWORD(data.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes) ==
            ERROR_SUCCESS) {
            data.resize(wcsnlen(data.c_str(), bytes / sizeof(wchar_t)));
            result = FromWide(data);
        }
    }
    RegCloseKey(key);
    return result;
}

bool TWinFontPlatform::FontFileExists(std::u16string_view fileName) {
    if (FFontsFolder.empty() || fileName.empty()) return false;
    const DWORD attributes = GetFileAttributesW((FFontsFolder + ToWide(fileName)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool TWinFontPlatform::CopyFontFile(std::u16string_view resource, std::u16string_view fileName) {
    const std::optional<TResourceBytes> bytes = FResources.Find(resource);
    if (!bytes || FFontsFolder.empty()) return false;
    const std::wstring path = FFontsFolder + ToWide(fileName);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes->Bytes.data(), DWORD(bytes->Bytes.size()), &written, nullptr) &&
                    written == bytes->Bytes.size();
    const bool closed = CloseHandle(file);
    if (ok && closed) return true;
    DeleteFileW(path.c_str());  // no half-written font is left to be found as installed
    return false;
}

bool TWinFontPlatform::AddFontToRegistry(std::u16string_view valueName, std::u16string_view data) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, WidePtr(SystemFontsKey), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const std::wstring name = ToWide(valueName), value = ToWide(data);
    const LSTATUS written = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                           DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return written == ERROR_SUCCESS;
}

bool TWinFontPlatform::IsUserAdmin() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return false;
    CloseServiceHandle(manager);
    return true;
}

int TWinFontPlatform::RunElevatedInstallation() {
    return RunElevatedAndWait(StartablePath(OwnExecutablePath()).c_str(), WidePtr(InstallFontsSwitch), nullptr);
}

void TWinFontPlatform::LoadFontsNow() {
    for (const TFontFace* face : {&RegularFontFace, &BoldFontFace})
        AddFontResourceW((FFontsFolder + ToWide(face->FileName)).c_str());
}

void TWinFontPlatform::NotifyFontChange() {
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 500, nullptr);
}

void TWinFontPlatform::ShowMessage(std::u16string_view text, std::u16string_view caption) {
    const std::wstring t = ToWide(text), c = ToWide(caption);
    MessageBoxW(nullptr, t.c_str(), c.c_str(), MB_OK | ReadingOrder(text));
}

bool TWinFontPlatform::AskYesNo(std::u16string_view text, std::u16string_view caption) {
    const std::wstring t = ToWide(text), c = ToWide(caption);
    return MessageBoxW(nullptr, t.c_str(), c.c_str(), MB_YESNO | MB_ICONEXCLAMATION | ReadingOrder(text)) == IDYES;
}

void TWinFontPlatform::ShowInstallationError() {
    TFontInstallationErrorWindow form;
    form.ShowModal();
}

void TWinFontPlatform::RequestTermination() { PostQuitMessage(0); }
