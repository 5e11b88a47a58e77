// What the released program's C runtime, crtdll.dll, lacks and the static libraries linked into
// the program still name. Linked only where the program runs on crtdll.dll (cmake/CRuntime.cmake);
// msvcrt.dll builds take these from their own runtime.
//
// libstdc++'s std::random_device (random.o) names all three; it comes in with the string code of
// std::runtime_error. The program never asks for a random number, so rand_s fails honestly,
// while read and close are the old POSIX names of functions that crtdll.dll does export.
#include <errno.h>
#include <io.h>
#include <stdlib.h>

extern "C" {

// Windows 95 offers no source of random numbers that this could honestly draw on. (Declared here:
// the runtime's headers declare it as imported from the DLL.)
errno_t __cdecl rand_s(unsigned int* value) {
    (void)value; // left as it was: no number is made up
    errno = ENOSYS;
    return ENOSYS;
}

// libstdc++ calls it through an import-table entry, as if from a DLL: this is that entry.
static_assert(sizeof(void*) == 4, "crtdll.dll is a 32-bit runtime");
extern errno_t(__cdecl* const randSImportEntry)(unsigned int*) __asm__("__imp__rand_s") = rand_s;

int __cdecl read(int file, void* buffer, unsigned int count) {
    return _read(file, buffer, count);
}

int __cdecl close(int file) {
    return _close(file);
}

} // extern "C"
