#include "framework/Application.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qvtest::InstallWin9xPersonalityIfAsked();
    ::testing::InitGoogleTest(&argc, argv);
    qv::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
