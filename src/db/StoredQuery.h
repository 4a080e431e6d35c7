#pragma once

#include "RecordSet.h"

// A named query kept in the database file (table QueryDefs), opened as a read-only record set.
// Its SQL refers to its parameters as ":[Name]"; setting a parameter the query does not declare,
// or opening a query that does not exist, raises DbException.
class StoredQuery : public RecordSet
{
public:
    StoredQuery(Database &db, const QString &name);

    const QString &name() const { return m_name; }
    QStringList parameterNames() const { return m_parameterNames; }
    void setParameter(const QString &name, const QVariant &value) override;

    static QStringList parameterNamesIn(const QString &sql);

private:
    QString m_name;
    QStringList m_parameterNames;
};
