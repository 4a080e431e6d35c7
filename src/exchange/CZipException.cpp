#include "CZipException.h"

#include <QCoreApplication>
#include <QDir>

CZipException::CZipException(Code code, QString fileName, int zlibCode, QString detail)
    : m_code(code), m_fileName(std::move(fileName)), m_zlibCode(zlibCode),
      m_detail(std::move(detail))
{
    m_utf8 = message().toUtf8();
}

QString CZipException::message() const
{
    const char *text = nullptr;
    switch (m_code) {
    case BadZipFile:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "The archive %1 is damaged or is not a ZIP archive.");
        break;
    case BadCrc:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "The data in the archive %1 is damaged (CRC error).");
        break;
    case BadPassword:
        text = QT_TRANSLATE_NOOP("CZipException", "Wrong password for the archive %1.");
        break;
    case NoPassword:
        text = QT_TRANSLATE_NOOP("CZipException", "The archive %1 needs a password.");
        break;
    case CDirNotFound:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "The archive %1 is not a ZIP archive or is truncated.");
        break;
    case TooLongFileName:
        text = QT_TRANSLATE_NOOP("CZipException", "A file name is too long for the archive %1.");
        break;
    case TooLarge:
        text = QT_TRANSLATE_NOOP("CZipException", "The archive %1 would grow too large.");
        break;
    case EntryTooLarge:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "The archive %1 holds an entry too large to be extracted.");
        break;
    case NoSpace:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "There is not enough free space to extract the archive %1.");
        break;
    case UnsafeName:
        text = QT_TRANSLATE_NOOP(
            "CZipException",
            "The archive %1 holds an entry that would be written outside its folder.");
        break;
    case UnsupportedEntry:
        text = QT_TRANSLATE_NOOP("CZipException",
                                 "The archive %1 uses a format this program cannot read.");
        break;
    case ZlibError:
        text = QT_TRANSLATE_NOOP("CZipException", "Compression error in the archive %1.");
        break;
    case FileError:
        text = QT_TRANSLATE_NOOP("CZipException", "Cannot read or write the file %1.");
        break;
    }
    QString result = QCoreApplication::translate("CZipException", text)
                         .arg(QDir::toNativeSeparators(m_fileName));
    if (!m_detail.isEmpty())
        result += QLatin1Char('\n') + m_detail;
    return result;
}
