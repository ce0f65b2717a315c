#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CArchive;
class CObject;

// The run-time class record of a model class: its name, its schema, how to make one,
// and its base, so that archives can create objects by name and check their kind.
struct CRuntimeClass {
    const char* m_lpszClassName;
    uint16_t m_wSchema;                               // 0xFFFF for classes that are not serializable
    std::unique_ptr<CObject> (*m_pfnCreateObject)();  // null for abstract classes
    const CRuntimeClass* m_pBaseClass;                // null for CObject

    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The class registry: every serializable class registers itself at start-up.
    static void Register(const CRuntimeClass* pClass);
    static const CRuntimeClass* FromName(const std::string& name);
};

// Base of every model object.
class CObject {
public:
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Hands over an object known to be a T (checked with IsKindOf beforehand) as a T.
template <typename T, typename Base>
std::unique_ptr<T> StaticDowncast(std::unique_ptr<Base> pObject)
{
    return std::unique_ptr<T>(static_cast<T*>(pObject.release()));
}

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNAMIC(class_name)    \
    static std::unique_ptr<CObject> CreateObject();

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                    \
    const CRuntimeClass class_name::class##class_name = {#class_name, 0xFFFF, nullptr,    \
                                                         RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const                              \
    {                                                                                     \
        return RUNTIME_CLASS(class_name);                                                 \
    }

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                           \
    std::unique_ptr<CObject> class_name::CreateObject()                                                 \
    {                                                                                                   \
        return std::unique_ptr<CObject>(new class_name);                                                \
    }                                                                                                   \
    const CRuntimeClass class_name::class##class_name = {#class_name, schema, class_name::CreateObject, \
                                                         RUNTIME_CLASS(base_class_name)};               \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                            \
    {                                                                                                   \
        return RUNTIME_CLASS(class_name);                                                               \
    }                                                                                                   \
    static const bool s_registered_##class_name = (CRuntimeClass::Register(RUNTIME_CLASS(class_name)), true);
