#pragma once

#include <string>

class QString;

// Text crossing between the model and Qt. The model holds Windows-1252 text (names,
// string-table texts); file paths are the file system's own bytes and never pass through
// Windows-1252.
class CQtText {
public:
    static QString ToQString(const std::string& strCp1252);
    // Characters that Windows-1252 cannot hold become '?'.
    static std::string FromQString(const QString& str);

    static QString PathToQString(const std::string& strPath);
    static std::string PathFromQString(const QString& strPath);

    // A document title: a file name (file system bytes, UTF-8) when it reads as UTF-8,
    // otherwise a Windows-1252 text of the string table such as "Untitled".
    static QString TitleToQString(const std::string& strTitle);

    // A string-table text.
    static QString String(unsigned nId);
    // Field nIndex of a string-table text made of "\n"-separated fields.
    static QString Field(unsigned nId, int nIndex);
};
