#include "TotalsPagination.h"

#include "PageNumberTable.h"
#include "base/Progress.h"
#include "db/Database.h"
#include "db/PreparedStatement.h"
#include "db/RowCursor.h"

#include <QSet>

TotalsPagination::TotalsPagination(Database &db, Section section, bool withAmounts,
                                   const WorkingPeriod &period)
    : m_db(db), m_section(section), m_withAmounts(withAmounts), m_period(period),
      m_name(section == Section::Centres ? QStringLiteral("Totali")
                                         : QStringLiteral("Totali Campi")),
      m_table(QStringLiteral("[%1]").arg(m_name))
{
}

QList<int> TotalsPagination::sectionCodes()
{
    QSqlQuery query =
        m_section == Section::Centres
            ? m_db.execute(QStringLiteral("SELECT Codice FROM Centri ORDER BY rowid"))
            : m_db.execute(
                  QStringLiteral("SELECT DISTINCT Codice FROM Campi WHERE Anno BETWEEN ? AND ? "
                                 "ORDER BY Codice"),
                  {m_period.start.year(), m_period.end.year()});
    // A centre code entered twice is still one section.
    QList<int> codes;
    QSet<int> seen;
    const auto add = [&](int code) {
        if (!seen.contains(code)) {
            seen.insert(code);
            codes << code;
        }
    };
    RowCursor cursor(query);
    while (cursor.next())
        add(query.value(0).toInt());
    // Rows of a centre deleted since, or of a field not held in the period's years, still print:
    // each such code makes a section of its own after the registered ones.
    QSqlQuery booked = m_db.execute(
        QStringLiteral("SELECT DISTINCT CodCentro FROM %1 ORDER BY CodCentro").arg(m_table));
    RowCursor bookedRows(booked);
    while (bookedRows.next())
        add(booked.value(0).toInt());
    return codes;
}

int TotalsPagination::paginate(Progress &progress)
{
    Transaction transaction(m_db);
    PageNumberTable(m_db, m_name).reset();
    const QList<int> codes = sectionCodes();
    progress.setRange(0, 1, 100);
    progress.setText(0, tr("Step (1) : Completed"));
    progress.setValue(0, 100);
    progress.setRange(1, 1, qMax(1, int(codes.size())));
    progress.setValue(1, 1);

    int pages = 0;
    int step = 1;
    for (const int code : codes) {
        pages = paginateSection(code, pages, progress);
        progress.setValue(1, ++step);
    }
    transaction.commit();
    return pages;
}

int TotalsPagination::paginateSection(int code, int pages, Progress &progress)
{
    const int longDescription = m_withAmounts ? 23 : 30;
    const int linesPerPage = m_withAmounts ? 45 : 48;
    QSqlQuery rows = m_db.execute(
        QStringLiteral(
            "SELECT rowid, Descrizione FROM %1 WHERE %2CodCentro = ? ORDER BY CodOperazione, rowid")
            .arg(m_table,
                 m_withAmounts ? QString() : QStringLiteral("Codice <> -2 AND Codice <> -1 AND ")),
        {code});
    PreparedStatement update(
        m_db, QStringLiteral("UPDATE %1 SET NumPag = ?, Ultimo = 0 WHERE rowid = ?").arg(m_table));
    qint64 lastRow = -1;
    int lines = 0;
    RowCursor cursor(rows);
    while (cursor.next()) {
        if (lastRow < 0)
            ++pages;
        lines += rows.value(1).toString().size() > longDescription ? 2 : 1;
        if (lines > linesPerPage) {
            ++pages;
            lines = 1;
            progress.setText(1, tr("Step (2) : Pages to print %1").arg(pages));
        } else if (lastRow < 0) {
            progress.setText(1, tr("Step (2) : Pages to print %1").arg(pages));
        }
        lastRow = rows.value(0).toLongLong();
        update.exec({pages, lastRow});
    }
    if (lastRow >= 0)
        m_db.execute(QStringLiteral("UPDATE %1 SET Ultimo = 1 WHERE rowid = ?").arg(m_table),
                     {lastRow});
    return pages;
}
