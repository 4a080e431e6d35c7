#include "FakeProgress.h"
#include "FakePrompter.h"
#include "FarmFixture.h"
#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "base/CsvTable.h"
#include "reports/CardPrintJob.h"
#include "reports/PdfOutput.h"
#include "reports/RegisterPagination.h"
#include "reports/TotalsPagination.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <functional>
#include <tuple>

namespace {

const WorkingPeriod Year2015{QDate(2015, 1, 1), QDate(2015, 12, 31)};

// The three tables the reports number, each with its pagination.
struct NumberedTable
{
    const char *name;
    std::function<int(Database &)> paginate;
};

const QList<NumberedTable> &numberedTables()
{
    static const QList<NumberedTable> tables = {
        {"Totali",
         [](Database &db) {
             FakeProgress progress;
             return TotalsPagination(db, TotalsPagination::Section::Centres, true, Year2015)
                 .paginate(progress);
         }},
        {"Totali Campi",
         [](Database &db) {
             FakeProgress progress;
             return TotalsPagination(db, TotalsPagination::Section::Fields, false, Year2015)
                 .paginate(progress);
         }},
        {"Appoggio Articoli",
         [](Database &db) {
             FakeProgress progress;
             return RegisterPagination(db).paginate(progress);
         }},
    };
    return tables;
}

// Every row's page number, the last row of a section negated, in rowid order.
QList<int> pageNumbers(Database &db, const QString &table)
{
    QList<int> numbers;
    QSqlQuery query =
        db.execute(QStringLiteral("SELECT NumPag, Ultimo FROM [%1] ORDER BY rowid").arg(table));
    while (query.next())
        numbers << (query.value(1).toInt() ? -query.value(0).toInt() : query.value(0).toInt());
    return numbers;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

// A farm file that can only be read (a write-protected copy, a read-only share) prints every
// report from the data as it was last processed: the page numbers go to a copy of the table in
// the connection's temporary store, and the file is left as it was.
class TestReadOnlyPagination : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pagesOfAFileThatCanOnlyBeRead_data();
    void pagesOfAFileThatCanOnlyBeRead();
    void reportsOfAFileThatCanOnlyBeRead_data();
    void reportsOfAFileThatCanOnlyBeRead();
    void aWritableFileNumbersItsOwnTable();

private:
    QString protectedCopy(const QString &name);

    TestEnvironment m_env;
    // A processed farm whose page numbers are all stale (page 7, each row the last).
    QString m_farm;
    std::unique_ptr<ReadOnlyFolder> m_share;
};

void TestReadOnlyPagination::initTestCase()
{
    m_farm = m_env.copyTemplate(QStringLiteral("farm.mdb"));
    Database db;
    db.open(m_farm);
    FarmFixture farm(db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 10);
    farm.addCentre(2, QStringLiteral("Oliveto"), false, true, 5);
    farm.addField(10, QStringLiteral("Nord"), 1, 4, 2015);
    farm.addField(11, QStringLiteral("Sud"), 2, 6, 2015);
    farm.addItem(1, QStringLiteral("Zolfo"), QStringLiteral("kg"), true);
    Transaction transaction(db);
    // Enough rows for more than one page in a section of each table.
    for (int i = 0; i < 60; ++i) {
        const int centre = i < 50 ? 1 : 2;
        for (const QString &table : {QStringLiteral("Totali"), QStringLiteral("[Totali Campi]")})
            db.execute(QStringLiteral("INSERT INTO %1 (CodCentro, Codice, CodOperazione, CosRic, "
                                      "Descrizione, OreQua, Tipo, NumPag, Ultimo) "
                                      "VALUES (?, ?, ?, ?, ?, ?, 1, 7, 1)")
                           .arg(table),
                       {table == QStringLiteral("Totali") ? centre : centre + 9, i % 3 + 1, i,
                        10.5 * i, QStringLiteral("Riga %1").arg(i), 1.5 * i});
        db.execute(
            QStringLiteral("INSERT INTO [Appoggio Articoli] ([Codice Centro], Data, "
                           "Avverso, Articolo, UnMis, TQ, NumPag, Ultimo) "
                           "VALUES (?, ?, 'Oidio', 'Zolfo', 'kg', '25', 7, 1)"),
            {centre,
             QStringLiteral("2015-03-%1 00:00:00").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))});
    }
    transaction.commit();
}

QString TestReadOnlyPagination::protectedCopy(const QString &name)
{
    m_share = std::make_unique<ReadOnlyFolder>(m_env.path(QStringLiteral("share-") + name));
    if (!m_share->usable())
        return {};
    return m_share->protect(m_farm, name);
}

void TestReadOnlyPagination::pagesOfAFileThatCanOnlyBeRead_data()
{
    QTest::addColumn<int>("access");
    // Opened for reading only, as a write-protected file is; or opened for writing and then
    // refusing the write.
    QTest::newRow("opened read-only") << int(Database::Access::Auto);
    QTest::newRow("refusing the write") << int(Database::Access::ReadWrite);
}

void TestReadOnlyPagination::pagesOfAFileThatCanOnlyBeRead()
{
    QFETCH(int, access);
    QMap<QString, QList<int>> writablePages;
    QMap<QString, int> writableCounts;
    {
        Database writable;
        const QString copy = m_env.path(QStringLiteral("writable-%1.mdb").arg(access));
        QFile::remove(copy);
        QVERIFY(QFile::copy(m_farm, copy));
        writable.open(copy);
        for (const NumberedTable &table : numberedTables()) {
            writableCounts[table.name] = table.paginate(writable);
            writablePages[table.name] = pageNumbers(writable, table.name);
        }
    }
    const QString path = protectedCopy(QStringLiteral("farm-%1.mdb").arg(access));
    if (path.isEmpty())
        QSKIP("no read-only folder can be made here");
    const QByteArray before = digest(path);
    QVERIFY(!before.isEmpty());
    {
        Database db;
        db.open(path, Database::Access(access));
        QCOMPARE(db.isReadOnly(), Database::Access(access) == Database::Access::Auto);
        // Twice: the second pagination replaces the copy the first one left.
        for (int round = 0; round < 2; ++round) {
            for (const NumberedTable &table : numberedTables()) {
                QVERIFY2(writableCounts[table.name] > 2, table.name);
                QCOMPARE(table.paginate(db), writableCounts[table.name]);
                QCOMPARE(pageNumbers(db, table.name), writablePages[table.name]);
                // The file's own rows keep their stale numbers.
                QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM main.[%1] WHERE "
                                                  "NumPag <> 7 OR Ultimo <> 1")
                                       .arg(table.name))
                             .toInt(),
                         0);
            }
        }
    }
    QCOMPARE(digest(path), before);
}

void TestReadOnlyPagination::reportsOfAFileThatCanOnlyBeRead_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("economic");
    QTest::newRow("cost centres with amounts") << int(PrintChoice::CostCentres) << true;
    QTest::newRow("cost centres without amounts") << int(PrintChoice::CostCentres) << false;
    QTest::newRow("fields with amounts") << int(PrintChoice::FieldsReport) << true;
    QTest::newRow("fields without amounts") << int(PrintChoice::FieldsReport) << false;
    QTest::newRow("treatment register") << int(PrintChoice::Register) << false;
}

void TestReadOnlyPagination::reportsOfAFileThatCanOnlyBeRead()
{
    QFETCH(int, radio);
    QFETCH(bool, economic);
    const PrintChoice choice{radio, false, economic};
    // What a report gives: its pages and its table, printed from db.
    const auto printed = [&choice](Database &db, const QString &pdf) {
        FakePrompter prompter;
        const ReportContext context{
            db, Year2015, 0, 2015, 2015, QStringLiteral("Azienda"), QDate(2016, 1, 10)};
        CardPrintJob job(context, prompter, [] { return std::make_unique<FakeProgress>(); });
        PdfOutput output(pdf);
        const bool ok = job.run(choice, false, output) == CardPrintJob::Outcome::Printed;
        const std::optional<CsvTable> table = job.table(choice);
        return std::tuple(ok && prompter.verify(), output.pagesWritten(),
                          table ? table->toUtf8() : QByteArray());
    };
    const QString writable =
        m_env.path(QStringLiteral("report-%1-%2.mdb").arg(radio).arg(economic));
    QFile::remove(writable);
    QVERIFY(QFile::copy(m_farm, writable));
    Database writableDb;
    writableDb.open(writable);
    const auto [writableOk, writablePages, writableTable] =
        printed(writableDb, m_env.path(QStringLiteral("writable.pdf")));
    QVERIFY(writableOk);
    QVERIFY(writablePages > 1);

    const QString path = protectedCopy(QStringLiteral("report-%1-%2.mdb").arg(radio).arg(economic));
    if (path.isEmpty())
        QSKIP("no read-only folder can be made here");
    const QByteArray before = digest(path);
    {
        Database db;
        db.open(path);
        QVERIFY(db.isReadOnly());
        const QString pdf = m_env.path(QStringLiteral("read-only.pdf"));
        const auto [ok, pages, table] = printed(db, pdf);
        QVERIFY(ok);
        QCOMPARE(pages, writablePages);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(table, writableTable);
        QVERIFY(table.count('\n') > 50);
    }
    QCOMPARE(digest(path), before);
}

void TestReadOnlyPagination::aWritableFileNumbersItsOwnTable()
{
    const QString path = m_env.path(QStringLiteral("own.mdb"));
    QVERIFY(QFile::copy(m_farm, path));
    Database db;
    db.open(path);
    for (const NumberedTable &table : numberedTables()) {
        // A copy an earlier pagination left behind goes; the file's table gets the numbers.
        db.execute(
            QStringLiteral("CREATE TEMP TABLE [%1] AS SELECT * FROM main.[%1]").arg(table.name));
        table.paginate(db);
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE "
                                          "name = ?"),
                           {QString::fromLatin1(table.name)})
                     .toInt(),
                 0);
        QCOMPARE(
            db.scalar(
                  QStringLiteral("SELECT COUNT(*) FROM main.[%1] WHERE NumPag = 7").arg(table.name))
                .toInt(),
            0);
    }
}

QTEST_MAIN(TestReadOnlyPagination)
#include "TestReadOnlyPagination.moc"
