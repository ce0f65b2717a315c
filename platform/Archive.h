#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Point.h"

class CObject;
struct CRuntimeClass;

// Raised by CArchive when a document cannot be read: the data ends early, a stored schema
// or class is not the one asked for, or the content is otherwise unusable.
class CArchiveException : public std::runtime_error {
public:
    enum Cause { generic, endOfFile, badSchema, badClass, badIndex };

    CArchiveException(Cause cause, const std::string& what);
    Cause m_cause;
};

// The object archive of document files. Little-endian integers, IEEE doubles, strings
// with the three length forms, and object references with class tags, back-references
// and the 0x7FFF escape, numbered by one counter shared by classes and objects.
// Storing writes to a stream; loading reads from a byte buffer held by the caller, so
// that every count and length can be checked against the bytes that remain.
class CArchive {
public:
    explicit CArchive(std::ostream& out);        // storing
    CArchive(const uint8_t* data, size_t size);  // loading
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_pOut != nullptr; }
    bool IsLoading() const { return m_pOut == nullptr; }

    void WriteByte(uint8_t v);
    void WriteWord(uint16_t v);
    void WriteDword(uint32_t v);
    void WriteInt(int32_t v);
    void WriteDouble(double v);
    void WritePoint(const CPoint& p);
    void WriteString(const std::string& s);
    void WriteBytes(const void* data, size_t size);
    void WriteObject(const CObject* pObject);

    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    int32_t ReadInt();
    double ReadDouble();
    CPoint ReadPoint();
    std::string ReadString();
    void ReadBytes(void* data, size_t size);
    // Reads an object reference that must bring a new object, owned by the caller; null when
    // the file says null. With pExpected, an object of another class raises badClass. A
    // back-reference to an object already read is refused (badIndex), so that a damaged
    // document cannot hand one object to two owners: the model owns every object it reads
    // through exactly one reference and never writes shared ones.
    std::unique_ptr<CObject> ReadObject(const CRuntimeClass* pExpected);

    // What ReadObjectReference found: a new object (pNew, the caller's, and pObject) or an
    // object read before (pObject only, owned by whoever read it first).
    struct CObjectReference {
        std::unique_ptr<CObject> pNew;
        CObject* pObject = nullptr;
    };
    // Reads an object reference that may also refer back to an object already read.
    CObjectReference ReadObjectReference(const CRuntimeClass* pExpected);

    // Deepest nesting of object references accepted on loading.
    static constexpr int kMaxDepth = 64;

    // Bytes left to read.
    size_t Remaining() const { return m_size - m_pos; }
    // Raises endOfFile unless count items of at least minBytesEach bytes can still follow.
    void CheckCount(uint64_t count, size_t minBytesEach) const;

    // Bytes written so far (storing).
    uint64_t BytesWritten() const { return m_written; }

private:
    void WriteIndex(uint32_t index, bool isClass);
    void Put(const void* data, size_t size);
    const uint8_t* Take(size_t size);
    uint32_t NextIndex();
    const CRuntimeClass* ReadNewClass();
    CObjectReference ReadReference(const CRuntimeClass* pExpected, bool bAllowShared);

    std::ostream* m_pOut = nullptr;
    uint64_t m_written = 0;

    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;

    // One counter for classes and objects, starting at 1.
    uint32_t m_nNextIndex = 1;
    std::map<const CRuntimeClass*, uint32_t> m_storedClasses;
    std::map<const CObject*, uint32_t> m_storedObjects;
    std::map<uint32_t, const CRuntimeClass*> m_loadedClasses;
    std::map<uint32_t, CObject*> m_loadedObjects;
    int m_nDepth = 0;
};
