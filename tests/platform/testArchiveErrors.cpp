#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

#include "ArchiveTestHelpers.h"
#include "TestObjects.h"

namespace {

// Runs read on a loading archive over b and returns the cause it raised.
CArchiveException::Cause CauseOf(const Bytes& b, const std::function<void(CArchive&)>& read)
{
    CArchive ar(b.data(), b.size());
    try {
        read(ar);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    ADD_FAILURE() << "no archive exception";
    return CArchiveException::generic;
}

void ReadOne(CArchive& ar, const CRuntimeClass* pExpected = nullptr)
{
    std::unique_ptr<CObject> p(ar.ReadObject(pExpected));
}

// The same, accepting a reference to an object read before.
void ReadShared(CArchive& ar, const CRuntimeClass* pExpected = nullptr)
{
    CArchive::CObjectReference reference = ar.ReadObjectReference(pExpected);
}

class ArchiveErrors : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(CTestCounted::s_nLive, 0) << "a failed load leaked or lost objects";
    }
};

TEST_F(ArchiveErrors, TruncationAtEveryOffset)
{
    std::unique_ptr<CTestContainer> owner = CTestContainer::Of(
        {new CTestValue(1), CTestContainer::Of({new CTestValue(3), new CTestOther(0.5)}).release(), nullptr,
         new CTestValue(2)});
    CTestContainer* pContainer = owner.get();
    const Bytes b = Store([&](CArchive& ar) {
        ar.WriteString("name");
        ar.WriteObject(pContainer);
        ar.WriteDouble(4.0);
        ar.WritePoint(CPoint(1, 2));
    });
    owner.reset();

    for (size_t size = 0; size < b.size(); ++size) {
        const Bytes prefix(b.begin(), b.begin() + static_cast<long>(size));
        EXPECT_EQ(CauseOf(prefix,
                          [](CArchive& ar) {
                              ar.ReadString();
                              ReadOne(ar, RUNTIME_CLASS(CTestContainer));
                              ar.ReadDouble();
                              ar.ReadPoint();
                          }),
                  CArchiveException::endOfFile)
            << "truncated at " << size;
        EXPECT_EQ(CTestCounted::s_nLive, 0) << "truncated at " << size;
    }
}

TEST_F(ArchiveErrors, BadSchema)
{
    const Bytes b = Cat({NewClass("CTestValue", 2), Dword(1)});
    EXPECT_EQ(CauseOf(b, [](CArchive& ar) { ReadOne(ar); }), CArchiveException::badSchema);
}

TEST_F(ArchiveErrors, UnknownOrUncreatableClass)
{
    EXPECT_EQ(CauseOf(Cat({NewClass("CNoSuchClass"), Dword(1)}), [](CArchive& ar) { ReadOne(ar); }),
              CArchiveException::badClass);
    // Known to the program, but neither creatable nor serializable.
    EXPECT_EQ(CauseOf(NewClass("CTestDynamicOnly"), [](CArchive& ar) { ReadOne(ar); }),
              CArchiveException::badClass);
    EXPECT_EQ(CauseOf(NewClass("CObject", 0xFFFF), [](CArchive& ar) { ReadOne(ar); }),
              CArchiveException::badClass);
}

TEST_F(ArchiveErrors, WrongClassForNewAndKnownClass)
{
    CTestValue a(1), b(2);
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteObject(&a);
        ar.WriteObject(&b);
    });
    EXPECT_EQ(CauseOf(bytes, [](CArchive& ar) { ReadOne(ar, RUNTIME_CLASS(CTestOther)); }),
              CArchiveException::badClass);
    EXPECT_EQ(CauseOf(bytes,
                      [](CArchive& ar) {
                          ReadOne(ar, RUNTIME_CLASS(CTestValue));
                          ReadOne(ar, RUNTIME_CLASS(CTestDerivedValue));  // a base is not a derived
                      }),
              CArchiveException::badClass);
}

TEST_F(ArchiveErrors, BadBackReferences)
{
    // Nothing read yet.
    EXPECT_EQ(CauseOf(Word(5), [](CArchive& ar) { ReadOne(ar); }), CArchiveException::badIndex);
    EXPECT_EQ(CauseOf(Cat({Word(0x7FFF), Dword(0x12345)}), [](CArchive& ar) { ReadOne(ar); }),
              CArchiveException::badIndex);
    // Class tags that name no class, or an object.
    EXPECT_EQ(CauseOf(Word(0x8009), [](CArchive& ar) { ReadOne(ar); }), CArchiveException::badIndex);
    const Bytes value = Cat({NewClass("CTestValue"), Dword(1)});  // class 1, object 2
    EXPECT_EQ(CauseOf(Cat({value, Word(0x8002)}),
                      [](CArchive& ar) {
                          ReadOne(ar);
                          ReadOne(ar);
                      }),
              CArchiveException::badIndex);
    EXPECT_EQ(CauseOf(Cat({value, Word(0x7FFF), Dword(0x80000002u)}),
                      [](CArchive& ar) {
                          ReadOne(ar);
                          ReadOne(ar);
                      }),
              CArchiveException::badIndex);
    // An object tag that names a class.
    EXPECT_EQ(CauseOf(Cat({value, Word(1)}),
                      [](CArchive& ar) {
                          ReadOne(ar);
                          ReadShared(ar);
                      }),
              CArchiveException::badIndex);
}

TEST_F(ArchiveErrors, SharedReferenceRefusedByDefault)
{
    // A container holding one object twice: were it accepted, the container would delete
    // that object twice.
    const Bytes b = Cat({NewClass("CTestContainer"), Dword(2), NewClass("CTestValue"), Dword(7), Word(4)});
    EXPECT_EQ(CauseOf(b, [](CArchive& ar) { ReadOne(ar); }), CArchiveException::badIndex);
}

TEST_F(ArchiveErrors, BackReferenceOfWrongClass)
{
    CTestValue v(1);
    const Bytes b = Store([&](CArchive& ar) {
        ar.WriteObject(&v);
        ar.WriteObject(&v);
    });
    CArchive ar(b.data(), b.size());
    std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
    try {
        ReadShared(ar, RUNTIME_CLASS(CTestOther));
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
}

TEST_F(ArchiveErrors, HugeStringLengthInTinyBuffer)
{
    // Must fail on the length check, not by trying to allocate four gigabytes.
    const Bytes dwordForm = Cat({Bytes{0xFF, 0xFF, 0xFF}, Dword(0xFFFFFFF0u), Text("abc")});
    EXPECT_EQ(CauseOf(dwordForm, [](CArchive& ar) { ar.ReadString(); }), CArchiveException::endOfFile);
    const Bytes wordForm = Cat({Bytes{0xFF}, Word(0xFFFD), Text("abc")});
    EXPECT_EQ(CauseOf(wordForm, [](CArchive& ar) { ar.ReadString(); }), CArchiveException::endOfFile);
    EXPECT_EQ(CauseOf(Bytes{5, 'a'}, [](CArchive& ar) { ar.ReadString(); }), CArchiveException::endOfFile);
}

TEST_F(ArchiveErrors, UnicodeStringFormIsRefused)
{
    const Bytes b = Cat({Bytes{0xFF}, Word(0xFFFE), Bytes{2, 'a', 0, 'b', 0}});
    EXPECT_EQ(CauseOf(b, [](CArchive& ar) { ar.ReadString(); }), CArchiveException::generic);
}

TEST_F(ArchiveErrors, HugeCountInTinyBuffer)
{
    const Bytes b = Cat({NewClass("CTestContainer"), Dword(0x40000000u), Word(0)});
    EXPECT_EQ(CauseOf(b, [](CArchive& ar) { ReadOne(ar); }), CArchiveException::endOfFile);

    const uint8_t data[10] = {};
    CArchive ar(data, sizeof data);
    EXPECT_NO_THROW(ar.CheckCount(5, 2));
    EXPECT_THROW(ar.CheckCount(6, 2), CArchiveException);
    EXPECT_THROW(ar.CheckCount(0xFFFFFFFFFFFFFFFFull, 8), CArchiveException);
    EXPECT_THROW(ar.CheckCount(11, 0), CArchiveException);
}

Bytes NestedContainers(int depth)
{
    Bytes b = NewClass("CTestContainer");
    const Bytes link = Cat({Dword(1), Word(0x8001)});
    for (int i = 1; i < depth; ++i)
        b.insert(b.end(), link.begin(), link.end());
    const Bytes end = Dword(0);
    b.insert(b.end(), end.begin(), end.end());
    return b;
}

TEST_F(ArchiveErrors, NestingDepthIsBounded)
{
    const Bytes ok = NestedContainers(CArchive::kMaxDepth);
    CArchive ar(ok.data(), ok.size());
    EXPECT_NO_THROW(ReadOne(ar));
    EXPECT_EQ(ar.Remaining(), 0u);

    EXPECT_EQ(CauseOf(NestedContainers(CArchive::kMaxDepth + 1), [](CArchive& a) { ReadOne(a); }),
              CArchiveException::generic);
    // A file of nothing but nested references cannot exhaust the stack.
    EXPECT_EQ(CauseOf(NestedContainers(100000), [](CArchive& a) { ReadOne(a); }), CArchiveException::generic);
}

TEST_F(ArchiveErrors, FailedObjectIsForgotten)
{
    // The container (object 2) fails while reading its second child; a caller that goes on
    // with the same archive must not reach the deleted container through a back-reference.
    const Bytes b = Cat({NewClass("CTestContainer"), Dword(2), NewClass("CTestValue"), Dword(1), Word(0x7777),
                         Word(2), Word(4)});
    CArchive ar(b.data(), b.size());
    EXPECT_THROW(ReadShared(ar), CArchiveException);
    EXPECT_EQ(CTestCounted::s_nLive, 0);
    EXPECT_THROW(ReadShared(ar), CArchiveException);  // the container
    EXPECT_THROW(ReadShared(ar), CArchiveException);  // its first child, deleted with it
}

TEST_F(ArchiveErrors, DamagedBytesGiveExceptionsOnly)
{
    std::unique_ptr<CTestContainer> owner = CTestContainer::Of(
        {new CTestValue(1),
         CTestContainer::Of({new CTestValue(3), new CTestOther(0.5), new CTestDerivedValue}).release(),
         nullptr, new CTestOther(2), new CTestValue(2)});
    CTestContainer* pContainer = owner.get();
    const Bytes good = Store([&](CArchive& ar) {
        ar.WriteObject(pContainer);
        ar.WriteString("tail");
    });
    owner.reset();

    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        Bytes b = good;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i)
            b[random() % b.size()] = static_cast<uint8_t>(random());
        CArchive ar(b.data(), b.size());
        try {
            ReadOne(ar);
            ar.ReadString();
        } catch (const CArchiveException&) {
        }
        ASSERT_EQ(CTestCounted::s_nLive, 0) << "round " << round;
    }
}

TEST_F(ArchiveErrors, NullDataIsEmpty)
{
    CArchive ar(nullptr, 100);
    EXPECT_EQ(ar.Remaining(), 0u);
    EXPECT_THROW(ar.ReadByte(), CArchiveException);
}

}  // namespace
