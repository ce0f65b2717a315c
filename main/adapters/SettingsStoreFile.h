#pragma once

#include <memory>

#include <QByteArray>
#include <QSettings>
#include <QString>

class QTemporaryDir;

// The user's settings file under the rules of the user's other files. QSettings never opens
// it: it reads and writes a private working copy, and Save writes the copy's bytes to the
// user's file through the program's file replacer. So a symbolic link is followed and stays
// a link; a device is written through, never replaced; a pipe is neither read nor written;
// a file's permissions are kept; a file the user may not write (or one without any write
// permission, whoever runs the program) is left as it is and the settings are not saved,
// which IsReadOnly tells so that the window can say it once. Only a regular file of a
// bounded size is read; anything else reads as a first run.
class CSettingsStoreFile {
public:
    ~CSettingsStoreFile();
    CSettingsStoreFile(const CSettingsStoreFile&) = delete;
    CSettingsStoreFile& operator=(const CSettingsStoreFile&) = delete;

    // The one of the process.
    static CSettingsStoreFile& Get();

    // Reads the user's file again into a new working copy; returns the copy's name.
    QString Reload();
    // The working copy that every QSettings of the program opens (made at first use).
    QString GetWorkingFileName();
    // The settings of the working copy, as every part of the window reads and writes them.
    QSettings OpenSettings() { return QSettings(GetWorkingFileName(), QSettings::IniFormat); }
    // Writes the working copy to the user's file when it changed and the file may take it.
    // False when a write was tried and failed.
    bool Save();
    // The user's file exists but may not be written: the settings will not be saved.
    bool IsReadOnly() const { return m_bReadOnly; }

private:
    CSettingsStoreFile();

    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_strWorking;
    int m_nGeneration = 0;
    // What the user's file held when read; a copy that still holds it is not written.
    QByteArray m_Original;
    bool m_bRead = false;
    bool m_bReadOnly = false;
    // The user's file was read (or did not exist, or is a device): writing it loses nothing.
    bool m_bWritable = false;
};
