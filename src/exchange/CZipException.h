#pragma once

#include <QString>
#include <exception>

// Every failure of the archive container: what went wrong (the code) and on which file.
// Deflate and inflate failures also carry zlib's own error code.
class CZipException : public std::exception
{
public:
    enum Code {
        BadZipFile,       // not a ZIP archive, damaged or truncated data, inconsistent headers
        BadCrc,           // the extracted data does not match its recorded CRC-32
        BadPassword,      // the check byte of the encryption header does not match
        NoPassword,       // the entry is encrypted and no password was given
        CDirNotFound,     // no end record in the last 65557 bytes of the file
        TooLongFileName,  // an entry name longer than 65535 bytes
        TooLarge,         // sizes or offsets beyond what 32-bit ZIP fields can hold
        EntryTooLarge,    // an entry larger than the extraction limit
        NoSpace,          // not enough free space where an entry is extracted
        UnsafeName,       // an entry that would be written outside the destination folder
        UnsupportedEntry, // a compression method or format feature the container does not read
        ZlibError,        // deflate or inflate reported an error (see zlibCode())
        FileError         // a file could not be created, opened, read or written
    };

    CZipException(Code code, QString fileName, int zlibCode = 0, QString detail = {});

    Code code() const { return m_code; }
    const QString &fileName() const { return m_fileName; }
    int zlibCode() const { return m_zlibCode; }
    // A sentence for the user naming the file and what went wrong.
    QString message() const;
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    Code m_code;
    QString m_fileName;
    int m_zlibCode;
    QString m_detail;
    QByteArray m_utf8;
};
