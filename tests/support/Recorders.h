#pragma once
#include <windows.h>
#include <optional>
#include <ostream>
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

// Records every WritePrivateProfileStringA call of the profile accessor, in order, and passes
// each on to the system, so the file changes as it would without the recorder. A null argument
// is recorded as nothing.
struct RecordedProfileWrite {
    std::optional<std::string> section, key, value, file;
    bool operator==(const RecordedProfileWrite&) const = default;
};
void PrintTo(const RecordedProfileWrite& call, std::ostream* out);
class ProfileWriteRecorder {
public:
    ProfileWriteRecorder();
    ~ProfileWriteRecorder();
    const std::vector<RecordedProfileWrite>& Calls() const;
};
// The request that has the system write its cached copy of the file to disk.
RecordedProfileWrite FlushRequest(const std::string& file);

// Records every value write and flush of the registry that code linked into the program makes,
// in order, and passes each on to the system (a flush is answered with `flushAnswer` instead
// when that is not ERROR_SUCCESS). The calls are seen in the program's import table.
struct RecordedRegistryCall {
    std::string call; // "set" or "flush"
    HKEY key;
    std::string value; // the value's name for "set"
    bool operator==(const RecordedRegistryCall&) const = default;
};
void PrintTo(const RecordedRegistryCall& call, std::ostream* out);
class RegistryWriteRecorder {
public:
    // refusedCall: the call (counted from 0) that, when it is a set, is answered
    // ERROR_ACCESS_DENIED without writing.
    explicit RegistryWriteRecorder(LONG flushAnswer = ERROR_SUCCESS, int refusedCall = -1);
    ~RegistryWriteRecorder();
    const std::vector<RecordedRegistryCall>& Calls() const;
    // The calls as "set NAME" and "flush", without the keys.
    std::vector<std::string> Names() const;
};

// Records every realization of a control's palette when the system palette changes hands (the
// window whose surface it was realized on, the palette, in the background or the foreground)
// and realizes it as the program does.
struct RecordedRealization {
    HWND window;
    HPALETTE palette;
    bool background;
    bool operator==(const RecordedRealization&) const = default;
};
void PrintTo(const RecordedRealization& realization, std::ostream* out);
class PaletteRealizeRecorder {
public:
    PaletteRealizeRecorder();
    ~PaletteRealizeRecorder();
    const std::vector<RecordedRealization>& Realizations() const;
};

} // namespace qvtest
