#include "support/TestMain.h"
#include "framework/Application.h"
#include "framework/core/FpuPrecision.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

namespace qvtest {
namespace {

int (*g_beforeTests)(int argc, char** argv) = nullptr;
std::uint16_t g_startupControlWord = 0;

} // namespace

BeforeTests::BeforeTests(int (*hook)(int argc, char** argv)) {
    g_beforeTests = hook;
}

std::uint16_t StartupControlWord() {
    return g_startupControlWord;
}

} // namespace qvtest

int main(int argc, char** argv) {
    qvtest::g_startupControlWord = qv::X87ControlWord();
    qvtest::InstallWin9xPersonalityIfAsked();
    qv::Application::Instance().Initialize();
    if (qvtest::g_beforeTests) {
        const int exitCode = qvtest::g_beforeTests(argc, argv);
        if (exitCode >= 0)
            return exitCode;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
