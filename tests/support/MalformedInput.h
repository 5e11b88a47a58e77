#pragma once
// Deterministic generators of malformed system.ini files and registry values for the
// fuzz-style store tests. The same run number always gives the same input.
#include <cstdint>
#include <string>
#include <vector>

namespace qvtest {

// A small xorshift generator: fixed sequences without depending on the library's engines.
class Rng {
public:
    explicit Rng(std::uint32_t start) : state_(start * 2654435761u + 1u) {}
    std::uint32_t Next();
    // 0 to n-1.
    std::uint32_t Below(std::uint32_t n) { return n ? Next() % n : 0; }
    bool Chance(int percent) { return Below(100) < static_cast<std::uint32_t>(percent); }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<std::uint32_t>(items.size()))];
    }

private:
    std::uint32_t state_;
};

// A system.ini with odd spacing, duplicate sections and keys, long lines, junk bytes, odd
// line ends and odd [vcache] values.
std::string MalformedSystemIni(Rng& rng);
// Text a [vcache] key might hold: numbers in every notation, junk, nothing.
std::string OddVcacheValue(Rng& rng);
// Raw registry data of random length and content.
std::vector<std::uint8_t> RandomBytes(Rng& rng, std::size_t maxLength);

} // namespace qvtest
