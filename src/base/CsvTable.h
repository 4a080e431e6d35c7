#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

// A table written as CSV the way spreadsheets and scripts read it (RFC 4180): a header row,
// comma separated, CRLF line ends, UTF-8 behind a byte order mark (without it spreadsheets read
// accented letters in the system's legacy code page). A field with a comma, a quote or a line
// break is quoted, its quotes doubled. Numbers are written as numbers with a point, dates and
// times in ISO 8601, and a null value as an empty field. A text that a spreadsheet would take
// for a formula (one beginning with =, +, -, @, a tab or a carriage return) is written behind
// an apostrophe, so that a name typed by anyone never runs as a formula when the file is
// opened.
class CsvTable
{
public:
    explicit CsvTable(QStringList header);

    void addRow(const QVariantList &cells);
    int rowCount() const { return int(m_rows.size()); }

    // The whole file, byte order mark included.
    QByteArray toUtf8() const;
    // False with a message in error; the destination is replaced only by a complete file.
    bool save(const QString &path, QString *error) const;

    // One value as its CSV field.
    static QString field(const QVariant &value);

    static constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

private:
    QStringList m_header;
    QList<QVariantList> m_rows;
};
