#include "framework/Application.h"
#include <gtest/gtest.h>

// Runs on a 256-colour display (CTest gives this group an 8-bit screen).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qv::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
