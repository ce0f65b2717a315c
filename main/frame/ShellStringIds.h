#pragma once

// Numbered strings that only the window shows; their texts sit in the string table with the
// others (platform/StringTableData.cpp), their French in StringTableFr.ts.
enum ShellStringId : unsigned {
    // Files of the window that are refused at start ("%s" is the file).
    IDS_LANGUAGE_FILE_DAMAGED = 61456,  // "The language file %s is damaged ..."
    IDS_SETTINGS_NOT_SAVED = 61457,     // "The settings file %s is read-only ..."
};
