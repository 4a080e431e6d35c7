#include "RegisterPagination.h"

#include "PageNumberTable.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"

#include <QSet>

RegisterPagination::RegisterPagination(Database &db) : m_db(db) {}

int RegisterPagination::paginate(Progress &progress)
{
    Transaction transaction(m_db);
    PageNumberTable(m_db, QStringLiteral("Appoggio Articoli")).reset();
    QList<int> codes;
    QSet<int> seen;
    QSqlQuery centres = m_db.execute(QStringLiteral("SELECT Codice FROM Centri ORDER BY rowid"));
    const auto add = [&](int code) {
        if (!seen.contains(code)) {
            seen.insert(code);
            codes << code;
        }
    };
    RowCursor centreRows(centres);
    while (centreRows.next())
        add(centres.value(0).toInt());
    // A treatment booked on a centre deleted since still belongs in the register: each such
    // centre makes a section of its own after the registered ones.
    QSqlQuery booked = m_db.execute(QStringLiteral(
        "SELECT DISTINCT COALESCE([Codice Centro], 0) AS c FROM [Appoggio Articoli] ORDER BY c"));
    RowCursor bookedRows(booked);
    while (bookedRows.next())
        add(booked.value(0).toInt());
    progress.setRange(0, 1, 100);
    progress.setText(0, tr("Step (1) : Completed"));
    progress.setValue(0, 100);
    progress.setRange(1, 1, qMax(1, int(codes.size())));
    progress.setValue(1, 1);

    int pages = 1;
    int step = 1;
    for (const int code : codes) {
        pages = paginateCentre(code, pages, progress);
        progress.setValue(1, ++step);
    }
    transaction.commit();
    return pages;
}

int RegisterPagination::paginateCentre(int code, int pages, Progress &progress)
{
    QSqlQuery rows = m_db.execute(QStringLiteral("SELECT rowid FROM [Appoggio Articoli] "
                                                 "WHERE COALESCE([Codice Centro], 0) = ? "
                                                 "ORDER BY Data, rowid"),
                                  {code});
    PreparedStatement update(
        m_db,
        QStringLiteral("UPDATE [Appoggio Articoli] SET NumPag = ?, Ultimo = 0 WHERE rowid = ?"));
    qint64 lastRow = -1;
    int lines = 0;
    RowCursor cursor(rows);
    while (cursor.next()) {
        if (lastRow < 0 || lines == RowsPerPage) {
            ++pages;
            lines = 0;
            progress.setText(1, tr("Step (2) : Pages to print %1").arg(pages));
        }
        lastRow = rows.value(0).toLongLong();
        update.exec({pages, lastRow});
        ++lines;
    }
    if (lastRow >= 0)
        m_db.execute(QStringLiteral("UPDATE [Appoggio Articoli] SET Ultimo = 1 WHERE rowid = ?"),
                     {lastRow});
    return pages;
}
