#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

// A table written as CSV the way spreadsheets and scripts read it (RFC 4180): a header row,
// comma separated, CRLF line ends, UTF-8. A field with a comma, a quote or a line break is
// quoted, its quotes doubled. Numbers are written as numbers with a point, dates and times in
// ISO 8601, and a null value as an empty field.
class CsvTable
{
public:
    explicit CsvTable(QStringList header);

    void addRow(const QVariantList &cells);
    int rowCount() const { return int(m_rows.size()); }

    QByteArray toUtf8() const;
    // False with a message in error; the destination is replaced only by a complete file.
    bool save(const QString &path, QString *error) const;

    // One value as its CSV field.
    static QString field(const QVariant &value);

private:
    QStringList m_header;
    QList<QVariantList> m_rows;
};
