#pragma once

#include <string>
#include <vector>

class CInputFileError;

// The texts plotvane-cli prints, taken from the string table so that a language file reaches
// them: on one line (see CStderrMessageService::Flatten) and in UTF-8, as terminals and logs
// read it (the table holds Windows-1252). Values put into a text are UTF-8 already.
class CCliText {
public:
    // The text of nId.
    static std::string Get(unsigned nId);
    // The text of nId with its "%s" conversions filled, in order, by the values.
    static std::string Format(unsigned nId, const std::vector<std::string>& values);
    // A text of the model (Windows-1252, perhaps on several lines), as printed.
    static std::string FromModel(const std::string& strText);
    // Why an input file was not read: the system's reason when the system refused, else the
    // program's own text.
    static std::string ReasonOf(const CInputFileError& error);
    // Two sentences one after the other, the first ended with a full stop when it has no
    // end of its own.
    static std::string Join(const std::string& strFirst, const std::string& strSecond);
};
