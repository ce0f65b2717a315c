#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/Point.h"

// One value of a job file with the JSON path that leads to it
// ("coordinate_systems[0].curves[1].genesis[2]"), for reading the job strictly: every
// getter checks the value's type and range, and every failure is a CCliError with exit
// code 1 naming the job file and the path, so that a typo never passes silently.
// Refers to the parsed document and to the file's display name, which must outlive it.
class CJobValue {
public:
    CJobValue(const nlohmann::json& value, const std::string& strFile, std::string strPath = std::string());

    const std::string& GetPath() const { return m_strPath; }
    // "job.json: coordinate_systems[0]" ("job.json" for the whole file).
    std::string Where() const;
    // Throws the refusal of this value with the message.
    [[noreturn]] void Refuse(const std::string& strMessage) const;

    // ---- objects
    // The value must be an object whose keys are all among the allowed ones.
    void CheckObject(std::initializer_list<const char*> allowed) const;
    bool Has(const char* key) const;
    // A key that must be there.
    CJobValue Get(const char* key) const;
    std::optional<CJobValue> Find(const char* key) const;

    // ---- arrays
    // The elements of an array of at most nMaxSize elements (nMinSize at least).
    std::vector<CJobValue> Elements(size_t nMinSize = 0, size_t nMaxSize = kMaxElements) const;

    // ---- scalars
    bool AsBool() const;
    // A finite number.
    double AsDouble() const;
    // An integer between nMin and nMax, both included; outside, strRangeMessage (or a
    // message of its own when empty).
    int AsInt(int nMin, int nMax, const std::string& strRangeMessage = std::string()) const;
    // A UTF-8 string, converted to the Windows-1252 text of the model.
    std::string AsText() const;
    // The string as written (UTF-8). Control characters (NUL, line breaks, tabs...) are
    // refused: every string of a job is a name, a path or a word that a dialog would take.
    std::string AsString() const;
    // One of the given words; its index.
    int AsChoice(const std::vector<const char*>& words) const;
    // A pixel point [x, y] of 32-bit integers.
    CPoint AsPoint() const;
    std::vector<CPoint> AsPoints(size_t nMinSize = 0) const;
    // A pixel point that must lie on a picture of size.x by size.y pixels (the view gives no
    // other).
    CPoint AsPointOn(const CPoint& size) const;
    // [red, green, blue], each an integer; range checked by the caller (the dialogs' own
    // message).
    std::array<long long, 3> AsColor() const;

    // strText with its control characters written as JSON escapes ("\u000A"), for messages.
    static std::string Printable(const std::string& strText);

    // More elements than a graph ever needs; it bounds what a job makes the program do.
    static constexpr size_t kMaxElements = 1000000;

private:
    std::string ChildPath(const std::string& strKey) const;
    std::string TypeName() const;
    // "3 elements".
    std::string ElementCount() const;

    const nlohmann::json* m_pValue;
    const std::string* m_pFile;
    std::string m_strPath;
};
