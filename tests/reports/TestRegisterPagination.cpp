#include "FakeProgress.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "reports/RegisterPagination.h"

#include <QTest>

class TestRegisterPagination : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pages_data();
    void pages();

private:
    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
};

void TestRegisterPagination::init()
{
    m_db = std::make_unique<Database>();
    m_db->open(m_env.copyTemplate());
    FarmFixture farm(*m_db);
    farm.addCentre(1, QStringLiteral("Vigneto"), false, true);
    farm.addCentre(2, QStringLiteral("Oliveto"), false, true);
}

void TestRegisterPagination::cleanup()
{
    m_db.reset();
}

void TestRegisterPagination::pages_data()
{
    QTest::addColumn<int>("centre1Rows");
    QTest::addColumn<int>("centre2Rows");
    QTest::addColumn<int>("expectedPages");
    QTest::addColumn<QList<int>>("pagesOfCentre1");

    // Each case also holds one row of centre 7, which is not in Centri: its section comes last.
    QTest::newRow("no rows of Centri") << 0 << 0 << 2 << QList<int>();
    QTest::newRow("20 rows") << 20 << 0 << 3 << (QList<int>(19, 2) << -2);
    QTest::newRow("21 rows") << 21 << 0 << 4 << (QList<int>(20, 2) << -3);
    QTest::newRow("two centres") << 1 << 1 << 4 << QList<int>({-2});
}

void TestRegisterPagination::pages()
{
    QFETCH(int, centre1Rows);
    QFETCH(int, centre2Rows);
    QFETCH(int, expectedPages);
    QFETCH(QList<int>, pagesOfCentre1);

    // Inserted latest first: the register runs in date order.
    const auto add = [this](int centre, int count) {
        for (int i = count; i > 0; --i)
            m_db->execute(
                QStringLiteral(
                    "INSERT INTO [Appoggio Articoli] ([Codice Centro], Data, NumPag, Ultimo) "
                    "VALUES (?, ?, 9, 1)"),
                {centre, QStringLiteral("2015-03-%1 00:00:00").arg(i, 2, 10, QLatin1Char('0'))});
    };
    add(1, centre1Rows);
    add(2, centre2Rows);
    // A treatment on a centre deleted since still belongs in the register.
    add(7, 1);

    FakeProgress progress;
    QCOMPARE(RegisterPagination(*m_db).paginate(progress), expectedPages);
    QList<int> numbers;
    QSqlQuery query = m_db->execute(QStringLiteral(
        "SELECT NumPag, Ultimo FROM [Appoggio Articoli] WHERE [Codice Centro] = 1 ORDER BY Data"));
    while (query.next())
        numbers << (query.value(1).toInt() ? -query.value(0).toInt() : query.value(0).toInt());
    QCOMPARE(numbers, pagesOfCentre1);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT -NumPag FROM [Appoggio Articoli] "
                                         "WHERE [Codice Centro] = 7 AND Ultimo <> 0"))
                 .toInt(),
             -expectedPages);
    QCOMPARE(progress.maxima[1], 3);
}

QTEST_GUILESS_MAIN(TestRegisterPagination)
#include "TestRegisterPagination.moc"
