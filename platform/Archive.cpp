#include "platform/Archive.h"

#include <cstring>
#include <utility>
#include <ostream>

#include "platform/Object.h"

namespace {

constexpr uint16_t kNullTag = 0x0000;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
constexpr uint32_t kBigClassTag = 0x80000000u;
// Indices must stay below the class bit of the escaped form.
constexpr uint32_t kMaxIndex = 0x7FFFFFFEu;

constexpr uint16_t kUnicodeStringMark = 0xFFFE;
constexpr uint16_t kLongStringMark = 0xFFFF;

// Keeps the nesting count of ReadObject right whichever way it is left.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

}  // namespace

CArchiveException::CArchiveException(Cause cause, const std::string& what)
    : std::runtime_error(what), m_cause(cause)
{
}

CArchive::CArchive(std::ostream& out) : m_pOut(&out) {}

CArchive::CArchive(const uint8_t* data, size_t size) : m_data(data), m_size(data != nullptr ? size : 0) {}

// ---- storing

void CArchive::Put(const void* data, size_t size)
{
    if (m_pOut == nullptr)
        throw CArchiveException(CArchiveException::generic, "The archive is not open for writing.");
    if (size == 0)
        return;
    m_pOut->write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!*m_pOut)
        throw CArchiveException(CArchiveException::generic, "Cannot write the document.");
    m_written += size;
}

void CArchive::WriteByte(uint8_t v)
{
    Put(&v, 1);
}

void CArchive::WriteWord(uint16_t v)
{
    const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    Put(b, sizeof b);
}

void CArchive::WriteDword(uint32_t v)
{
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                          static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    Put(b, sizeof b);
}

void CArchive::WriteInt(int32_t v)
{
    WriteDword(static_cast<uint32_t>(v));
}

void CArchive::WriteDouble(double v)
{
    static_assert(sizeof(double) == 8, "documents store 8-byte IEEE doubles");
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    WriteDword(static_cast<uint32_t>(bits));
    WriteDword(static_cast<uint32_t>(bits >> 32));
}

void CArchive::WritePoint(const CPoint& p)
{
    WriteInt(p.x);
    WriteInt(p.y);
}

void CArchive::WriteString(const std::string& s)
{
    const size_t len = s.size();
    if (len < 0xFF) {
        WriteByte(static_cast<uint8_t>(len));
    } else if (len < kUnicodeStringMark) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(len));
    } else {
        if (len > 0xFFFFFFFFu)
            throw CArchiveException(CArchiveException::generic, "A text is too long to be stored.");
        WriteByte(0xFF);
        WriteWord(kLongStringMark);
        WriteDword(static_cast<uint32_t>(len));
    }
    Put(s.data(), len);
}

void CArchive::WriteBytes(const void* data, size_t size)
{
    Put(data, size);
}

uint32_t CArchive::NextIndex()
{
    if (m_nNextIndex > kMaxIndex)
        throw CArchiveException(CArchiveException::generic, "Too many objects in one archive.");
    return m_nNextIndex++;
}

void CArchive::WriteIndex(uint32_t index, bool isClass)
{
    if (index < kBigObjectTag) {
        WriteWord(static_cast<uint16_t>(isClass ? (kClassTag | index) : index));
    } else {
        WriteWord(kBigObjectTag);
        WriteDword(isClass ? (kBigClassTag | index) : index);
    }
}

void CArchive::WriteObject(const CObject* pObject)
{
    if (pObject == nullptr) {
        WriteWord(kNullTag);
        return;
    }
    auto stored = m_storedObjects.find(pObject);
    if (stored != m_storedObjects.end()) {
        WriteIndex(stored->second, false);
        return;
    }

    const CRuntimeClass* pClass = pObject->GetRuntimeClass();
    if (pClass->m_wSchema == 0xFFFF) {
        throw CArchiveException(CArchiveException::badClass,
                                std::string("Class ") + pClass->m_lpszClassName + " cannot be stored.");
    }
    auto storedClass = m_storedClasses.find(pClass);
    if (storedClass == m_storedClasses.end()) {
        const size_t nameLen = std::strlen(pClass->m_lpszClassName);
        WriteWord(kNewClassTag);
        WriteWord(pClass->m_wSchema);
        WriteWord(static_cast<uint16_t>(nameLen));
        Put(pClass->m_lpszClassName, nameLen);
        m_storedClasses.emplace(pClass, NextIndex());
    } else {
        WriteIndex(storedClass->second, true);
    }
    m_storedObjects.emplace(pObject, NextIndex());
    // Serialize is not const in the model classes, yet storing leaves the object unchanged.
    const_cast<CObject*>(pObject)->Serialize(*this);
}

// ---- loading

const uint8_t* CArchive::Take(size_t size)
{
    if (m_pOut != nullptr)
        throw CArchiveException(CArchiveException::generic, "The archive is not open for reading.");
    if (size > Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "Unexpected end of the document.");
    const uint8_t* p = m_data + m_pos;
    m_pos += size;
    return p;
}

void CArchive::CheckCount(uint64_t count, size_t minBytesEach) const
{
    const size_t each = minBytesEach > 0 ? minBytesEach : 1;
    if (count > Remaining() / each)
        throw CArchiveException(CArchiveException::endOfFile, "A count exceeds the size of the document.");
}

uint8_t CArchive::ReadByte()
{
    return *Take(1);
}

uint16_t CArchive::ReadWord()
{
    const uint8_t* b = Take(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadDword()
{
    const uint8_t* b = Take(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

int32_t CArchive::ReadInt()
{
    return static_cast<int32_t>(ReadDword());
}

double CArchive::ReadDouble()
{
    const uint64_t low = ReadDword();
    const uint64_t high = ReadDword();
    const uint64_t bits = low | (high << 32);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

CPoint CArchive::ReadPoint()
{
    const int32_t x = ReadInt();
    const int32_t y = ReadInt();
    return {x, y};
}

std::string CArchive::ReadString()
{
    uint32_t len = ReadByte();
    if (len == 0xFF) {
        len = ReadWord();
        if (len == kUnicodeStringMark)
            throw CArchiveException(CArchiveException::generic, "Unicode texts are not supported.");
        if (len == kLongStringMark)
            len = ReadDword();
    }
    // Checked before allocating: a damaged length must not reserve gigabytes.
    if (len > Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "A text runs past the end of the document.");
    if (len == 0)
        return std::string();
    const uint8_t* p = Take(len);
    return std::string(reinterpret_cast<const char*>(p), len);
}

void CArchive::ReadBytes(void* data, size_t size)
{
    const uint8_t* p = Take(size);
    if (size > 0)
        std::memcpy(data, p, size);
}

const CRuntimeClass* CArchive::ReadNewClass()
{
    const uint16_t schema = ReadWord();
    const uint16_t nameLen = ReadWord();
    const uint8_t* name = Take(nameLen);
    const std::string className(reinterpret_cast<const char*>(name), nameLen);

    const CRuntimeClass* pClass = CRuntimeClass::FromName(className);
    if (pClass == nullptr || pClass->m_pfnCreateObject == nullptr || pClass->m_wSchema == 0xFFFF)
        throw CArchiveException(CArchiveException::badClass,
                                "Unknown class \"" + className + "\" in the document.");
    if (schema != pClass->m_wSchema) {
        throw CArchiveException(CArchiveException::badSchema,
                                "Class " + className + " is stored with schema " + std::to_string(schema) +
                                    ", expected " + std::to_string(pClass->m_wSchema) + ".");
    }
    m_loadedClasses.emplace(NextIndex(), pClass);
    return pClass;
}

std::unique_ptr<CObject> CArchive::ReadObject(const CRuntimeClass* pExpected)
{
    return ReadReference(pExpected, false).pNew;
}

CArchive::CObjectReference CArchive::ReadObjectReference(const CRuntimeClass* pExpected)
{
    return ReadReference(pExpected, true);
}

CArchive::CObjectReference CArchive::ReadReference(const CRuntimeClass* pExpected, bool bAllowShared)
{
    DepthGuard guard(m_nDepth);
    if (m_nDepth > kMaxDepth)
        throw CArchiveException(CArchiveException::generic, "Objects are nested too deeply in the document.");

    const uint16_t tag = ReadWord();
    if (tag == kNullTag)
        return {};

    const CRuntimeClass* pClass = nullptr;
    if (tag == kNewClassTag) {
        pClass = ReadNewClass();
    } else {
        uint32_t index = 0;
        bool isClass = false;
        if (tag == kBigObjectTag) {
            const uint32_t big = ReadDword();
            isClass = (big & kBigClassTag) != 0;
            index = big & ~kBigClassTag;
        } else {
            isClass = (tag & kClassTag) != 0;
            index = tag & ~kClassTag;
        }

        if (isClass) {
            auto it = m_loadedClasses.find(index);
            if (it == m_loadedClasses.end()) {
                throw CArchiveException(CArchiveException::badIndex,
                                        "Reference to unknown class " + std::to_string(index) + ".");
            }
            pClass = it->second;
        } else {
            auto it = m_loadedObjects.find(index);
            if (it == m_loadedObjects.end() || it->second == nullptr) {
                throw CArchiveException(CArchiveException::badIndex,
                                        "Reference to unknown object " + std::to_string(index) + ".");
            }
            if (!bAllowShared) {
                throw CArchiveException(CArchiveException::badIndex,
                                        "Object " + std::to_string(index) + " is referenced twice.");
            }
            if (pExpected != nullptr && !it->second->IsKindOf(pExpected)) {
                throw CArchiveException(
                    CArchiveException::badClass,
                    std::string("Expected an object of class ") + pExpected->m_lpszClassName + ".");
            }
            return {nullptr, it->second};
        }
    }

    if (pExpected != nullptr && !pClass->IsDerivedFrom(pExpected)) {
        throw CArchiveException(CArchiveException::badClass,
                                std::string("Found class ") + pClass->m_lpszClassName + " where " +
                                    pExpected->m_lpszClassName + " was expected.");
    }
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    if (pObject == nullptr) {
        throw CArchiveException(
            CArchiveException::badClass,
            std::string("Cannot create an object of class ") + pClass->m_lpszClassName + ".");
    }

    // The index is taken before the fields are read, as the writer did, so that references
    // inside the object are numbered the same way on both sides.
    const uint32_t index = NextIndex();
    m_loadedObjects[index] = pObject.get();
    try {
        pObject->Serialize(*this);
    } catch (...) {
        // This object and whatever it read are gone (deleted with it or by their readers):
        // forget them so that no later reference reaches a deleted object.
        m_loadedObjects.erase(m_loadedObjects.find(index), m_loadedObjects.end());
        throw;
    }
    CObject* pRead = pObject.get();
    return {std::move(pObject), pRead};
}
