#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Archive.h"

using Bytes = std::vector<uint8_t>;

// Runs write on a storing archive and returns the bytes it wrote.
template <class Write>
Bytes Store(Write write)
{
    std::ostringstream out;
    CArchive ar(out);
    write(ar);
    const std::string s = out.str();
    EXPECT_EQ(ar.BytesWritten(), s.size());
    return Bytes(s.begin(), s.end());
}

inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

inline Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

inline Bytes Word(uint16_t v)
{
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
}

inline Bytes Dword(uint32_t v)
{
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

// The tag of a new class: 0xFFFF, schema, name length, name.
inline Bytes NewClass(const std::string& name, uint16_t schema = 1)
{
    return Cat({Word(0xFFFF), Word(schema), Word(static_cast<uint16_t>(name.size())), Text(name)});
}
