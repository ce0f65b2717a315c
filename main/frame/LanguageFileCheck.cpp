#include "main/frame/LanguageFileCheck.h"

#include <cstdint>
#include <cstring>

namespace {

// The signature that opens every compiled translation file.
constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Block tags of the file.
enum Block : uint8_t {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kNumerusRules = 0x88,
    kDependencies = 0x96,
    kLanguage = 0xa7,
};

// Tags of a message record.
enum RecordTag : uint8_t {
    kEnd = 1,
    kTranslation = 3,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

// The length of a message that has no translation.
constexpr uint32_t kNoTranslation = 0xFFFFFFFF;

// The numerus rules of any language take a few bytes.
constexpr uint32_t kMaxNumerusRules = 256;

// A block of the file: where it starts and how long it is.
struct Span {
    const unsigned char* p = nullptr;
    uint32_t n = 0;
    bool bPresent = false;
};

uint32_t Read32(const unsigned char* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint16_t Read16(const unsigned char* p)
{
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

bool Fail(QString* pstrReason, const char* reason)
{
    if (pstrReason != nullptr)
        *pstrReason = QString::fromLatin1(reason);
    return false;
}

// The message record at offset nAt of the messages block ends with its end mark, and each
// of its fields lies inside the block.
bool IsSoundRecord(const Span& messages, uint32_t nAt)
{
    uint32_t i = nAt;
    for (;;) {
        if (i >= messages.n)
            return false;
        const uint8_t tag = messages.p[i++];
        if (tag == kEnd)
            return true;
        if (tag != kTranslation && tag != kObsolete1 && tag != kSourceText && tag != kContext &&
            tag != kComment)
            return false;
        if (messages.n - i < 4)
            return false;
        const uint32_t nLength = Read32(messages.p + i);
        i += 4;
        if (tag == kObsolete1)
            continue;
        // No translation: the lookup steps back onto the length's last byte, which is no
        // tag, and gives up there.
        if (tag == kTranslation && nLength == kNoTranslation)
            return true;
        // A translation is UTF-16; the lookup reads it as such, from its length.
        if (nLength > messages.n - i || (tag == kTranslation && nLength % 2 != 0))
            return false;
        i += nLength;
    }
}

// The context table: a bucket count, the buckets (offsets in 16-bit units past them), and
// chains of names (a length byte, the bytes), each chain ended by a zero length.
bool IsSoundContexts(const Span& contexts)
{
    if (contexts.n < 2)
        return false;
    const uint32_t nBuckets = Read16(contexts.p);
    const uint32_t nNames = 2 + 2 * nBuckets;
    if (nBuckets == 0 || contexts.n < nNames)
        return false;
    for (uint32_t b = 0; b < nBuckets; ++b) {
        const uint32_t nOffset = Read16(contexts.p + 2 + 2 * b);
        if (nOffset == 0)
            continue;
        uint32_t i = nNames + 2 * nOffset;
        for (;;) {
            if (i >= contexts.n)
                return false;
            const uint32_t nLength = contexts.p[i++];
            if (nLength == 0)
                break;
            if (nLength > contexts.n - i)
                return false;
            i += nLength;
        }
    }
    return true;
}

// The hash table: sorted (hash, offset) pairs, each offset leading to a sound record.
bool IsSoundHashes(const Span& hashes, const Span& messages)
{
    if (hashes.n == 0 || hashes.n % 8 != 0)
        return false;
    uint32_t nPrevious = 0;
    for (uint32_t i = 0; i < hashes.n; i += 8) {
        const uint32_t nHash = Read32(hashes.p + i);
        if (nHash < nPrevious || !IsSoundRecord(messages, Read32(hashes.p + i + 4)))
            return false;
        nPrevious = nHash;
    }
    return true;
}

}  // namespace

bool CLanguageFileCheck::IsSound(const QByteArray& data, QString* pstrReason)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const size_t nSize = static_cast<size_t>(data.size());
    if (nSize < sizeof kMagic || std::memcmp(p, kMagic, sizeof kMagic) != 0)
        return Fail(pstrReason, "not a translation file");

    Span contexts, hashes, messages, numerus, language;
    size_t i = sizeof kMagic;
    while (i < nSize) {
        if (nSize - i < 5)
            return Fail(pstrReason, "a block is cut short");
        const uint8_t tag = p[i];
        const uint32_t nLength = Read32(p + i + 1);
        i += 5;
        if (nLength > nSize - i)
            return Fail(pstrReason, "a block runs past the end of the file");
        Span* pSpan = nullptr;
        switch (tag) {
            case kContexts:
                pSpan = &contexts;
                break;
            case kHashes:
                pSpan = &hashes;
                break;
            case kMessages:
                pSpan = &messages;
                break;
            case kNumerusRules:
                pSpan = &numerus;
                break;
            case kLanguage:
                pSpan = &language;
                break;
            case kDependencies:
                return Fail(pstrReason, "the file depends on other translation files");
            default:
                return Fail(pstrReason, "an unknown block");
        }
        // The loader stops at an empty block and takes the last of two: neither is ours.
        if (pSpan->bPresent || nLength == 0)
            return Fail(pstrReason, "an empty or repeated block");
        *pSpan = Span{p + i, nLength, true};
        i += nLength;
    }

    if (!hashes.bPresent || !messages.bPresent)
        return Fail(pstrReason, "no messages");
    if (contexts.bPresent && !IsSoundContexts(contexts))
        return Fail(pstrReason, "a damaged context table");
    if (!IsSoundHashes(hashes, messages))
        return Fail(pstrReason, "a damaged message table");
    if (numerus.n > kMaxNumerusRules)
        return Fail(pstrReason, "damaged plural rules");
    return true;
}
