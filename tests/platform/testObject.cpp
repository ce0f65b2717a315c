#include <gtest/gtest.h>

#include <memory>

#include "TestObjects.h"

namespace {

TEST(RuntimeClass, RegistryCreatesSerializableClassesByName)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CTestDerivedValue");
    ASSERT_EQ(pClass, RUNTIME_CLASS(CTestDerivedValue));
    std::unique_ptr<CObject> p(pClass->CreateObject());
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->GetRuntimeClass(), RUNTIME_CLASS(CTestDerivedValue));
    EXPECT_EQ(pClass->m_wSchema, 1);
}

TEST(RuntimeClass, OnlySerializableClassesAreRegistered)
{
    EXPECT_EQ(CRuntimeClass::FromName("CTestCounted"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("ctestvalue"), nullptr);  // names are case-sensitive
    EXPECT_EQ(CRuntimeClass::FromName(""), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTestCounted)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTestCounted)->m_wSchema, 0xFFFF);
}

TEST(RuntimeClass, FirstRegistrationOfANameWins)
{
    static const CRuntimeClass impostor = {"CTestValue", 1, nullptr, RUNTIME_CLASS(CObject)};
    CRuntimeClass::Register(&impostor);
    CRuntimeClass::Register(nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CTestValue"), RUNTIME_CLASS(CTestValue));
}

TEST(RuntimeClass, KindFollowsTheBaseChain)
{
    CTestDerivedValue derived;
    const CObject& asObject = derived;
    EXPECT_EQ(asObject.GetRuntimeClass(), RUNTIME_CLASS(CTestDerivedValue));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CTestDerivedValue)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CTestValue)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CTestCounted)));
    EXPECT_TRUE(asObject.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(asObject.IsKindOf(RUNTIME_CLASS(CTestOther)));
    EXPECT_FALSE(asObject.IsKindOf(nullptr));

    CTestValue base;
    EXPECT_FALSE(base.IsKindOf(RUNTIME_CLASS(CTestDerivedValue)));
    EXPECT_TRUE(RUNTIME_CLASS(CTestDerivedValue)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CObject)->IsDerivedFrom(RUNTIME_CLASS(CTestValue)));
}

}  // namespace
