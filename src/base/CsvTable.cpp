#include "CsvTable.h"

#include "AtomicFile.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <cmath>

namespace {

// A spreadsheet opening the file reads a cell beginning with one of these as a formula (a tab
// or a carriage return may precede one). Leading spaces are looked through, since an import
// that trims them would bring the formula to the front.
bool startsLikeFormula(const QString &text)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    for (const QChar c : text) {
        if (c != u' ')
            return starts.contains(c);
    }
    return false;
}

QString textField(const QString &text)
{
    return startsLikeFormula(text) ? QLatin1Char('\'') + text : text;
}

QString quoted(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (special.contains(c)) {
            QString escaped = text;
            escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            return QLatin1Char('"') + escaped + QLatin1Char('"');
        }
    }
    return text;
}

QString line(const QStringList &fields)
{
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

CsvTable::CsvTable(QStringList header) : m_header(std::move(header)) {}

void CsvTable::addRow(const QVariantList &cells)
{
    m_rows.append(cells);
}

QString CsvTable::field(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        // A value that is no number (a division by a zero surface) has no text a reader
        // would take for one.
        if (!std::isfinite(value.toDouble()))
            return QString();
        // The shortest digits that read back as the same number, never in the user's locale
        // and never with an exponent.
        return QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(Qt::ISODate);
    default:
        return quoted(textField(value.toString()));
    }
}

QByteArray CsvTable::toUtf8() const
{
    QStringList header;
    for (const QString &name : m_header)
        header << quoted(textField(name));
    QString text = line(header);
    for (const QVariantList &row : m_rows) {
        QStringList fields;
        for (const QVariant &cell : row)
            fields << field(cell);
        // Every row has as many fields as the header, as readers of the format expect.
        while (fields.size() < m_header.size())
            fields << QString();
        text += line(fields);
    }
    return QByteArray(ByteOrderMark) + text.toUtf8();
}

bool CsvTable::save(const QString &path, QString *error) const
{
    return AtomicFile::write(path, toUtf8(), error);
}
