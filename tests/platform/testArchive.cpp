#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "ArchiveTestHelpers.h"
#include "TestObjects.h"

namespace {

TEST(ArchiveEncoding, IntegersAreLittleEndian)
{
    const Bytes b = Store([](CArchive& ar) {
        ar.WriteByte(0xAB);
        ar.WriteWord(0x1234);
        ar.WriteDword(0x89ABCDEFu);
        ar.WriteInt(-2);
    });
    EXPECT_EQ(b, (Bytes{0xAB, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ArchiveEncoding, DoubleIsIeeeLittleEndian)
{
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteDouble(1.0); }), (Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(Store([](CArchive& ar) { ar.WriteDouble(-2.5); }), (Bytes{0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
}

TEST(ArchiveEncoding, PointIsXThenY)
{
    EXPECT_EQ(Store([](CArchive& ar) { ar.WritePoint(CPoint(1, -2)); }),
              (Bytes{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ArchiveEncoding, RoundTripOfEveryType)
{
    const std::string longText(70000, 'q');
    const Bytes raw{0, 1, 2, 255};
    const Bytes b = Store([&](CArchive& ar) {
        ar.WriteByte(200);
        ar.WriteWord(65535);
        ar.WriteDword(0xFFFFFFFFu);
        ar.WriteInt(std::numeric_limits<int32_t>::min());
        ar.WriteDouble(-1.25e-300);
        ar.WriteDouble(std::numeric_limits<double>::infinity());
        ar.WriteDouble(std::nan(""));
        ar.WritePoint(CPoint(-2147483647 - 1, 2147483647));
        ar.WriteString("");
        ar.WriteString("Curve 1");
        ar.WriteString(longText);
        ar.WriteBytes(raw.data(), raw.size());
    });
    CArchive ar(b.data(), b.size());
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_EQ(ar.ReadByte(), 200);
    EXPECT_EQ(ar.ReadWord(), 65535);
    EXPECT_EQ(ar.ReadDword(), 0xFFFFFFFFu);
    EXPECT_EQ(ar.ReadInt(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ar.ReadDouble(), -1.25e-300);
    EXPECT_EQ(ar.ReadDouble(), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ar.ReadDouble()));
    EXPECT_EQ(ar.ReadPoint(), CPoint(-2147483647 - 1, 2147483647));
    EXPECT_EQ(ar.ReadString(), "");
    EXPECT_EQ(ar.ReadString(), "Curve 1");
    EXPECT_EQ(ar.ReadString(), longText);
    Bytes back(4);
    ar.ReadBytes(back.data(), back.size());
    EXPECT_EQ(back, raw);
    EXPECT_EQ(ar.Remaining(), 0u);
}

struct StringForm {
    size_t length;
    Bytes prefix;
};

class ArchiveStringForms : public ::testing::TestWithParam<StringForm> {};

TEST_P(ArchiveStringForms, PrefixAndRoundTrip)
{
    const StringForm& form = GetParam();
    const std::string s(form.length, 'a');
    const Bytes b = Store([&](CArchive& ar) { ar.WriteString(s); });
    ASSERT_EQ(b.size(), form.prefix.size() + form.length);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + static_cast<long>(form.prefix.size())), form.prefix);
    CArchive ar(b.data(), b.size());
    EXPECT_EQ(ar.ReadString(), s);
    EXPECT_EQ(ar.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArchiveStringForms,
                         ::testing::Values(StringForm{0, {0}}, StringForm{254, {0xFE}},
                                           StringForm{255, {0xFF, 0xFF, 0x00}},
                                           StringForm{300, {0xFF, 0x2C, 0x01}},
                                           StringForm{0xFFFD, {0xFF, 0xFD, 0xFF}},
                                           StringForm{0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                                           StringForm{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(ArchiveEncoding, LongFormReadsEvenForShortLengths)
{
    // Other writers may use a longer prefix than needed; the length is what counts.
    const Bytes b =
        Cat({Bytes{0xFF, 0x03, 0x00}, Text("abc"), Bytes{0xFF, 0xFF, 0xFF}, Dword(2), Text("de")});
    CArchive ar(b.data(), b.size());
    EXPECT_EQ(ar.ReadString(), "abc");
    EXPECT_EQ(ar.ReadString(), "de");
}

class ArchiveObjects : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(CTestCounted::s_nLive, 0); }
};

TEST_F(ArchiveObjects, NewClassThenKnownClassThenNull)
{
    CTestValue first(5), second(6);
    CTestOther other(1.0);
    const Bytes b = Store([&](CArchive& ar) {
        ar.WriteObject(&first);   // class 1, object 2
        ar.WriteObject(&second);  // object 3
        ar.WriteObject(nullptr);
        ar.WriteObject(&other);  // class 4, object 5
    });
    const Bytes expected = Cat({NewClass("CTestValue"), Dword(5), Word(0x8001), Dword(6), Word(0),
                                NewClass("CTestOther"), Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}});
    EXPECT_EQ(b, expected);

    CArchive ar(b.data(), b.size());
    std::unique_ptr<CObject> a(ar.ReadObject(RUNTIME_CLASS(CTestValue)));
    std::unique_ptr<CObject> c(ar.ReadObject(RUNTIME_CLASS(CTestValue)));
    EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CTestValue)), nullptr);
    std::unique_ptr<CObject> d(ar.ReadObject(RUNTIME_CLASS(CTestCounted)));
    ASSERT_TRUE(a && c && d);
    EXPECT_EQ(static_cast<CTestValue*>(a.get())->m_n, 5);
    EXPECT_EQ(static_cast<CTestValue*>(c.get())->m_n, 6);
    ASSERT_TRUE(d->IsKindOf(RUNTIME_CLASS(CTestOther)));
    EXPECT_EQ(static_cast<CTestOther*>(d.get())->m_d, 1.0);
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST_F(ArchiveObjects, NestedObjectsShareTheCounter)
{
    // Container class 1, container 2, value class 3, values 4 and 5, derived class 6, object 7.
    std::unique_ptr<CTestContainer> owner =
        CTestContainer::Of({new CTestValue(1), new CTestValue(2), nullptr, new CTestDerivedValue});
    CTestContainer* pContainer = owner.get();
    CTestValue after(9);
    const Bytes b = Store([&](CArchive& ar) {
        ar.WriteObject(pContainer);
        ar.WriteObject(&after);
    });
    const Bytes expected =
        Cat({NewClass("CTestContainer"), Dword(4), NewClass("CTestValue"), Dword(1), Word(0x8003), Dword(2),
             Word(0), NewClass("CTestDerivedValue"), Dword(0), Word(0x8003), Dword(9)});
    EXPECT_EQ(b, expected);

    CArchive ar(b.data(), b.size());
    std::unique_ptr<CObject> read(ar.ReadObject(RUNTIME_CLASS(CTestContainer)));
    std::unique_ptr<CObject> last(ar.ReadObject(RUNTIME_CLASS(CTestValue)));
    auto* pRead = static_cast<CTestContainer*>(read.get());
    ASSERT_EQ(pRead->m_children.size(), 4u);
    EXPECT_EQ(static_cast<CTestValue*>(pRead->m_children[1].get())->m_n, 2);
    EXPECT_EQ(pRead->m_children[2], nullptr);
    EXPECT_EQ(pRead->m_children[3]->GetRuntimeClass(), RUNTIME_CLASS(CTestDerivedValue));
    EXPECT_EQ(static_cast<CTestValue*>(last.get())->m_n, 9);
}

TEST_F(ArchiveObjects, BackReferenceWhenSharedReferencesAreAllowed)
{
    CTestValue shared(7);
    CTestPair pair;
    pair.m_pFirst = &shared;
    pair.m_pSecond = &shared;
    // Pair class 1, pair 2, value class 3, value 4, then WORD 4 for the second reference.
    const Bytes b = Store([&](CArchive& ar) { ar.WriteObject(&pair); });
    EXPECT_EQ(b, Cat({NewClass("CTestPair"), NewClass("CTestValue"), Dword(7), Word(4)}));

    CArchive ar(b.data(), b.size());
    std::unique_ptr<CTestPair> read = StaticDowncast<CTestPair>(ar.ReadObject(RUNTIME_CLASS(CTestPair)));
    ASSERT_NE(read->m_pFirst, nullptr);
    EXPECT_EQ(read->m_pFirst, read->m_pSecond);
    ASSERT_EQ(read->m_owned.size(), 1u);
    EXPECT_EQ(read->m_owned[0].get(), read->m_pFirst);
}

TEST_F(ArchiveObjects, ObjectIsNumberedBeforeItsFields)
{
    // A pair whose first member refers back to the pair itself: the pair must already have
    // its index when its fields are read.
    CTestPair pair;
    pair.m_pFirst = &pair;
    const Bytes b = Store([&](CArchive& ar) { ar.WriteObject(&pair); });
    EXPECT_EQ(b, Cat({NewClass("CTestPair"), Word(2), Word(0)}));

    CArchive ar(b.data(), b.size());
    std::unique_ptr<CTestPair> read = StaticDowncast<CTestPair>(ar.ReadObject(nullptr));
    EXPECT_EQ(read->m_pFirst, read.get());
}

TEST_F(ArchiveObjects, IndicesFromSevenFFFUseTheEscapedForm)
{
    // Values take class 1 and objects 2 ... 0x8000; the first CTestOther gets class 0x8001
    // and object 0x8002, the second one object 0x8003.
    const size_t n = 0x7FFF;
    std::vector<std::unique_ptr<CTestValue>> values;
    for (size_t i = 0; i < n; ++i)
        values.push_back(std::make_unique<CTestValue>(static_cast<int32_t>(i)));
    CTestOther o1(1.5), o2(2.5);
    const Bytes b = Store([&](CArchive& ar) {
        for (const auto& v : values)
            ar.WriteObject(v.get());
        ar.WriteObject(&o1);
        ar.WriteObject(&o2);
        ar.WriteObject(values[0x7FFC].get());  // object 0x7FFE: still the short form
        ar.WriteObject(values[0x7FFD].get());  // object 0x7FFF: escaped
        ar.WriteObject(&o2);                   // object 0x8003
    });

    const size_t valuesEnd = NewClass("CTestValue").size() + 4 + (n - 1) * 6;
    const Bytes tail(b.begin() + static_cast<long>(valuesEnd), b.end());
    Bytes d1(8), d2(8);
    const double v1 = 1.5, v2 = 2.5;
    std::memcpy(d1.data(), &v1, 8);
    std::memcpy(d2.data(), &v2, 8);
    const Bytes expected = Cat({NewClass("CTestOther"), d1, Word(0x7FFF), Dword(0x80008001u), d2,
                                Word(0x7FFE), Word(0x7FFF), Dword(0x7FFF), Word(0x7FFF), Dword(0x8003)});
    EXPECT_EQ(tail, expected);

    CArchive ar(b.data(), b.size());
    std::vector<std::unique_ptr<CObject>> read;
    for (size_t i = 0; i < n + 2; ++i)
        read.emplace_back(ar.ReadObject(nullptr));
    EXPECT_EQ(static_cast<CTestValue*>(read[n - 1].get())->m_n, static_cast<int32_t>(n - 1));
    EXPECT_EQ(static_cast<CTestOther*>(read[n + 1].get())->m_d, 2.5);
    for (const CObject* pEarlier : {read[0x7FFC].get(), read[0x7FFD].get(), read[n + 1].get()}) {
        CArchive::CObjectReference reference = ar.ReadObjectReference(nullptr);
        EXPECT_EQ(reference.pNew, nullptr);
        EXPECT_EQ(reference.pObject, pEarlier);
    }
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(ArchiveStoring, NonSerializableClassIsRefused)
{
    CTestDynamicOnly object;
    std::ostringstream out;
    CArchive ar(out);
    EXPECT_THROW(ar.WriteObject(&object), CArchiveException);
}

TEST(ArchiveStoring, WriteFailureRaises)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    CArchive ar(out);
    try {
        ar.WriteDword(1);
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::generic);
    }
}

TEST(ArchiveStoring, DirectionIsEnforced)
{
    std::ostringstream out;
    CArchive storing(out);
    EXPECT_TRUE(storing.IsStoring());
    EXPECT_THROW(storing.ReadByte(), CArchiveException);
    const uint8_t data[1] = {0};
    CArchive loading(data, 1);
    EXPECT_THROW(loading.WriteByte(1), CArchiveException);
}

}  // namespace
