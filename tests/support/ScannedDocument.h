#pragma once

#include <cstring>
#include <string>

// Whether the bytes of a document file hold a scanned picture as the program embeds one:
// the name "Scanned graphic" (a one-byte length, then the text), the length of the picture
// file, then a Windows BMP file ("BM") of that length.
inline bool EmbedsScannedBmp(const std::string& strBytes)
{
    const std::string strName = "\x0FScanned graphic";
    const size_t nAt = strBytes.find(strName);
    if (nAt == std::string::npos || nAt + strName.size() + 6 > strBytes.size())
        return false;
    const size_t nLengthAt = nAt + strName.size();
    uint32_t nLength = 0;
    std::memcpy(&nLength, strBytes.data() + nLengthAt, 4);  // little-endian, as on x86
    return strBytes.compare(nLengthAt + 4, 2, "BM") == 0 && nLengthAt + 4 + nLength <= strBytes.size();
}
