#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "reports/TotalsPagination.h"

#include <QTest>

class TestTotalsPagination : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linesPerPage_data();
    void linesPerPage();
    void everyCentreStartsAPage();
    void reportWithoutAmountsLeavesWarehouseRowsOut();
    void fieldSectionsAreTheFieldsOfThePeriodYears();
    void progressShowsThePages();

private:
    void addRows(const QString &table, int centre, int count, int descriptionLength, int code = 1);
    int paginate(TotalsPagination::Section section, bool withAmounts);
    QList<int> pages(const QString &table, int centre);

    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestTotalsPagination::init()
{
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true);
    farm.addCentre(2, QStringLiteral("Oliveto"), false, true);
    farm.addCentre(3, QStringLiteral("Frutteto"), false, true);
}

void TestTotalsPagination::cleanup()
{
    m_db.reset();
}

void TestTotalsPagination::addRows(const QString &table, int centre, int count,
                                   int descriptionLength, int code)
{
    Transaction transaction(*m_db);
    for (int i = 0; i < count; ++i)
        m_db->execute(
            QStringLiteral(
                "INSERT INTO %1 (CodCentro, Codice, CodOperazione, Descrizione, NumPag, Ultimo) "
                "VALUES (?, ?, ?, ?, 7, 1)")
                .arg(table),
            {centre, code, i, QString(descriptionLength, QLatin1Char('x'))});
    transaction.commit();
}

int TestTotalsPagination::paginate(TotalsPagination::Section section, bool withAmounts)
{
    FakeProgress progress;
    return TotalsPagination(*m_db, section, withAmounts, {QDate(2015, 1, 1), QDate(2015, 12, 31)})
        .paginate(progress);
}

// The page of each row of the centre, in the printed order, with the last row's page negated
// when it carries Ultimo.
QList<int> TestTotalsPagination::pages(const QString &table, int centre)
{
    QList<int> result;
    QSqlQuery query = m_db->execute(
        QStringLiteral(
            "SELECT NumPag, Ultimo FROM %1 WHERE CodCentro = ? ORDER BY CodOperazione, rowid")
            .arg(table),
        {centre});
    while (query.next())
        result << (query.value(1).toInt() ? -query.value(0).toInt() : query.value(0).toInt());
    return result;
}

void TestTotalsPagination::linesPerPage_data()
{
    QTest::addColumn<bool>("withAmounts");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("descriptionLength");
    QTest::addColumn<int>("expectedPages");
    QTest::addColumn<int>("firstRowOfPage2");

    QTest::newRow("amounts, 45 short rows") << true << 45 << 23 << 1 << -1;
    QTest::newRow("amounts, 46 short rows") << true << 46 << 23 << 2 << 45;
    QTest::newRow("amounts, 22 two-line rows") << true << 22 << 24 << 1 << -1;
    QTest::newRow("amounts, 23 two-line rows") << true << 23 << 24 << 2 << 22;
    QTest::newRow("no amounts, 48 short rows") << false << 48 << 30 << 1 << -1;
    QTest::newRow("no amounts, 49 short rows") << false << 49 << 30 << 2 << 48;
    QTest::newRow("no amounts, 24-character rows take one line") << false << 48 << 24 << 1 << -1;
    QTest::newRow("no amounts, 25 two-line rows") << false << 25 << 31 << 2 << 24;
}

void TestTotalsPagination::linesPerPage()
{
    QFETCH(bool, withAmounts);
    QFETCH(int, rows);
    QFETCH(int, descriptionLength);
    QFETCH(int, expectedPages);
    QFETCH(int, firstRowOfPage2);

    addRows(QStringLiteral("Totali"), 2, rows, descriptionLength);
    QCOMPARE(paginate(TotalsPagination::Section::Centres, withAmounts), expectedPages);
    const QList<int> numbers = pages(QStringLiteral("Totali"), 2);
    QCOMPARE(numbers.size(), rows);
    QCOMPARE(numbers.last(), -expectedPages);
    QCOMPARE(numbers.count(-expectedPages), 1);
    if (firstRowOfPage2 > 0) {
        QCOMPARE(numbers.at(firstRowOfPage2 - 1), 1);
        QCOMPARE(qAbs(numbers.at(firstRowOfPage2)), 2);
    }
}

void TestTotalsPagination::everyCentreStartsAPage()
{
    // Centre 2 has no rows; centre 99 is no longer in Centri and its rows print after the rest.
    addRows(QStringLiteral("Totali"), 99, 1, 5);
    addRows(QStringLiteral("Totali"), 1, 1, 5);
    addRows(QStringLiteral("Totali"), 3, 1, 5);
    QCOMPARE(paginate(TotalsPagination::Section::Centres, true), 3);
    QCOMPARE(pages(QStringLiteral("Totali"), 1), QList<int>({-1}));
    QCOMPARE(pages(QStringLiteral("Totali"), 3), QList<int>({-2}));
    QCOMPARE(pages(QStringLiteral("Totali"), 99), QList<int>({-3}));
}

void TestTotalsPagination::reportWithoutAmountsLeavesWarehouseRowsOut()
{
    addRows(QStringLiteral("Totali"), 1, 2, 5);
    addRows(QStringLiteral("Totali"), 1, 3, 5, -1);
    addRows(QStringLiteral("Totali"), 1, 1, 5, -2);
    addRows(QStringLiteral("Totali"), 2, 1, 5, -1);
    QCOMPARE(paginate(TotalsPagination::Section::Centres, false), 1);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Totali WHERE NumPag = 1")).toInt(),
             2);
    QCOMPARE(
        m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM Totali WHERE NumPag = 0 AND Ultimo = 0"))
            .toInt(),
        5);
    QCOMPARE(paginate(TotalsPagination::Section::Centres, true), 2);
}

void TestTotalsPagination::fieldSectionsAreTheFieldsOfThePeriodYears()
{
    FarmFixture farm(*m_db);
    farm.addField(10, QStringLiteral("Nord"), 1, 1, 2014);
    farm.addField(10, QStringLiteral("Nord"), 1, 1, 2015);
    farm.addField(20, QStringLiteral("Sud"), 1, 1, 2015);
    farm.addField(30, QStringLiteral("Est"), 1, 1, 2016);
    addRows(QStringLiteral("[Totali Campi]"), 10, 46, 5);
    addRows(QStringLiteral("[Totali Campi]"), 20, 1, 40);
    addRows(QStringLiteral("[Totali Campi]"), 30, 1, 5);
    // Field 30 is held only in 2016: its rows still print, after the fields of the period.
    QCOMPARE(paginate(TotalsPagination::Section::Fields, true), 4);
    QCOMPARE(pages(QStringLiteral("[Totali Campi]"), 20), QList<int>({-3}));
    QCOMPARE(pages(QStringLiteral("[Totali Campi]"), 30), QList<int>({-4}));
    QCOMPARE(paginate(TotalsPagination::Section::Fields, false), 3);
}

void TestTotalsPagination::progressShowsThePages()
{
    addRows(QStringLiteral("Totali"), 1, 46, 5);
    FakeProgress progress;
    TotalsPagination(*m_db, TotalsPagination::Section::Centres, true,
                     {QDate(2015, 1, 1), QDate(2015, 12, 31)})
        .paginate(progress);
    QCOMPARE(progress.texts[0], QStringList({"Step (1) : Completed"}));
    QCOMPARE(progress.values[0], 100);
    QCOMPARE(progress.texts[1].last(), QStringLiteral("Step (2) : Pages to print 2"));
    QCOMPARE(progress.maxima[1], 3);
}

QTEST_GUILESS_MAIN(TestTotalsPagination)
#include "TestTotalsPagination.moc"
