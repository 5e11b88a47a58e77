#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace qvtest {

// Records every message box instead of showing it, and answers with a chosen button.
struct RecordedBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    const std::vector<RecordedBox>& Boxes() const;
};

// Records every help request instead of calling WinHelpA.
struct RecordedHelp {
    std::string file;
    UINT command;
    ULONG_PTR data;
};
class HelpRecorder {
public:
    HelpRecorder();
    ~HelpRecorder();
    const std::vector<RecordedHelp>& Requests() const;
};

// Counts the refusal beeps.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();
    int Count() const;
};

} // namespace qvtest
