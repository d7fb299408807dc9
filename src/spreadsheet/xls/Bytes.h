#pragma once
// Little-endian byte helpers shared by the compound-file and record codecs.

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "spreadsheet/xls/XlsFile.h"

namespace morvessa::sheet::xls {

inline void PutU8(std::vector<uint8_t>& out, uint8_t v)
{
    out.push_back(v);
}
inline void PutU16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutF64(std::vector<uint8_t>& out, double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}
inline void SetU16(std::vector<uint8_t>& out, size_t at, uint16_t v)
{
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void SetU32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline uint16_t GetU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t GetU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The standard message prefix of every read failure.
[[noreturn]] inline void FailInvalid(const std::string& why)
{
    throw XlsError("The file is not a valid workbook: " + why);
}

// Bounds-checked sequential reader over one block of bytes; every read past the end
// fails with XlsError naming what was being read.
class ByteReader {
public:
    ByteReader(std::span<const uint8_t> data, const char* what) : data_(data), what_(what) {}

    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

    uint8_t U8()
    {
        Need(1);
        return data_[pos_++];
    }
    uint16_t U16()
    {
        Need(2);
        uint16_t v = GetU16(&data_[pos_]);
        pos_ += 2;
        return v;
    }
    uint32_t U32()
    {
        Need(4);
        uint32_t v = GetU32(&data_[pos_]);
        pos_ += 4;
        return v;
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    double F64()
    {
        Need(8);
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = (bits << 8) | data_[pos_ + i];
        pos_ += 8;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    void Skip(size_t n)
    {
        Need(n);
        pos_ += n;
    }
    std::span<const uint8_t> Bytes(size_t n)
    {
        Need(n);
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    void Need(size_t n) const
    {
        if (n > data_.size() - pos_)
            FailInvalid(std::string("a ") + what_ + " record is too short.");
    }

    std::span<const uint8_t> data_;
    const char* what_;
    size_t pos_ = 0;
};

}  // namespace morvessa::sheet::xls
