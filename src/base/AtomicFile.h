#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Writes a file the user keeps: the bytes go to a temporary file beside it, which replaces the
// destination only once complete, so a failure never leaves half a file or spoils the old one.
class AtomicFile
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)

public:
    // False with a message naming the file in error when it could not be written.
    static bool write(const QString &path, const QByteArray &bytes, QString *error);
};
