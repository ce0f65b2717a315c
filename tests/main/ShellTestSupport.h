#pragma once

#include <ostream>
#include <string>

#include <QMessageBox>
#include <QString>

// The per-user settings folder of the test process (QSettings and XDG_CONFIG_HOME point
// into the scratch folder, never at the user's own settings).
QString TestConfigDir();
// The settings file the program's store writes.
QString TestSettingsFile();
// Removes the settings file, so that a test starts from a first run.
void ClearTestSettings();
// Makes the scanner library read its configuration from tests/data/<pszFolder> ("sane": the
// test backend's one small colour scanner; "sane-jammed": the same, jammed; "sane-none": no
// scanner). Taken when the next window is made.
void UseSaneConfig(const char* pszFolder);
// Writes a small picture into the scratch folder and returns its path.
std::string MakeTestPicture(const std::string& strName, int nWidth, int nHeight);

// What a message box showed.
struct CSeenBox {
    QString strTitle;
    QString strText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with button, noting what it showed in seen.
void AnswerNextBox(QMessageBox::StandardButton button, CSeenBox& seen);

// Lets GoogleTest print QStrings in its messages.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}
