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

} // namespace

// The write position in the frame: row by row, or pass by pass when interlaced.
struct LzwDecoder::RowCursor {
    const RasterTarget& t;
    RasterProgress* progress;
    unsigned progressRowMask;
    std::uint8_t* rowPtr;
    int width = t.width; // kept beside t: the hot path reads it for every code
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

// What the code reader needs of the table: the code size, the next entry to define, and the
// previous code, whose string the next entry extends (-1 right after a clear code).
struct LzwDecoder::Coding {
    explicit Coding(int minCodeSize) : clear(1 << minCodeSize), minCodeSize(minCodeSize) {
        Restart();
    }
    void Restart() {
        next = clear + 2;
        size = minCodeSize + 1;
        limit = 2 * clear;
        old = -1;
    }
    // One more entry is defined; the code size grows when the next one needs another bit.
    void Defined() {
        ++next;
        const int bump = int(next >= limit) & int(limit < kGifTableSize);
        size += bump;
        limit <<= bump;
    }

    const int clear;
    const int minCodeSize;
    int next = 0, size = 0, limit = 0, old = -1;
};

// The sub-block reader as the parse position sees it: a sub-block is taken in when the code about
// to be read reaches the end of the bits taken in so far.
class LzwDecoder::CodeReader {
public:
    CodeReader(const std::vector<std::uint8_t>& stream, const std::vector<Block>& blocks,
               std::size_t startPos)
        : stream_(stream.data()), blocks_(blocks), pos_(startPos) {
        TakeBlock();
    }

    // The next code of `size` bits; false when the data ends before it.
    bool Next(int size, int& code) {
        if (bit_ + std::uint64_t(size) >= bitsEnd_ && !TakeBlocksFor(size)) {
            return false;
        }
        code = int(Load32(stream_ + (bit_ >> 3)) >> (bit_ & 7) & ((1u << size) - 1));
        bit_ += std::uint64_t(size);
        return true;
    }
    // The parse position behind the sub-blocks taken in so far.
    std::size_t Position() const { return pos_; }

private:
    void TakeBlock() {
        if (block_ < blocks_.size()) {
            const Block& b = blocks_[block_++];
            bitsEnd_ = b.bitsEnd;
            pos_ = b.posAfter;
            dataEnded_ = b.terminator;
        } else {
            dataEnded_ = true;
        }
    }
    bool TakeBlocksFor(int size) {
        if (dataEnded_) {
            return false;
        }
        do {
            TakeBlock();
        } while (bit_ + std::uint64_t(size) > bitsEnd_ && !dataEnded_);
        return bit_ + std::uint64_t(size) <= bitsEnd_; // else the data ends inside this code
    }

    const std::uint8_t* stream_;
    const std::vector<Block>& blocks_;
    std::size_t block_ = 0;
    std::uint64_t bit_ = 0;
    std::uint64_t bitsEnd_ = 0;
    std::size_t pos_;
    bool dataEnded_ = false;
};

// The steps below are inline so that they all fold into this loop: the row cursor, the code
// reader and the coding state then stay in registers, as in one hand-written loop.
void LzwDecoder::Place(const RasterTarget& t, RasterProgress* progress, unsigned rowMask,
                       std::size_t startPos) {
    Coding coding(minCodeSize_);
    const int endCode = coding.clear + 1;
    ResetRoots(coding.clear);
    CodeReader codes(stream_, blocks_, startPos);
    RowCursor rows{t, progress, rowMask, t.pixels};
    int code = 0;
    while (codes.Next(coding.size, code)) {
        if (code == coding.clear) {
            coding.Restart();
            continue;
        }
        if (code == endCode) {
            break;
        }
        if (!AddString(code, coding)) {
            outcome_ = Outcome::BadCode; // corrupt data ends the frame
            break;
        }
        if (WriteString(code, rows, codes.Position())) {
            outcome_ = Outcome::Complete;
            return;
        }
    }
    rows.Finish();
}

// The one-byte strings below the clear code.
void LzwDecoder::ResetRoots(int clear) {
    for (int i = 0; i < clear; ++i) {
        chunk_[i] = std::uint8_t(i);
        prefix_[i] = 0;
        length_[i] = 0;
        first_[i] = std::uint8_t(i);
    }
}

// Checks the code against the table and, unless it is the first since a clear code, defines the
// next entry: the previous code's string followed by the first byte of this code's string (of
// the previous string when the code is the entry being defined). False when the code names no
// entry.
inline bool LzwDecoder::AddString(int code, Coding& c) {
    if (c.old < 0) {
        if (code >= c.next) {
            return false;
        }
    } else {
        if (code > c.next) {
            return false;
        }
        if (c.next < kGifTableSize) {
            const int old = c.old;
            const int next = c.next;
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
            c.Defined();
        }
    }
    c.old = code;
    return true;
}

// Writes the code's string at the write position, chunk by chunk from its end (every chunk but
// the last is full). True once the frame is full.
inline bool LzwDecoder::WriteString(int code, RowCursor& rows, std::size_t pos) {
    const int lastIndex = length_[code];
    if (rows.col + ((lastIndex | 7) + 1) > rows.width) {
        return WriteStringAcrossRows(code, rows, pos);
    }
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
    if (rows.col == rows.width) {
        rows.RowDone(pos);
    }
    return rows.done;
}

// A string whose chunks would reach past the row's end: it is built in scratch_ and copied row by
// row.
inline bool LzwDecoder::WriteStringAcrossRows(int code, RowCursor& rows, std::size_t pos) {
    const int lastIndex = length_[code];
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
        const int n = std::min(left, rows.width - rows.col);
        std::memcpy(rows.rowPtr + rows.col, src, std::size_t(n));
        rows.col += n;
        src += n;
        left -= n;
        if (rows.col == rows.width) {
            rows.RowDone(pos);
            if (rows.done) {
                return true;
            }
        }
    }
    return false;
}

} // namespace qv
