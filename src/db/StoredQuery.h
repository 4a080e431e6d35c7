#pragma once

#include "ForwardCursor.h"
#include "RecordSet.h"

#include <QCoreApplication>
#include <memory>

// One of the program's named queries (see BuiltInQueries), opened as a read-only record set.
// The SQL run is always the program's own, never the text a database file keeps in QueryDefs.
// Its SQL refers to its parameters as ":[Name]"; setting a parameter the query does not
// declare, or opening a query the program does not have, raises DbException.
class StoredQuery : public RecordSet
{
    Q_DECLARE_TR_FUNCTIONS(StoredQuery)

public:
    StoredQuery(Database &db, const QString &name);

    const QString &name() const { return m_name; }
    // The query's SQL, for callers that run it themselves with its parameters.
    const QString &sql() const { return m_sql; }
    QStringList parameterNames() const { return m_parameterNames; }
    void setParameter(const QString &name, const QVariant &value) override;
    // The query's rows with the parameters set so far, read as they are asked for instead of
    // all at once; the cursor stays valid after this object is gone.
    std::unique_ptr<ForwardCursor> openCursor();

    static QStringList parameterNamesIn(const QString &sql);
    // Raises DbException, naming the query, unless sql is one statement that only reads
    // (the engine's own judgement of the prepared statement).
    static void requireReadOnly(Database &db, const QString &name, const QString &sql);

private:
    QString m_name;
    QString m_sql;
    QStringList m_parameterNames;
};
