#include "TestObjects.h"

int CTestCounted::s_nLive = 0;

IMPLEMENT_DYNAMIC(CTestCounted, CObject)
IMPLEMENT_SERIAL(CTestValue, CTestCounted, 1)
IMPLEMENT_SERIAL(CTestDerivedValue, CTestValue, 1)
IMPLEMENT_SERIAL(CTestOther, CTestCounted, 1)
IMPLEMENT_SERIAL(CTestContainer, CTestCounted, 1)
IMPLEMENT_SERIAL(CTestPair, CTestCounted, 1)
IMPLEMENT_DYNAMIC(CTestDynamicOnly, CObject)

void CTestValue::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteInt(m_n);
    else
        m_n = ar.ReadInt();
}

void CTestOther::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteDouble(m_d);
    else
        m_d = ar.ReadDouble();
}

CTestContainer::~CTestContainer()
{
    for (CObject* p : m_children)
        delete p;
}

void CTestContainer::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDword(static_cast<uint32_t>(m_children.size()));
        for (CObject* p : m_children)
            ar.WriteObject(p);
    } else {
        const uint32_t n = ar.ReadDword();
        ar.CheckCount(n, 2);
        for (uint32_t i = 0; i < n; ++i)
            m_children.push_back(ar.ReadObject(nullptr));
    }
}

void CTestPair::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteObject(m_pFirst);
        ar.WriteObject(m_pSecond);
    } else {
        m_pFirst = ar.ReadObject(nullptr);
        m_pSecond = ar.ReadObject(nullptr);
    }
}
