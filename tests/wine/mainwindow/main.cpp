#include "framework/Application.h"
#include "main/f1.h"
#include "support/Win9xPersonality.h"
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

// With "--report-help-file FILE" the program only creates the main window and writes the help
// file it computed into FILE (the help-file test runs a copy of itself from another folder).
int main(int argc, char** argv) {
    qvtest::InstallWin9xPersonalityIfAsked();
    qv::Application::Instance().Initialize();
    if (argc == 3 && std::strcmp(argv[1], "--report-help-file") == 0) {
        Tf1 window;
        FILE* out = std::fopen(argv[2], "w");
        if (!out)
            return 2;
        std::fputs(qv::Application::Instance().HelpFile().c_str(), out);
        std::fclose(out);
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
