#pragma once

#include <QCoreApplication>

class Database;
class Progress;

// Numbers the pages of the treatment register ([Appoggio Articoli]): page 1 is the cover, every
// centre of Centri with rows starts a new page, then every other centre the rows are booked on,
// and a page holds 20 rows. Each row gets its
// page in NumPag, the last row of a centre Ultimo = true. A farm file that can only be read gets
// its page numbers in a temporary copy of the table (PageNumberTable).
class RegisterPagination
{
    Q_DECLARE_TR_FUNCTIONS(RegisterPagination)

public:
    static constexpr int RowsPerPage = 20;

    explicit RegisterPagination(Database &db);

    // Returns the number of pages with the cover; 1 means the register has no rows.
    int paginate(Progress &progress);

private:
    int paginateCentre(int code, int pages, Progress &progress);

    Database &m_db;
};
