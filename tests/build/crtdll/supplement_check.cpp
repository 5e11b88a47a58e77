// What framework/crtdll/ supplies, checked in a program that runs on crtdll.dll as the release
// does: a random number is refused with an error, never made up; read and close are crtdll.dll's
// _read and _close. Prints each failure; exit code 0 when there is none.
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <stdexcept>
#include <string>

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::printf("failed: %s\n", what);
        ++failures;
    }
}

} // namespace

int main() {
    try {
        std::random_device device;
        const unsigned number = device();
        std::printf("failed: random_device gave %u\n", number);
        ++failures;
    } catch (const std::runtime_error& error) {
        std::printf("random_device refused: %s\n", error.what());
        Check(std::strstr(error.what(), "rand_s") != nullptr, "the refusal names rand_s");
    }

    const char* name = "supplement-check.tmp";
    int file = _open(name, _O_CREAT | _O_TRUNC | _O_RDWR | _O_BINARY, 0600);
    Check(file >= 0, "a file to read");
    Check(_write(file, "crtdll", 6) == 6, "writing the file");
    Check(_lseek(file, 0, SEEK_SET) == 0, "rewinding the file");
    char text[16] = {};
    Check(read(file, text, sizeof text) == 6 && std::string(text) == "crtdll", "read");
    Check(close(file) == 0, "close");
    Check(close(file) == -1, "close of a closed file fails");
    _unlink(name);
    std::printf("%d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
