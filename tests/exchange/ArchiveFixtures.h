#pragma once

#include <QByteArray>
#include <QString>

// Writes over one byte of an index entry in the index's first page, found by the bytes of
// the entry's record: the page stays well formed while the index no longer matches its table.
// Returns false when the entry is not found there.
bool corruptIndexEntry(const QString &path, const QString &index, const QByteArray &entry,
                       int offset, char value);
