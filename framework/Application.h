#pragma once
#include <windows.h>
#include <string>

namespace qv {

// The application object: title, help file, main window and the message loop.
class Application {
public:
    static Application& Instance();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The window that owns message boxes and error boxes (the main window once it exists).
    HWND Window() const { return window_; }
    void SetWindow(HWND window) { window_ = window; }

private:
    std::string title_ = " Quorvane";
    HWND window_ = nullptr;
};

} // namespace qv
