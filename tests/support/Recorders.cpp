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

} // namespace qvtest
