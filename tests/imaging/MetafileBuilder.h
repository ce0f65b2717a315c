#pragma once

// Placeable WMF files built record by record, for the decoder tests and for documents that
// hold a metafile.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace metafiletest {

class Bytes {
public:
    void U16(uint32_t v)
    {
        m_Data.push_back(static_cast<uint8_t>(v));
        m_Data.push_back(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void SetU32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            m_Data[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    }
    size_t Size() const { return m_Data.size(); }
    const std::vector<uint8_t>& Data() const { return m_Data; }

private:
    std::vector<uint8_t> m_Data;
};

inline uint32_t ColorRef(uint8_t r, uint8_t g, uint8_t b)
{
    return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16;
}

// A placeable WMF of width x height units at 96 units an inch, so one unit is one pixel at
// 96 dpi, with one rectangle filled in colour and no outline.
inline std::vector<uint8_t> MakeWmf(int width, int height, int left, int top, int right, int bottom,
                                    uint32_t color, bool placeableHeader = true, const char* text = nullptr)
{
    Bytes placeable;
    placeable.U32(0x9AC6CDD7);
    placeable.U16(0);
    for (const int v : {0, 0, width, height}) {
        placeable.U16(static_cast<uint16_t>(v));
    }
    placeable.U16(96);
    placeable.U32(0);
    uint16_t checksum = 0;
    for (size_t i = 0; i < 20; i += 2) {
        checksum ^= static_cast<uint16_t>(placeable.Data()[i] | placeable.Data()[i + 1] << 8);
    }
    placeable.U16(checksum);

    Bytes records;
    size_t largest = 0;
    auto record = [&records, &largest](uint16_t function, std::initializer_list<uint16_t> words) {
        largest = std::max(largest, 3 + words.size());
        records.U32(static_cast<uint32_t>(3 + words.size()));
        records.U16(function);
        for (const uint16_t w : words) {
            records.U16(w);
        }
    };
    record(0x020B, {0, 0});                                                   // SETWINDOWORG y, x
    record(0x020C, {uint16_t(height), uint16_t(width)});                      // SETWINDOWEXT y, x
    record(0x02FC, {0, uint16_t(color & 0xFFFF), uint16_t(color >> 16), 0});  // CREATEBRUSHINDIRECT solid
    record(0x012D, {0});                                                      // SELECTOBJECT brush
    record(0x02FA, {5, 0, 0, 0, 0});                                          // CREATEPENINDIRECT null pen
    record(0x012D, {1});                                                      // SELECTOBJECT pen
    record(0x041B, {uint16_t(bottom), uint16_t(right), uint16_t(top), uint16_t(left)});  // RECTANGLE
    if (text) {
        std::vector<uint16_t> words{static_cast<uint16_t>(std::strlen(text))};
        for (size_t i = 0; text[i]; i += 2) {
            words.push_back(
                static_cast<uint16_t>(uint8_t(text[i]) | (text[i + 1] ? uint8_t(text[i + 1]) << 8 : 0)));
            if (!text[i + 1]) {
                break;
            }
        }
        words.push_back(uint16_t(top + 5));  // y, then x
        words.push_back(uint16_t(left + 5));
        largest = std::max(largest, 3 + words.size());
        records.U32(static_cast<uint32_t>(3 + words.size()));
        records.U16(0x0521);  // TEXTOUT, in the default font
        for (const uint16_t w : words) {
            records.U16(w);
        }
    }
    record(0x0000, {});  // EOF

    Bytes header;
    header.U16(1);       // in memory
    header.U16(9);       // header words
    header.U16(0x0300);  // version
    header.U32(static_cast<uint32_t>((18 + records.Size()) / 2));
    header.U16(2);                               // objects
    header.U32(static_cast<uint32_t>(largest));  // words
    header.U16(0);

    std::vector<uint8_t> file = placeableHeader ? placeable.Data() : std::vector<uint8_t>();
    file.insert(file.end(), header.Data().begin(), header.Data().end());
    file.insert(file.end(), records.Data().begin(), records.Data().end());
    return file;
}

}  // namespace metafiletest
