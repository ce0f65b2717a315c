#include "imaging/AnyPicDecoder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "imaging/Bmp.h"
#include "imaging/BmpDecoder.h"
#include "imaging/EmfDecoder.h"
#include "imaging/EpsTiffDecoder.h"
#include "imaging/GifDecoder.h"
#include "imaging/JpegDecoder.h"
#include "imaging/PcxDecoder.h"
#include "imaging/PgmDecoder.h"
#include "imaging/PictDecoder.h"
#include "imaging/PngDecoder.h"
#include "imaging/PpmDecoder.h"
#include "imaging/PsdDecoder.h"
#include "imaging/TextException.h"
#include "imaging/TgaDecoder.h"
#include "imaging/TiffDecoder.h"
#include "imaging/WmfDecoder.h"
#include "platform/InputFileError.h"
#include "platform/MappedFile.h"

namespace {

// The header bytes, with -1 past the end of the data so that short files match nothing.
class Header {
public:
    Header(const uint8_t* data, size_t size) : m_pData(data), m_nSize(size) {}

    int At(size_t i) const { return i < m_nSize ? m_pData[i] : -1; }
    size_t Size() const { return m_nSize; }

    bool Starts(const char* text, size_t at = 0) const
    {
        return Matches(reinterpret_cast<const uint8_t*>(text), std::strlen(text), at);
    }
    bool Matches(std::initializer_list<uint8_t> bytes, size_t at = 0) const
    {
        return Matches(bytes.begin(), bytes.size(), at);
    }

private:
    bool Matches(const uint8_t* bytes, size_t count, size_t at) const
    {
        return at <= m_nSize && count <= m_nSize - at && std::memcmp(m_pData + at, bytes, count) == 0;
    }

    const uint8_t* m_pData;
    size_t m_nSize;
};

bool IsTarga(const Header& h)
{
    const int type = h.At(2);
    const int mapDepth = h.At(7);
    const int depth = h.At(16);
    return h.At(1) >= 0 && h.At(1) < 2 && ((type >= 0 && type <= 3) || (type >= 9 && type <= 11)) &&
           (mapDepth == 0 || mapDepth == 8 || mapDepth == 15 || mapDepth == 16 || mapDepth == 24 ||
            mapDepth == 32) &&
           (depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32);
}

// A PICT file starts with a 512-byte header that applications leave free; the picture's
// version opcode follows its size and frame (10 bytes) at offset 522.
bool IsPict(const Header& h)
{
    return h.Size() > 540 && (h.Matches({0x00, 0x11, 0x02, 0xFF}, 522) ||
                              h.Matches({0x00, 0x11, 0x01}, 522) || h.Matches({0x11, 0x01, 0x01, 0x00}, 522));
}

// The last extension of the file's own name, upper-cased: "WMF" for "C:\Graphs\a.b.wmf",
// "" for "proj.wmf-exports/graph" (document files written on Windows keep backslashes).
std::string UpperExtension(const std::string& path)
{
    const size_t nameStart = path.find_last_of("/\\");
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
        return std::string();
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

std::unique_ptr<PLPicDecoder> MakeDecoder(PLAnyPicDecoder::Format format, int pdfPage, int pdfDpi)
{
    using Format = PLAnyPicDecoder::Format;
    switch (format) {
        case Format::WMF:
            return std::make_unique<PLWmfDecoder>();
        case Format::EMF:
            return std::make_unique<PLEmfDecoder>();
        case Format::BMP:
            return std::make_unique<PLBmpDecoder>();
        case Format::TGA:
            return std::make_unique<PLTgaDecoder>();
        case Format::TIFF:
            return std::make_unique<PLTiffDecoder>();
        case Format::GIF:
            return std::make_unique<PLGifDecoder>();
        case Format::PICT:
            return std::make_unique<PLPictDecoder>();
        case Format::JPEG:
            return std::make_unique<PLJpegDecoder>();
        case Format::PNG:
            return std::make_unique<PLPngDecoder>();
        case Format::EPSTIFF:
            return std::make_unique<PLEpsTiffDecoder>();
        case Format::PCX:
            return std::make_unique<PLPcxDecoder>();
        case Format::PGM:
            return std::make_unique<PLPgmDecoder>();
        case Format::PPM:
            return std::make_unique<PLPpmDecoder>();
        case Format::PSD:
            return std::make_unique<PLPsdDecoder>();
        case Format::PDF:
            return std::make_unique<PLPdfDecoder>(pdfPage, pdfDpi);
        case Format::Unknown:
            break;
    }
    return nullptr;
}

}  // namespace

PLAnyPicDecoder::Format PLAnyPicDecoder::Detect(const std::string& fileName, const uint8_t* data, size_t size)
{
    const std::string extension = UpperExtension(fileName);
    if (extension == "WMF") {
        return Format::WMF;
    }
    if (extension == "EMF") {
        return Format::EMF;
    }
    if (!data) {
        size = 0;
    }
    const Header h(data, size);
    if (h.Starts("BA") || h.Starts("IC") || h.Starts("CI") || h.Starts("BM") || h.Starts("CP")) {
        return Format::BMP;
    }
    if (IsTarga(h)) {
        return Format::TGA;
    }
    if (h.Matches({0x49, 0x49, 0x2A, 0x00}) || h.Matches({0x4D, 0x4D, 0x00, 0x2A})) {
        return Format::TIFF;
    }
    if (h.Starts("GIF8")) {
        return Format::GIF;
    }
    if (IsPict(h)) {
        return Format::PICT;
    }
    if (h.Matches({0xFF, 0xD8, 0xFF})) {
        return Format::JPEG;
    }
    if (h.Matches({0x89, 'P', 'N', 'G'})) {
        return Format::PNG;
    }
    if (PLEpsTiffDecoder::HasTiffPreview(data, size)) {
        return Format::EPSTIFF;
    }
    if (h.At(0) == 0x0A && h.At(2) == 1) {
        return Format::PCX;
    }
    if (h.Starts("P2") || h.Starts("P5")) {
        return Format::PGM;
    }
    if (h.Starts("P3") || h.Starts("P6")) {
        return Format::PPM;
    }
    if (h.Starts("8BPS")) {
        return Format::PSD;
    }
    if (h.Starts("%PDF-")) {
        return Format::PDF;
    }
    return Format::Unknown;
}

const char* PLAnyPicDecoder::FormatName(Format format)
{
    switch (format) {
        case Format::WMF:
            return "WMF";
        case Format::EMF:
            return "EMF";
        case Format::BMP:
            return "BMP";
        case Format::TGA:
            return "TGA";
        case Format::TIFF:
            return "TIFF";
        case Format::GIF:
            return "GIF";
        case Format::PICT:
            return "PICT";
        case Format::JPEG:
            return "JPEG";
        case Format::PNG:
            return "PNG";
        case Format::EPSTIFF:
            return "EPS";
        case Format::PCX:
            return "PCX";
        case Format::PGM:
            return "PGM";
        case Format::PPM:
            return "PPM";
        case Format::PSD:
            return "PSD";
        case Format::PDF:
            return "PDF";
        case Format::Unknown:
            break;
    }
    return "Unknown";
}

std::vector<std::string> PLAnyPicDecoder::FormatExtensions(Format format)
{
    switch (format) {
        case Format::WMF:
            return {"wmf"};
        case Format::EMF:
            return {"emf"};
        case Format::BMP:
            return {"bmp", "dib"};
        case Format::TGA:
            return {"tga"};
        case Format::TIFF:
            return {"tif", "tiff"};
        case Format::GIF:
            return {"gif"};
        case Format::PICT:
            return {"pic", "pct", "pict"};
        case Format::JPEG:
            return {"jpg", "jpeg", "jpe"};
        case Format::PNG:
            return {"png"};
        case Format::EPSTIFF:
            return {"eps"};
        case Format::PCX:
            return {"pcx"};
        case Format::PGM:
            return {"pgm", "pnm"};
        case Format::PPM:
            return {"ppm", "pnm"};
        case Format::PSD:
            return {"psd"};
        case Format::PDF:
            return {"pdf"};
        case Format::Unknown:
            break;
    }
    return {};
}

std::vector<std::string> PLAnyPicDecoder::FileExtensions()
{
    std::vector<std::string> extensions;
    for (int n = static_cast<int>(Format::Unknown) + 1; n <= static_cast<int>(Format::PDF); ++n) {
        for (const std::string& extension : FormatExtensions(static_cast<Format>(n))) {
            if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
                extensions.push_back(extension);
        }
    }
    return extensions;
}

void PLAnyPicDecoder::MakeBmpFromFile(const std::string& path, PLBmp& bmp)
{
    std::unique_ptr<CMappedFile> pFile;
    try {
        pFile = std::make_unique<CMappedFile>(path);
    } catch (const CInputFileError& e) {
        switch (e.GetReason()) {
            case CInputFileError::Reason::CannotOpen:
                throw PLTextException(PL_ERRFILE_NOT_FOUND, e.what());
            case CInputFileError::Reason::NotRegular:
                throw PLTextException(PL_ERRFORMAT_NOT_SUPPORTED, e.what());
            case CInputFileError::Reason::TooLarge:
                break;
        }
        throw PLTextException(PL_ERRNO_MEMORY, e.what());
    }
    MakeBmpFromMemory(path, pFile->GetData(), pFile->GetSize(), bmp);
}

void PLAnyPicDecoder::MakeBmpFromMemory(const std::string& fileName, const uint8_t* data, size_t size,
                                        PLBmp& bmp)
{
    m_LastFormat = Detect(fileName, data, size);
    std::unique_ptr<PLPicDecoder> decoder = MakeDecoder(m_LastFormat, m_nPdfPage, m_nPdfDpi);
    if (!decoder) {
        throw PLTextException(PL_ERRFORMAT_UNKNOWN, "Unknown file type.");
    }
    m_bComplete = true;
    decoder->Decode(data, size, bmp);
    m_bComplete = decoder->WasComplete();
}
