#include "support/Recorders.h"
#include "framework/Application.h"
#include "framework/MessageBox.h"
#include "framework/Seams.h"

namespace qvtest {

namespace {
std::vector<RecordedBox> g_boxes;
int g_answer = IDOK;
std::vector<RecordedHelp> g_help;
int g_beeps = 0;
std::vector<RecordedProfileWrite> g_profileWrites;
std::vector<RecordedRealization> g_realizations;

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
