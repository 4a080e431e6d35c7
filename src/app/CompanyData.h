#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The company values used in report headings: the holder's and the legal representative's
// data, kept in section Settings of the settings store (texts default empty, flags 0).
class CompanyData
{
public:
    struct TextField
    {
        QString key;
        int limit; // 0: no length limit (dates of birth)
    };
    // Every text value in the order the dialog shows them.
    static const QList<TextField> &textFields();
    // The three yes/no values: DittaDonna, DittaDomicilio, DittaDonna2.
    static const QStringList &flagKeys();

    // Dates of birth are stored as the text the picker shows; no date is the empty text.
    static QString dateFormat() { return QStringLiteral("dd/MM/yyyy"); }
    static QString noDateText() { return QStringLiteral("01/01/1970"); }

    static CompanyData load();
    void store() const;

    QString text(const QString &key) const { return m_texts.value(key); }
    void setText(const QString &key, const QString &value) { m_texts[key] = value; }
    bool flag(const QString &key) const { return m_flags.value(key) != 0; }
    void setFlag(const QString &key, bool value) { m_flags[key] = value ? 1 : 0; }

private:
    QHash<QString, QString> m_texts;
    QHash<QString, int> m_flags;
};
