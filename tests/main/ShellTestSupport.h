#pragma once

#include <ostream>
#include <string>

#include <QString>

// The per-user settings folder of the test process (QSettings and XDG_CONFIG_HOME point
// into the scratch folder, never at the user's own settings).
QString TestConfigDir();
// The settings file the program's store writes.
QString TestSettingsFile();
// Removes the settings file, so that a test starts from a first run.
void ClearTestSettings();
// Writes a small picture into the scratch folder and returns its path.
std::string MakeTestPicture(const std::string& strName, int nWidth, int nHeight);

// Lets GoogleTest print QStrings in its messages.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}
