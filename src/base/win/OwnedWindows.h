#pragma once
// The secondary windows a main window owns (search, index, settings, copy
// range, about, …): created on demand, found again by their type where only
// one may exist, given the dialog keys, and freed once closed. A window is
// freed only by ReapClosed, which the outermost message loop calls, so no
// object goes away while one of its own handlers is still on the stack.
#include <memory>
#include <vector>

#include "base/win/Window.h"

class TOwnedWindows {
public:
    TOwnedWindows() = default;
    TOwnedWindows(const TOwnedWindows&) = delete;
    TOwnedWindows& operator=(const TOwnedWindows&) = delete;

    // Takes the window; `window` has been created (or its creation failed,
    // and it is freed with the next ReapClosed).
    template <class T>
    T& Add(std::unique_ptr<T> window) {
        T& w = *window;
        FWindows.push_back(std::move(window));
        return w;
    }

    // The open window of that type, or null.
    template <class T>
    T* Find() const {
        for (const auto& w : FWindows)
            if (w->Handle())
                if (auto* found = dynamic_cast<T*>(w.get())) return found;
        return nullptr;
    }

    // The open window of type T, brought to the front; or else a new one,
    // which `create` (bool(T&)) creates and this list takes. Null when the
    // creation failed.
    template <class T, class TCreate>
    T* ShowOrCreate(TCreate&& create) {
        if (T* open = Find<T>()) {
            open->BringToFront();
            return open;
        }
        auto window = std::make_unique<T>();
        const bool created = create(*window);
        T& added = Add(std::move(window));
        return created ? &added : nullptr;
    }

    // The preview and then Tab, Enter and Escape of the window that holds
    // msg.hwnd; true when used.
    bool PreTranslate(MSG& msg) const;
    // Frees the windows that are gone.
    void ReapClosed();
    // Destroys every window (the main window is closing).
    void Clear() { FWindows.clear(); }

private:
    std::vector<std::unique_ptr<TWindow>> FWindows;
};
