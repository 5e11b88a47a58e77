// With "--report-help-file FILE" the program only creates the main window and writes the help
// file it computed into FILE (the help-file test runs a copy of itself from another folder).
#include "framework/Application.h"
#include "main/f1.h"
#include "support/TestMain.h"
#include <cstdio>
#include <cstring>

namespace {

int ReportHelpFileIfAsked(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "--report-help-file") != 0)
        return -1;
    Tf1 window;
    FILE* out = std::fopen(argv[2], "w");
    if (!out)
        return 2;
    std::fputs(qv::Application::Instance().HelpFile().c_str(), out);
    std::fclose(out);
    return 0;
}

const qvtest::BeforeTests reportHelpFile(&ReportHelpFileIfAsked);

} // namespace
