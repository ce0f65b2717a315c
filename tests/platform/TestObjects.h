#pragma once

// Small serializable classes used by the archive and registry tests.

#include <cstdint>
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
    ~CTestContainer() override;
    void Serialize(CArchive& ar) override;
    std::vector<CObject*> m_children;
};

// Refers to two objects without owning them (for back-references).
class CTestPair : public CTestCounted {
    DECLARE_SERIAL(CTestPair)
public:
    CTestPair() = default;
    void Serialize(CArchive& ar) override;
    CObject* m_pFirst = nullptr;
    CObject* m_pSecond = nullptr;
};

// A model class that is not serializable.
class CTestDynamicOnly : public CObject {
    DECLARE_DYNAMIC(CTestDynamicOnly)
};
