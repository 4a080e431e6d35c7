#pragma once

#include "ForwardCursor.h"
#include "RecordSet.h"

#include <memory>

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
    // The query's rows with the parameters set so far, read as they are asked for instead of
    // all at once; the cursor stays valid after this object is gone.
    std::unique_ptr<ForwardCursor> openCursor();

    static QStringList parameterNamesIn(const QString &sql);

private:
    QString m_name;
    QString m_sql;
    QStringList m_parameterNames;
};
