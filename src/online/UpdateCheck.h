#pragma once

#include "UpdateTransport.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

#include <atomic>

// Reads the version text from the web server and compares it with a version of this program.
// Runs on any thread.
class UpdateCheck
{
    Q_DECLARE_TR_FUNCTIONS(UpdateCheck)
public:
    struct Result
    {
        bool fetched = false;
        QString error;   // when not fetched: what went wrong, for the user
        QString version; // the published version, normalised
        bool newer = false;
    };

    // More is not a version text.
    static constexpr qint64 MaximumTextBytes = 64 * 1024;

    static Result run(UpdateTransport &transport, const QUrl &versionUrl,
                      const QString &currentVersion, const std::atomic_bool *cancel = nullptr);

private:
    // What the user is told about an answer that holds no version; the server's text is shown
    // only in part and only as printable characters.
    static QString notAVersion(const QString &where, const QByteArray &answer);
};
