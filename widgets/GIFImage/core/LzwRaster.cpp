#include "widgets/GIFImage/core/LzwRaster.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qv {

static_assert(std::endian::native == std::endian::little,
              "the code reader and the string chunks assume a little-endian machine");

namespace {

std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store64(std::uint8_t* p, std::uint64_t v) {
    std::memcpy(p, &v, 8);
}

// Interlaced images come in four passes over the rows.
constexpr int kPassStart[4] = {0, 4, 2, 1};
constexpr int kPassStep[4] = {8, 8, 4, 2};

// Sets the mask bits of the first `count` pixels of a row that carry the transparent index.
void MaskRow(const std::uint8_t* row, std::uint8_t* mask, int count, std::uint8_t index) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        unsigned bits = 0;
        for (int b = 0; b < 8; ++b) {
            bits = bits << 1 | unsigned(row[x + b] == index);
        }
        mask[x >> 3] = std::uint8_t(bits);
    }
    if (x < count) {
        unsigned bits = 0;
        for (int b = 0; x + b < count; ++b) {
            bits |= unsigned(row[x + b] == index) << (7 - b);
        }
        mask[x >> 3] = std::uint8_t(bits);
    }
}

// The write position in the frame: row by row, or pass by pass when interlaced.
struct RowCursor {
    const RasterTarget& t;
    RasterProgress* progress;
    unsigned progressRowMask;
    std::uint8_t* rowPtr;
    int row = 0;
    int pass = 0;
    int col = 0;
    bool done = false;

    // The current row is full: mask it, report progress, move to the next row.
    void RowDone(std::size_t position) {
        if (t.mask) {
            MaskRow(rowPtr, t.mask + std::size_t(row) * t.maskStride, t.width, t.transparentIndex);
        }
        if (progress && (unsigned(row) & progressRowMask) == 0) {
            progress->RowDone(position);
        }
        if (t.interlaced) {
            row += kPassStep[pass];
            while (row >= t.height) {
                if (++pass == 4) {
                    done = true;
                    return;
                }
                row = kPassStart[pass];
            }
        } else if (++row >= t.height) {
            done = true;
            return;
        }
        col = 0;
        rowPtr = t.pixels + std::size_t(row) * t.pixelStride;
    }

    // The data ended inside the current row: what it gave is masked, the rest stays 0. A chunk
    // store reaches at most 7 bytes past the write position; those bytes are cleared again.
    void Finish() {
        std::memset(rowPtr + col, 0, std::size_t(std::min(8, t.width - col)));
        if (t.mask) {
            MaskRow(rowPtr, t.mask + std::size_t(row) * t.maskStride, col, t.transparentIndex);
        }
    }
};

} // namespace

std::size_t LzwDecoder::Decode(const std::uint8_t* data, std::size_t size, std::size_t pos,
                               const RasterTarget& target, RasterProgress* progress,
                               unsigned progressRowMask) {
    outcome_ = Outcome::ShortData;
    cutOff_ = true;
    if (pos >= size) {
        return size;
    }
    minCodeSize_ = data[pos++];
    const std::size_t start = pos;
    const std::size_t end = Gather(data, size, pos);
    if (target.width <= 0 || target.height <= 0) {
        outcome_ = Outcome::NoPixels;
    } else if (minCodeSize_ > kGifMaxMinCodeSize) {
        outcome_ = Outcome::BadCodeSize;
    } else {
        Place(target, progress, progressRowMask, start);
    }
    return end;
}

// Collects the sub-blocks up to the terminator (or the end of the data) into one stream, so the
// code reader needs no block bookkeeping beyond one comparison per code.
std::size_t LzwDecoder::Gather(const std::uint8_t* data, std::size_t size, std::size_t pos) {
    stream_.clear();
    blocks_.clear();
    std::uint64_t bits = 0;
    while (pos < size) {
        const std::size_t declared = data[pos++];
        if (declared == 0) {
            blocks_.push_back({bits, pos, true});
            cutOff_ = false;
            break;
        }
        const std::size_t n = std::min(declared, size - pos);
        stream_.insert(stream_.end(), data + pos, data + pos + n);
        pos += n;
        bits += 8 * n;
        blocks_.push_back({bits, pos, false});
    }
    stream_.insert(stream_.end(), 8, 0);
    return pos;
}

void LzwDecoder::Place(const RasterTarget& t, RasterProgress* progress, unsigned rowMask,
                       std::size_t startPos) {
    const int m = minCodeSize_;
    const int clear = 1 << m;
    const int endCode = clear + 1;
    for (int i = 0; i < clear; ++i) {
        chunk_[i] = std::uint8_t(i);
        prefix_[i] = 0;
        length_[i] = 0;
        first_[i] = std::uint8_t(i);
    }
    int next = clear + 2;
    int codeSize = m + 1;
    int limit = 2 * clear;
    int old = -1; // -1: the next code starts afresh, as after a clear code

    // The sub-block reader as the parse position sees it: a sub-block is taken in when the code
    // about to be read reaches the end of the bits taken in so far.
    const std::uint8_t* stream = stream_.data();
    std::uint64_t bit = 0;
    std::uint64_t bitsEnd = 0;
    std::size_t block = 0;
    bool dataEnded = false;
    std::size_t pos = startPos;
    auto takeBlock = [&] {
        if (block < blocks_.size()) {
            const Block& b = blocks_[block++];
            bitsEnd = b.bitsEnd;
            pos = b.posAfter;
            dataEnded = b.terminator;
        } else {
            dataEnded = true;
        }
    };
    takeBlock();

    RowCursor rows{t, progress, rowMask, t.pixels};
    const int width = t.width;
    for (;;) {
        if (bit + codeSize >= bitsEnd) {
            if (dataEnded) {
                break;
            }
            do {
                takeBlock();
            } while (bit + codeSize > bitsEnd && !dataEnded);
            if (bit + codeSize > bitsEnd) {
                break; // the data ends inside this code
            }
        }
        const int code = int(Load32(stream + (bit >> 3)) >> (bit & 7) & ((1u << codeSize) - 1));
        bit += codeSize;

        if (code == clear) {
            next = clear + 2;
            codeSize = m + 1;
            limit = 2 * clear;
            old = -1;
            continue;
        }
        if (code == endCode) {
            break;
        }
        if (old < 0) {
            if (code >= next) {
                outcome_ = Outcome::BadCode; // refers to no entry: corrupt data ends the frame
                break;
            }
        } else {
            if (code > next) {
                outcome_ = Outcome::BadCode; // beyond the entry being defined: the frame ends
                break;
            }
            if (next < kGifTableSize) {
                const std::uint8_t head = code < next ? first_[code] : first_[old];
                const int oldLength = length_[old] + 1;
                length_[next] = std::uint16_t(oldLength);
                first_[next] = first_[old];
                if (oldLength & 7) {
                    prefix_[next] = prefix_[old];
                    chunk_[next] = chunk_[old] | std::uint64_t(head) << (8 * (oldLength & 7));
                } else {
                    prefix_[next] = std::uint16_t(old);
                    chunk_[next] = head;
                }
                ++next;
                const int bump = int(next >= limit) & int(limit < kGifTableSize);
                codeSize += bump;
                limit <<= bump;
            }
        }
        old = code;

        // Emit the code's string, chunk by chunk from its end; every chunk but the last is full.
        const int lastIndex = length_[code];
        const int rounded = (lastIndex | 7) + 1;
        if (rows.col + rounded <= width) {
            std::uint8_t* out = rows.rowPtr + rows.col;
            int c = code;
            for (int q = lastIndex >> 3;; --q) {
                Store64(out + 8 * q, chunk_[c]);
                if (q == 0) {
                    break;
                }
                c = prefix_[c];
            }
            rows.col += lastIndex + 1;
            if (rows.col == width) {
                rows.RowDone(pos);
                if (rows.done) {
                    outcome_ = Outcome::Complete;
                    return;
                }
            }
        } else {
            int c = code;
            for (int q = lastIndex >> 3;; --q) {
                Store64(scratch_ + 8 * q, chunk_[c]);
                if (q == 0) {
                    break;
                }
                c = prefix_[c];
            }
            const std::uint8_t* src = scratch_;
            int left = lastIndex + 1;
            while (left > 0) {
                const int n = std::min(left, width - rows.col);
                std::memcpy(rows.rowPtr + rows.col, src, std::size_t(n));
                rows.col += n;
                src += n;
                left -= n;
                if (rows.col == width) {
                    rows.RowDone(pos);
                    if (rows.done) {
                        outcome_ = Outcome::Complete;
                        return;
                    }
                }
            }
        }
    }
    rows.Finish();
}

} // namespace qv
