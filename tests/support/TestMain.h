#pragma once
// The main() of every Wine test program (TestMain.cpp). Before the tests it records the x87
// control word the process started with, installs the Windows 9x personality when the
// environment asks for it (support/Win9xPersonality.h), initialises the application object and
// runs the group's hook, if it has one.
#include <cstdint>

namespace qvtest {

// A group that must act before GoogleTest reads the command line registers a hook, once, at
// namespace scope: `const qvtest::BeforeTests hook(&Function);`. The hook returns the program's
// exit code to end it there, or -1 to go on with the tests.
class BeforeTests {
public:
    explicit BeforeTests(int (*hook)(int argc, char** argv));
};

// The x87 control word this process started with, before anything could change it.
std::uint16_t StartupControlWord();

} // namespace qvtest
