#pragma once

#include <QByteArray>
#include <QString>

// Checks that a compiled translation file (.qm) is whole before the translator is given it.
// Qt's loader takes a damaged file as it comes and its lookups then read wherever the
// damaged offsets and lengths lead. The check walks the file as the lookups do: the blocks
// fill the file exactly; the context table's buckets and names, the hash table's entries
// and every message record they lead to lie inside their blocks, each record ends with its
// end mark, translations are whole UTF-16 texts. A file that depends on other translation
// files, or holds a block twice, is refused too: the program's files have neither.
class CLanguageFileCheck {
public:
    // Whether data is a sound translation file; when not, the reason in pstrReason.
    static bool IsSound(const QByteArray& data, QString* pstrReason = nullptr);
};
