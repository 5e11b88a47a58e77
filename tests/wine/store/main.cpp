#include "framework/Application.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qv::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
