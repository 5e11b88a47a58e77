#pragma once
// Answers the confirmation dialog while it runs modally, with real input. A thread timer's
// callback runs inside the dialog's own message loop: once the dialog is shown and active it
// injects the next answer's keystrokes or mouse clicks and returns; the dialog's loop then
// processes them like a user's.
#include <windows.h>
#include <string>
#include <vector>

class Tokform;

namespace qvtest {

// One way of answering the dialog.
enum class Answer {
    EnterOnFocus, // Enter: the focused button, Yes when the dialog opens
    KeyY,         // the access key of Yes
    KeyN,         // the access key of No
    Escape,       // the first cancel-type button, No
    ClickYes,     // mouse clicks on the buttons
    ClickNo,
    ClickCancel,
    CloseBox, // a mouse click on the title bar's close box
    AltF4,
    TabTabEnter, // Tab twice (Yes, No, Cancel), then Enter
};
std::string ToString(Answer answer);

class DialogDriver {
public:
    // One answer for each showing of the dialog, in order.
    explicit DialogDriver(std::vector<Answer> answers);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // How often the dialog was seen shown and answered.
    int Showings() const { return showings_; }
    // Answers that had no effect within 5 s (the dialog was then closed to end the test).
    int LostAnswers() const { return lostAnswers_; }
    // The control that had the focus when each answer was given (its name).
    const std::vector<std::string>& FocusOnShow() const { return focusOnShow_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam);
    void Step();
    void Inject(Answer answer);

    std::vector<Answer> answers_;
    int showings_ = 0;
    bool shownUnanswered_ = false; // the dialog was shown and has not been answered yet
    std::vector<std::string> focusOnShow_;
    DWORD answeredAt_ = 0;
    int lostAnswers_ = 0;
    UINT_PTR timer_ = 0;
    HHOOK hook_ = nullptr;
};

// Real input helpers (SendInput), for the foreground window.
void SendKey(unsigned char virtualKey);
void SendKeyWithAlt(unsigned char virtualKey);
// A mouse click on the close box of a top-level window (found by hit-testing its title bar).
bool ClickCloseBox(HWND window);

} // namespace qvtest
