// This executable links the model library alone and names no model class: what the class
// registry knows here is what RegisterModelClasses makes known, as in any program that only
// reads documents.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "Dm/ModelClasses.h"
#include "platform/Object.h"

TEST(ModelClasses, EverySerializableClassIsKnownByName)
{
    RegisterModelClasses();
    // Every class that the model's sources declare serializable.
    const std::regex declaration(R"(IMPLEMENT_SERIAL\(\s*(\w+))");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PLOTVANE_MODEL_SOURCES)) {
        std::ostringstream text;
        if (entry.path().extension() == ".cpp")
            text << std::ifstream(entry.path()).rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), declaration), end; it != end; ++it)
            names.insert((*it)[1]);
    }
    ASSERT_EQ(names.count("CBezierNode"), 1u) << "the sources were not found";
    for (const std::string& name : names) {
        const CRuntimeClass* pClass = CRuntimeClass::FromName(name);
        ASSERT_NE(pClass, nullptr) << name << " is unknown to a program reading documents";
        const std::unique_ptr<CObject> pObject = pClass->CreateObject();
        ASSERT_NE(pObject, nullptr) << name;
        EXPECT_EQ(pObject->GetRuntimeClass(), pClass) << name;
    }
}
