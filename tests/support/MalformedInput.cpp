#include "support/MalformedInput.h"

namespace qvtest {

std::uint32_t Rng::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

std::string OddVcacheValue(Rng& rng) {
    static const std::vector<std::string> kValues = {
        "2048",    "0x800", "0X800", "$800",        "$FFFFFFFF",  "-1",         "0",     "",
        "2048 Kb", "+512",  " 4096", "99999999999", "0x",         "$",          "8",     "1024",
        "65536",   "abc",   "1e3",   "-2147483648", "0x7FFFFFFF", "$123456789", "\t512", "512\t"};
    if (rng.Chance(15))
        return std::to_string(static_cast<std::int32_t>(rng.Next()));
    return rng.Pick(kValues);
}

std::vector<std::uint8_t> RandomBytes(Rng& rng, std::size_t maxLength) {
    std::vector<std::uint8_t> bytes(rng.Below(static_cast<std::uint32_t>(maxLength + 1)));
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(rng.Next());
    return bytes;
}

namespace {

std::string Blanks(Rng& rng) {
    static const std::vector<std::string> kBlanks = {"", "", " ", "  ", "\t", " \t "};
    return rng.Pick(kBlanks);
}

std::string Junk(Rng& rng, std::size_t maxLength) {
    // Letters at both ends, so the profile functions' trimming leaves the text alone; inside,
    // any byte but NUL and line ends (the profile functions cut a line at a NUL).
    std::string text;
    std::size_t length = rng.Below(static_cast<std::uint32_t>(maxLength + 1));
    for (std::size_t i = 0; i < length; ++i) {
        bool inner = i > 0 && i + 1 < length;
        char c = static_cast<char>('a' + rng.Below(26));
        if (inner && rng.Chance(30)) {
            c = static_cast<char>(1 + rng.Below(255));
            if (c == '\r' || c == '\n')
                c = '#';
        }
        text += c;
    }
    return text;
}

std::string Key(Rng& rng, bool vcache) {
    static const std::vector<std::string> kVcacheKeys = {
        "minfilecache", "MaxFileCache", "chunksize", "MINFILECACHE", "other", "min file cache"};
    if (vcache && rng.Chance(60))
        return rng.Pick(kVcacheKeys);
    return "k" + Junk(rng, 10) + std::to_string(rng.Below(1000));
}

} // namespace

std::string MalformedSystemIni(Rng& rng) {
    static const std::vector<std::string> kSections = {
        "boot", "386Enh", "vcache", "VCache", "drivers", "mci", "NonWindowsApp"};
    static const std::vector<std::string> kLineEnds = {"\r\n", "\r\n", "\n", "\r\n"};
    std::string eol = rng.Pick(kLineEnds);
    std::string text;
    if (rng.Chance(20))
        text += "; leading comment" + eol;
    if (rng.Chance(10))
        text += "orphan=before any section" + eol;
    int sections = 1 + static_cast<int>(rng.Below(6));
    for (int s = 0; s < sections; ++s) {
        std::string section = rng.Chance(50) ? std::string("vcache") : rng.Pick(kSections);
        bool vcache = section == "vcache" || section == "VCache";
        text += Blanks(rng) + "[" + Blanks(rng) + section + Blanks(rng) + "]" + Blanks(rng) + eol;
        int keys = static_cast<int>(rng.Below(7));
        for (int k = 0; k < keys; ++k) {
            std::string key = Key(rng, vcache);
            std::string value = vcache && rng.Chance(60) ? OddVcacheValue(rng) : Junk(rng, 40);
            if (rng.Chance(5))
                value += std::string(1500 + rng.Below(3000), 'L');
            if (rng.Chance(10))
                text += "; comment " + Junk(rng, 20) + eol;
            if (rng.Chance(5))
                text += Junk(rng, 30) + eol; // a line without "="
            text += Blanks(rng) + key + Blanks(rng) + "=" + Blanks(rng) + value + Blanks(rng) + eol;
        }
        if (rng.Chance(15))
            text += eol;
    }
    if (rng.Chance(30)) {
        // No line end after the last line.
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
    }
    return text;
}

} // namespace qvtest
