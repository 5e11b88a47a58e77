// The store under generated malformed input, a program of its own: it runs longest, so it runs
// beside the other programs rather than after the rest of the store tests.
#include "framework/Application.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qv::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
