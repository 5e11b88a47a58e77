#pragma once
// Test support: writes GIF data byte by byte, with an LZW encoder of its own, so tests state the
// pictures they decode instead of shipping binary files.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qvtest {

using Bytes = std::vector<std::uint8_t>;

struct LzwOptions {
    bool clearFirst = true;    // start with a clear code
    bool clearWhenFull = true; // a clear code when the table is full (else go on with 12 bits)
    bool endCode = true;       // finish with the end code
};

// Packs codes least significant bit first.
class BitPacker {
public:
    void Put(unsigned code, int size) {
        acc_ |= std::uint64_t(code) << bits_;
        bits_ += size;
        while (bits_ >= 8) {
            out.push_back(std::uint8_t(acc_));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    Bytes Finish() {
        if (bits_ > 0) {
            out.push_back(std::uint8_t(acc_));
        }
        acc_ = 0;
        bits_ = 0;
        return out;
    }
    Bytes out;

private:
    std::uint64_t acc_ = 0;
    int bits_ = 0;
};

// GIF-flavoured LZW of `pixels` (each below 2^minCodeSize). Mirrors the decoder's code size rule.
inline Bytes LzwEncode(const Bytes& pixels, int minCodeSize, LzwOptions options = {}) {
    const unsigned clear = 1u << minCodeSize;
    BitPacker packer;
    std::map<std::pair<unsigned, unsigned>, unsigned> table;
    unsigned next = clear + 2;        // encoder's next entry
    unsigned decoderNext = clear + 2; // the decoder's view, one entry behind
    unsigned limit = 2 * clear;
    int size = minCodeSize + 1;
    bool fresh = true; // the next code is the first after a clear
    auto emit = [&](unsigned code) {
        packer.Put(code, size);
        if (code == clear) {
            decoderNext = clear + 2;
            limit = 2 * clear;
            size = minCodeSize + 1;
            fresh = true;
            return;
        }
        if (!fresh && decoderNext < 4096) {
            ++decoderNext;
            if (decoderNext >= limit && limit < 4096) {
                limit *= 2;
                ++size;
            }
        }
        fresh = false;
    };
    if (options.clearFirst) {
        emit(clear);
    }
    if (!pixels.empty()) {
        unsigned w = pixels[0];
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const unsigned k = pixels[i];
            auto it = table.find({w, k});
            if (it != table.end()) {
                w = it->second;
                continue;
            }
            emit(w);
            if (next < 4096) {
                table[{w, k}] = next++;
            } else if (options.clearWhenFull) {
                emit(clear);
                table.clear();
                next = clear + 2;
            }
            w = k;
        }
        emit(w);
    }
    if (options.endCode) {
        emit(clear + 1);
    }
    return packer.Finish();
}

// Cuts bytes into sub-blocks of at most `blockSize` bytes, then the zero terminator.
inline Bytes SubBlocks(const Bytes& bytes, std::size_t blockSize = 255, bool terminator = true) {
    Bytes out;
    for (std::size_t i = 0; i < bytes.size(); i += blockSize) {
        const std::size_t n = std::min(blockSize, bytes.size() - i);
        out.push_back(std::uint8_t(n));
        out.insert(out.end(), bytes.begin() + long(i), bytes.begin() + long(i + n));
    }
    if (terminator) {
        out.push_back(0);
    }
    return out;
}

// Rows in the order an interlaced image stores them.
inline Bytes InterlaceRows(const Bytes& pixels, int width, int height) {
    Bytes out;
    const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = start[pass]; y < height; y += step[pass]) {
            out.insert(out.end(), pixels.begin() + long(y) * width,
                       pixels.begin() + long(y + 1) * width);
        }
    }
    return out;
}

// A palette of 2^bits entries: entry i is (i, 255 - i, i * 7) by default.
inline Bytes TestPalette(int bits) {
    Bytes p;
    for (int i = 0; i < (1 << bits); ++i) {
        p.push_back(std::uint8_t(i));
        p.push_back(std::uint8_t(255 - i));
        p.push_back(std::uint8_t(i * 7));
    }
    return p;
}

struct ImageOptions {
    int localBits = 0; // 0: no local table
    bool interlaced = false;
    int minCodeSize = 8;
    std::size_t blockSize = 255;
    LzwOptions lzw;
};

class GifBuilder {
public:
    // Header and logical screen; globalBits 0 means no global table.
    GifBuilder& Header(int width, int height, int globalBits = 8, const char* version = "89a",
                       std::uint8_t background = 0) {
        Text("GIF");
        Text(version);
        Word(width);
        Word(height);
        bytes.push_back(std::uint8_t(globalBits ? 0x80 | 0x70 | (globalBits - 1) : 0));
        bytes.push_back(background);
        bytes.push_back(0);
        if (globalBits) {
            Raw(TestPalette(globalBits));
        }
        return *this;
    }
    GifBuilder& Control(int disposal, int delay, bool transparent, std::uint8_t index) {
        return ControlFlags(std::uint8_t(disposal << 2 | (transparent ? 1 : 0)), delay, index);
    }
    GifBuilder& ControlFlags(std::uint8_t flags, int delay, std::uint8_t index) {
        Raw({0x21, 0xF9, 4, flags});
        Word(delay);
        Raw({index, 0});
        return *this;
    }
    GifBuilder& Comment(const std::string& text) {
        Raw({0x21, 0xFE});
        Raw(SubBlocks(Bytes(text.begin(), text.end())));
        return *this;
    }
    GifBuilder& Application(const char* id8, const char* auth3, const Bytes& data) {
        Raw({0x21, 0xFF, 11});
        Text(id8);
        Text(auth3);
        Raw(SubBlocks(data));
        return *this;
    }
    GifBuilder& Netscape(int loops) {
        return Application("NETSCAPE", "2.0", {1, std::uint8_t(loops), std::uint8_t(loops >> 8)});
    }
    GifBuilder& PlainText() {
        Raw({0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0});
        Raw(SubBlocks(Bytes{'h', 'i'}));
        return *this;
    }
    GifBuilder& Descriptor(int left, int top, int width, int height, std::uint8_t flags) {
        bytes.push_back(',');
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        bytes.push_back(flags);
        return *this;
    }
    // An image of row-ordered pixels.
    GifBuilder& Image(int left, int top, int width, int height, const Bytes& pixels,
                      const ImageOptions& o = {}) {
        std::uint8_t flags = 0;
        if (o.localBits) {
            flags |= std::uint8_t(0x80 | (o.localBits - 1));
        }
        if (o.interlaced) {
            flags |= 0x40;
        }
        Descriptor(left, top, width, height, flags);
        if (o.localBits) {
            Bytes p = TestPalette(o.localBits);
            for (auto& b : p) {
                b = std::uint8_t(~b);
            }
            Raw(p);
        }
        bytes.push_back(std::uint8_t(o.minCodeSize));
        const Bytes ordered = o.interlaced ? InterlaceRows(pixels, width, height) : pixels;
        Raw(SubBlocks(LzwEncode(ordered, o.minCodeSize, o.lzw), o.blockSize));
        return *this;
    }
    GifBuilder& Trailer() {
        bytes.push_back(';');
        return *this;
    }
    GifBuilder& Raw(const Bytes& b) {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    GifBuilder& Text(const char* s) {
        while (*s) {
            bytes.push_back(std::uint8_t(*s++));
        }
        return *this;
    }
    GifBuilder& Word(int v) {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
        return *this;
    }
    Bytes bytes;
};

// Pixels whose value at (x, y) is f(x, y).
template <class F>
Bytes MakePixels(int width, int height, F f) {
    Bytes p;
    p.reserve(std::size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.push_back(std::uint8_t(f(x, y)));
        }
    }
    return p;
}

} // namespace qvtest
