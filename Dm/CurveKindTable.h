#pragma once

#include <vector>

#include "Dm/CurveKind.h"

// The entry of kind in a front's table (entries with a member `kind`); null when the table
// lacks it.
template <typename Entry>
const Entry* FindCurveKind(const std::vector<Entry>& table, ECurveKind kind)
{
    for (const Entry& entry : table)
        if (entry.kind == kind)
            return &entry;
    return nullptr;
}
