#pragma once
// A plain, step-by-step model of the raster decoder for comparison: the LZW variant with a pixel
// stack and a block buffer that carries two bytes between sub-blocks, placing one pixel at a
// time. It follows the product's rules for corrupt data (a code beyond the next free entry ends
// the frame; a code that the data cuts off gives nothing; a sub-block running past the end of
// the data ends it there), so the two can be compared on any input.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qvtest {

struct ReferenceResult {
    std::vector<std::uint8_t> pixels;    // stride (width rounded to 4) x height
    std::vector<std::uint8_t> mask;      // ((width + 31) / 32 * 4) x height, when transparent
    std::vector<std::size_t> rowReports; // parse position at each reported row
    std::size_t end = 0;                 // parse position behind the image data
};

class ReferenceRaster {
public:
    ReferenceRaster(const std::vector<std::uint8_t>& data, std::size_t pos) : d_(data), pos_(pos) {}

    ReferenceResult Run(int width, int height, bool interlaced, bool transparent,
                        std::uint8_t transparentIndex, unsigned rowMask) {
        ReferenceResult r;
        const std::size_t stride = std::size_t(width + 3) / 4 * 4;
        const std::size_t maskStride = std::size_t(width + 31) / 32 * 4;
        r.pixels.assign(stride * std::size_t(height), 0);
        if (transparent) {
            r.mask.assign(maskStride * std::size_t(height), 0);
        }
        if (pos_ >= d_.size()) {
            r.end = d_.size();
            return r;
        }
        m_ = d_[pos_++];
        if (m_ > 11 || width == 0 || height == 0) {
            SkipToTerminator();
            r.end = pos_;
            return r;
        }
        clear_ = 1 << m_;
        Reset();
        // Prime the block buffer.
        lastCount_ = ReadSubBlock(buf_);
        bitLimit_ = 8 * lastCount_;
        endOfData_ = lastCount_ == 0;

        int row = 0, pass = 0, col = 0;
        const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
        int v = FirstPixel();
        while (v >= 0) {
            r.pixels[std::size_t(row) * stride + std::size_t(col)] = std::uint8_t(v);
            if (transparent && std::uint8_t(v) == transparentIndex) {
                r.mask[std::size_t(row) * maskStride + std::size_t(col) / 8] |=
                    std::uint8_t(0x80 >> (col % 8));
            }
            if (++col == width) {
                if ((unsigned(row) & rowMask) == 0) {
                    r.rowReports.push_back(pos_);
                }
                col = 0;
                bool done = false;
                if (interlaced) {
                    row += step[pass];
                    while (row >= height && !done) {
                        if (++pass == 4) {
                            done = true;
                        } else {
                            row = start[pass];
                        }
                    }
                } else {
                    done = ++row >= height;
                }
                if (done) {
                    break;
                }
            }
            v = NextPixel();
        }
        // The rest of the codes would be read and dropped, which ends behind the terminator (or
        // at the end of the data) in every case; skipping there directly is the same and quick.
        if (!terminatorSeen_) {
            SkipToTerminator();
        }
        r.end = pos_;
        return r;
    }

private:
    int ReadSubBlock(std::uint8_t* to) {
        if (pos_ >= d_.size()) {
            terminatorSeen_ = true;
            return 0;
        }
        int length = d_[pos_++];
        terminatorSeen_ = length == 0;
        const std::size_t available = d_.size() - pos_;
        if (std::size_t(length) > available) {
            length = int(available);
        }
        for (int i = 0; i < length; ++i) {
            to[i] = d_[pos_++];
        }
        return length;
    }
    void SkipToTerminator() {
        std::uint8_t scratch[256];
        while (pos_ < d_.size() && ReadSubBlock(scratch) > 0) {
        }
    }
    void Reset() {
        for (int i = 0; i < 4096; ++i) {
            prefix_[i] = 0;
            suffix_[i] = std::uint16_t(i < clear_ ? i : 0);
        }
        sp_ = 0;
        codeSize_ = m_ + 1;
        limit_ = 2 * clear_;
        next_ = clear_ + 2;
    }
    int ReadCode() {
        if (bitPos_ + codeSize_ >= bitLimit_) {
            if (endOfData_) {
                return -1;
            }
            do {
                const std::uint8_t a = lastCount_ >= 2 ? buf_[lastCount_ - 2] : 0;
                const std::uint8_t b = lastCount_ >= 1 ? buf_[lastCount_ - 1] : 0;
                buf_[0] = a;
                buf_[1] = b;
                const int n = ReadSubBlock(buf_ + 2);
                endOfData_ = n == 0;
                lastCount_ = n + 2;
                bitPos_ = bitPos_ - bitLimit_ + 16;
                bitLimit_ = 8 * (n + 2);
            } while (bitPos_ + codeSize_ > bitLimit_ && !endOfData_);
            if (bitPos_ + codeSize_ > bitLimit_) {
                return -1;
            }
        }
        int code = 0;
        for (int i = 0; i < codeSize_; ++i) {
            const int bit = bitPos_ + i;
            code |= (buf_[bit / 8] >> (bit % 8) & 1) << i;
        }
        bitPos_ += codeSize_;
        return code;
    }
    int EndCode() {
        if (!terminatorSeen_) {
            SkipToTerminator();
        }
        return -2;
    }
    // The first code after a clear code (or of the frame).
    int FirstPixel() {
        int c = ReadCode();
        while (c == clear_) {
            Reset();
            c = ReadCode();
        }
        if (c == clear_ + 1) {
            return EndCode();
        }
        if (c < 0 || c >= next_) {
            return -1;
        }
        first_ = old_ = c;
        return c;
    }
    int NextPixel() {
        if (sp_ > 0) {
            return std::uint8_t(stack_[--sp_]);
        }
        int c = ReadCode();
        if (c < 0) {
            return c;
        }
        if (c == clear_) {
            Reset();
            return FirstPixel();
        }
        if (c == clear_ + 1) {
            return EndCode();
        }
        if (c > next_) {
            return -1;
        }
        const int incoming = c;
        if (c == next_) {
            stack_[sp_++] = std::uint16_t(first_);
            c = old_;
        }
        while (c >= clear_) {
            stack_[sp_++] = suffix_[c];
            c = prefix_[c];
        }
        first_ = suffix_[c];
        stack_[sp_++] = std::uint16_t(first_);
        if (next_ < 4096) {
            prefix_[next_] = std::uint16_t(old_);
            suffix_[next_] = std::uint16_t(first_);
            ++next_;
            if (next_ >= limit_ && limit_ < 4096) {
                limit_ *= 2;
                ++codeSize_;
            }
        }
        old_ = incoming;
        return std::uint8_t(stack_[--sp_]);
    }

    const std::vector<std::uint8_t>& d_;
    std::size_t pos_;
    int m_ = 0, clear_ = 0, codeSize_ = 0, limit_ = 0, next_ = 0, first_ = 0, old_ = 0;
    std::uint16_t prefix_[4096], suffix_[4096], stack_[4097];
    int sp_ = 0;
    std::uint8_t buf_[2 + 255] = {};
    int lastCount_ = 0, bitPos_ = 0, bitLimit_ = 0;
    bool endOfData_ = false, terminatorSeen_ = false;
};

} // namespace qvtest
