#pragma once

// Small serializable classes used by the archive and registry tests.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/Archive.h"
#include "platform/Object.h"

// Counts live test objects, so that tests can tell that a failed load left nothing behind.
class CTestCounted : public CObject {
    DECLARE_DYNAMIC(CTestCounted)
public:
    CTestCounted() { ++s_nLive; }
    CTestCounted(const CTestCounted&) = delete;
    CTestCounted& operator=(const CTestCounted&) = delete;
    ~CTestCounted() override { --s_nLive; }
    static int s_nLive;
};

// One 32-bit value.
class CTestValue : public CTestCounted {
    DECLARE_SERIAL(CTestValue)
public:
    CTestValue() = default;
    explicit CTestValue(int32_t n) : m_n(n) {}
    void Serialize(CArchive& ar) override;
    int32_t m_n = 0;
};

// A class derived from a serializable one.
class CTestDerivedValue : public CTestValue {
    DECLARE_SERIAL(CTestDerivedValue)
public:
    CTestDerivedValue() = default;
};

// An unrelated class carrying a double.
class CTestOther : public CTestCounted {
    DECLARE_SERIAL(CTestOther)
public:
    CTestOther() = default;
    explicit CTestOther(double d) : m_d(d) {}
    void Serialize(CArchive& ar) override;
    double m_d = 0;
};

// Owns its children: a count, then one object reference each.
class CTestContainer : public CTestCounted {
    DECLARE_SERIAL(CTestContainer)
public:
    CTestContainer() = default;
    // A container taking the given new objects (or nulls) as its children.
    static std::unique_ptr<CTestContainer> Of(std::initializer_list<CObject*> children);
    void Serialize(CArchive& ar) override;
    std::vector<std::unique_ptr<CObject>> m_children;
};

// Refers to two objects, which may be one object or the pair itself (for back-references);
// owns those that its references brought new.
class CTestPair : public CTestCounted {
    DECLARE_SERIAL(CTestPair)
public:
    CTestPair() = default;
    void Serialize(CArchive& ar) override;
    CObject* m_pFirst = nullptr;
    CObject* m_pSecond = nullptr;
    std::vector<std::unique_ptr<CObject>> m_owned;
};

// A model class that is not serializable.
class CTestDynamicOnly : public CObject {
    DECLARE_DYNAMIC(CTestDynamicOnly)
};
