// A drop target for the drag scenario: a window titled "Drop Recorder" that
// accepts any drop and writes down what arrived, one file per format in the
// folder given as its argument (format number and name in "formats.txt",
// the bytes in "<number>.bin"), then "done.txt" last.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Folder;

void Record(IDataObject* data) {
    std::wstring list;
    IEnumFORMATETC* formats = nullptr;
    if (SUCCEEDED(data->EnumFormatEtc(DATADIR_GET, &formats)) && formats) {
        FORMATETC f;
        while (formats->Next(1, &f, nullptr) == S_OK) {
            wchar_t name[128] = L"";
            if (!GetClipboardFormatNameW(f.cfFormat, name, 128)) name[0] = 0;
            list += std::to_wstring(f.cfFormat) + L" " + name + L"\n";
            STGMEDIUM medium{};
            f.tymed = TYMED_HGLOBAL;
            if (SUCCEEDED(data->GetData(&f, &medium))) {
                if (medium.tymed == TYMED_HGLOBAL) {
                    const SIZE_T size = GlobalSize(medium.hGlobal);
                    const void* p = GlobalLock(medium.hGlobal);
                    if (FILE* out = _wfopen((Folder + L"\\" + std::to_wstring(f.cfFormat) + L".bin").c_str(), L"wb")) {
                        if (p) fwrite(p, 1, size, out);
                        fclose(out);
                    }
                    GlobalUnlock(medium.hGlobal);
                }
                ReleaseStgMedium(&medium);
            }
        }
        formats->Release();
    }
    if (FILE* out = _wfopen((Folder + L"\\formats.txt").c_str(), L"wb")) {
        for (wchar_t c : list) fputc(char(c < 128 ? c : '?'), out);
        fclose(out);
    }
    if (FILE* out = _wfopen((Folder + L"\\done.txt").c_str(), L"wb")) fclose(out);
}

class TRecorder final : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (id == IID_IUnknown || id == IID_IDropTarget) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return --FRefs; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        Record(data);
        *effect = DROPEFFECT_COPY;
        return S_OK;
    }

private:
    ULONG FRefs = 1;
};

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(h, m, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    Folder = arguments;
    OleInitialize(nullptr);
    WNDCLASSW c{};
    c.lpfnWndProc = Proc;
    c.hInstance = instance;
    c.lpszClassName = L"DropRecorder";
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&c);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"DropRecorder", L"Drop Recorder", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                  0, 0, 240, 240, nullptr, nullptr, instance, nullptr);
    TRecorder recorder;
    RegisterDragDrop(window, &recorder);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    RevokeDragDrop(window);
    OleUninitialize();
    return 0;
}
