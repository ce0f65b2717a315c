#include "platform/Object.h"

#include <map>

const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, nullptr};

namespace {

// Function-local so that registration from static initialisers of other translation units
// never meets an unconstructed map, whatever order the linker gives them.
std::map<std::string, const CRuntimeClass*>& Registry()
{
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}

}  // namespace

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == nullptr)
        return false;
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return true;
    }
    return false;
}

void CRuntimeClass::Register(const CRuntimeClass* pClass)
{
    if (pClass == nullptr || pClass->m_lpszClassName == nullptr)
        return;
    // The first registration of a name wins: a second class with the same name would make
    // documents ambiguous, and keeping the first keeps existing files readable.
    Registry().emplace(pClass->m_lpszClassName, pClass);
}

const CRuntimeClass* CRuntimeClass::FromName(const std::string& name)
{
    const auto& registry = Registry();
    auto it = registry.find(name);
    return it != registry.end() ? it->second : nullptr;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive& /*ar*/) {}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
