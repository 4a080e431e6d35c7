#pragma once

#include "base/WorkingPeriod.h"

#include <QCoreApplication>

class Database;
class Progress;

// Numbers the pages of the cost-centre report (Totali, one section per centre of Centri) or of
// the field report ([Totali Campi], one section per field code of the period's years); rows
// booked to a code outside those make sections of their own after them. Every
// section starts a new page; a row takes one line, or two when its description is too long
// for one; a page holds 45 lines with amounts and 48 without, where warehouse rows are left
// out. Each row gets its page in NumPag, the last row of a section Ultimo = true. A farm file
// that can only be read gets its page numbers in a temporary copy of the table (PageNumberTable).
class TotalsPagination
{
    Q_DECLARE_TR_FUNCTIONS(TotalsPagination)

public:
    enum class Section { Centres, Fields };

    TotalsPagination(Database &db, Section section, bool withAmounts, const WorkingPeriod &period);

    // Returns the number of pages; 0 when no section has rows.
    int paginate(Progress &progress);

private:
    QList<int> sectionCodes();
    int paginateSection(int code, int pages, Progress &progress);

    Database &m_db;
    Section m_section;
    bool m_withAmounts;
    WorkingPeriod m_period;
    // The table's name, and as SQL text.
    QString m_name;
    QString m_table;
};
