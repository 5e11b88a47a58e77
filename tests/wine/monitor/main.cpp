#include "framework/Application.h"
#include "framework/core/FpuPrecision.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

// The x87 control word this process started with, before anything could change it.
std::uint16_t g_startupControlWord = 0;

int main(int argc, char** argv) {
    g_startupControlWord = qv::X87ControlWord();
    qvtest::InstallWin9xPersonalityIfAsked();
    qv::Application::Instance().Initialize();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
