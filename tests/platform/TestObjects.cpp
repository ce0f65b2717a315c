#include "TestObjects.h"

#include <utility>

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

std::unique_ptr<CTestContainer> CTestContainer::Of(std::initializer_list<CObject*> children)
{
    auto pContainer = std::make_unique<CTestContainer>();
    for (CObject* pChild : children)
        pContainer->m_children.emplace_back(pChild);
    return pContainer;
}

void CTestContainer::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDword(static_cast<uint32_t>(m_children.size()));
        for (const auto& p : m_children)
            ar.WriteObject(p.get());
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
        for (CObject** ppObject : {&m_pFirst, &m_pSecond}) {
            CArchive::CObjectReference reference = ar.ReadObjectReference(nullptr);
            *ppObject = reference.pObject;
            if (reference.pNew != nullptr)
                m_owned.push_back(std::move(reference.pNew));
        }
    }
}
