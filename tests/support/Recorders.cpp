#include "support/Recorders.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "framework/Seams.h"
#include "support/ImportTable.h"

namespace qvtest {

namespace {
std::vector<RecordedBox> g_boxes;
int g_answer = IDOK;
std::vector<RecordedHelp> g_help;
int g_beeps = 0;
std::vector<RecordedProfileWrite> g_profileWrites;
std::vector<RecordedRealization> g_realizations;
std::vector<RecordedRegistryCall> g_registryCalls;
LONG g_flushAnswer = ERROR_SUCCESS;
int g_refusedSet = -1;
decltype(&::RegSetValueExA) g_setValue = nullptr;
decltype(&::RegFlushKey) g_flushKey = nullptr;

int RecordBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    g_boxes.push_back({owner, text, caption, flags});
    return g_answer;
}
void RecordHelp(const std::string& file, UINT command, ULONG_PTR data) {
    g_help.push_back({file, command, data});
}
void CountBeep() {
    ++g_beeps;
}
std::optional<std::string> Text(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}
BOOL RecordProfileWrite(const char* section, const char* key, const char* value, const char* file) {
    g_profileWrites.push_back({Text(section), Text(key), Text(value), Text(file)});
    return WritePrivateProfileStringA(section, key, value, file);
}
LONG WINAPI RecordSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                           DWORD size) {
    g_registryCalls.push_back({"set", key, name ? name : ""});
    if (static_cast<int>(g_registryCalls.size()) - 1 == g_refusedSet)
        return ERROR_ACCESS_DENIED;
    return g_setValue(key, name, reserved, type, data, size);
}
LONG WINAPI RecordFlushKey(HKEY key) {
    g_registryCalls.push_back({"flush", key, ""});
    return g_flushAnswer == ERROR_SUCCESS ? g_flushKey(key) : g_flushAnswer;
}
template <class Fn>
FARPROC AsProc(Fn fn) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(fn));
}
UINT RecordRealization(HDC dc, HPALETTE palette, bool background) {
    g_realizations.push_back({WindowFromDC(dc), palette, background});
    HPALETTE previous = SelectPalette(dc, palette, background ? TRUE : FALSE);
    const UINT realized = RealizePalette(dc);
    SelectPalette(dc, previous, TRUE);
    return realized == GDI_ERROR ? 0 : realized;
}
} // namespace

MessageBoxRecorder::MessageBoxRecorder(int answer) {
    g_boxes.clear();
    g_answer = answer;
    qv::SetMessageBoxHook(&RecordBox);
}
MessageBoxRecorder::~MessageBoxRecorder() {
    qv::SetMessageBoxHook(nullptr);
}
const std::vector<RecordedBox>& MessageBoxRecorder::Boxes() const {
    return g_boxes;
}

HelpRecorder::HelpRecorder() {
    g_help.clear();
    qv::SetHelpHook(&RecordHelp);
}
HelpRecorder::~HelpRecorder() {
    qv::SetHelpHook(nullptr);
}
const std::vector<RecordedHelp>& HelpRecorder::Requests() const {
    return g_help;
}

BeepCounter::BeepCounter() {
    g_beeps = 0;
    qv::SetBeepHook(&CountBeep);
}
BeepCounter::~BeepCounter() {
    qv::SetBeepHook(nullptr);
}
int BeepCounter::Count() const {
    return g_beeps;
}

ProfileWriteRecorder::ProfileWriteRecorder() {
    g_profileWrites.clear();
    qv::SetProfileWriteHook(&RecordProfileWrite);
}
ProfileWriteRecorder::~ProfileWriteRecorder() {
    qv::SetProfileWriteHook(nullptr);
}
const std::vector<RecordedProfileWrite>& ProfileWriteRecorder::Calls() const {
    return g_profileWrites;
}

RecordedProfileWrite FlushRequest(const std::string& file) {
    return {std::nullopt, std::nullopt, std::nullopt, file};
}

void PrintTo(const RecordedProfileWrite& call, std::ostream* out) {
    auto text = [](const std::optional<std::string>& t) { return t ? '"' + *t + '"' : "null"; };
    *out << "(" << text(call.section) << ", " << text(call.key) << ", " << text(call.value) << ", "
         << text(call.file) << ")";
}

RegistryWriteRecorder::RegistryWriteRecorder(LONG flushAnswer, int refusedCall) {
    g_registryCalls.clear();
    g_flushAnswer = flushAnswer;
    g_refusedSet = refusedCall;
    HMODULE program = GetModuleHandleA(nullptr);
    g_setValue = reinterpret_cast<decltype(g_setValue)>(
        reinterpret_cast<void*>(CurrentImport(program, "advapi32.dll", "RegSetValueExA")));
    g_flushKey = reinterpret_cast<decltype(g_flushKey)>(
        reinterpret_cast<void*>(CurrentImport(program, "advapi32.dll", "RegFlushKey")));
    ReplaceImport(program, "advapi32.dll", "RegSetValueExA", AsProc(RecordSetValue));
    ReplaceImport(program, "advapi32.dll", "RegFlushKey", AsProc(RecordFlushKey));
}
RegistryWriteRecorder::~RegistryWriteRecorder() {
    HMODULE program = GetModuleHandleA(nullptr);
    ReplaceImport(program, "advapi32.dll", "RegSetValueExA", AsProc(g_setValue));
    ReplaceImport(program, "advapi32.dll", "RegFlushKey", AsProc(g_flushKey));
}
const std::vector<RecordedRegistryCall>& RegistryWriteRecorder::Calls() const {
    return g_registryCalls;
}
std::vector<std::string> RegistryWriteRecorder::Names() const {
    std::vector<std::string> names;
    for (const RecordedRegistryCall& c : g_registryCalls)
        names.push_back(c.call == "set" ? "set " + c.value : c.call);
    return names;
}
void PrintTo(const RecordedRegistryCall& call, std::ostream* out) {
    *out << call.call << " " << call.key << " \"" << call.value << "\"";
}

PaletteRealizeRecorder::PaletteRealizeRecorder() {
    g_realizations.clear();
    qv::SetPaletteRealizeHook(&RecordRealization);
}
PaletteRealizeRecorder::~PaletteRealizeRecorder() {
    qv::SetPaletteRealizeHook(nullptr);
}
const std::vector<RecordedRealization>& PaletteRealizeRecorder::Realizations() const {
    return g_realizations;
}
void PrintTo(const RecordedRealization& realization, std::ostream* out) {
    *out << "(window " << realization.window << ", palette " << realization.palette << ", "
         << (realization.background ? "background" : "foreground") << ")";
}

} // namespace qvtest
