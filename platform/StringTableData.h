#pragma once

#include <cstddef>

// One built-in English entry of the string table.
struct CStringTableEntry {
    unsigned id;
    const char* text;
};

// The built-in English string table (StringTableData.cpp), sorted by id.
const CStringTableEntry* BuiltInStrings(size_t& count);
