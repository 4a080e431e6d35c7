#pragma once

#include "SettingsKeys.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The company values used in report headings and the treatment register: the holder's and the
// legal representative's data, kept in section Settings of the settings store (texts default
// empty, flags 0). Values are named by their settings key.
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
    QString text(const SettingsKeys::TextKey &key) const { return text(key.name); }
    void setText(const QString &key, const QString &value) { m_texts[key] = value; }
    bool flag(const QString &key) const { return m_flags.value(key) != 0; }
    bool flag(const SettingsKeys::IntKey &key) const { return flag(key.name); }
    void setFlag(const QString &key, bool value) { m_flags[key] = value ? 1 : 0; }
    // A stored date of birth; an invalid date when none is stored or it cannot be read.
    QDate date(const SettingsKeys::TextKey &key) const;

    // The name report headings show: the surname or company name as stored.
    QString name() const { return text(SettingsKeys::CompanyName); }

    bool operator==(const CompanyData &other) const = default;

private:
    QHash<QString, QString> m_texts;
    QHash<QString, int> m_flags;
};
