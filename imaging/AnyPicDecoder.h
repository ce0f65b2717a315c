#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/PdfDecoder.h"

class PLBmp;

// Detects the format of an image file and decodes it with the matching decoder.
// Metafiles are recognised by the extension of the file's name (".wmf", ".emf", any case),
// everything else by content.
class PLAnyPicDecoder {
public:
    enum class Format {
        Unknown,
        WMF,
        EMF,
        BMP,
        TGA,
        TIFF,
        GIF,
        PICT,
        JPEG,
        PNG,
        EPSTIFF,
        PCX,
        PGM,
        PPM,
        PSD,
        PDF
    };

    // Detection by the rules in their order; Unknown when nothing matches.
    static Format Detect(const std::string& fileName, const uint8_t* data, size_t size);
    static const char* FormatName(Format format);
    // The file name extensions of a format, lower case without the dot ("jpg", "jpeg", "jpe").
    static std::vector<std::string> FormatExtensions(Format format);
    // The extensions of every format decoded here, each once, in the order of Format.
    static std::vector<std::string> FileExtensions();

    // Reads the file and decodes it; raises PLTextException ("Failed to open given file",
    // "Unknown file type.", or the decoder's own message).
    void MakeBmpFromFile(const std::string& path, PLBmp& bmp);
    // Same from bytes in memory; fileName serves only the metafile rule.
    void MakeBmpFromMemory(const std::string& fileName, const uint8_t* data, size_t size, PLBmp& bmp);

    Format GetLastFormat() const { return m_LastFormat; }
    // Whether the last picture decoded came whole: false for a PDF page that poppler drew
    // while complaining about its content.
    bool WasComplete() const { return m_bComplete; }

    // The page (from 1) and the resolution at which a PDF file is drawn; other formats
    // ignore them.
    void SetPdfPage(int page, int dpi)
    {
        m_nPdfPage = page;
        m_nPdfDpi = dpi;
    }

private:
    Format m_LastFormat = Format::Unknown;
    bool m_bComplete = true;
    int m_nPdfPage = PLPdfDecoder::kDefaultPage;
    int m_nPdfDpi = PLPdfDecoder::kDefaultDpi;
};
