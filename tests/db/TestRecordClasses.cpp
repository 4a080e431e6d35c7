#include "TestEnvironment.h"
#include "db/CAppoggioArticoli.h"
#include "db/CAppoggioSet.h"
#include "db/CArticoliSet.h"
#include "db/CCampiSet.h"
#include "db/CCentriSet.h"
#include "db/CMagazzinoSet.h"
#include "db/COperaiSet.h"
#include "db/COperazioniSet.h"
#include "db/COpereSet.h"
#include "db/CRiepilogo.h"
#include "db/CSchedaSet.h"
#include "db/CTotali.h"
#include "db/CTotaliCampi.h"
#include "db/Database.h"

#include <QTest>
#include <functional>
#include <memory>

using Factory = std::function<std::unique_ptr<RecordSet>(Database &)>;
Q_DECLARE_METATYPE(Factory)

// Every record class writes each of its columns and reads the same value back, typed by the
// column; a row of nulls reads back as nulls.
class TestRecordClasses : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    static QVariant sample(ColumnType type, int position)
    {
        switch (type) {
        case ColumnType::Long:
            return 100000 + position;
        case ColumnType::Short:
            return 300 + position;
        case ColumnType::Single:
            return 2.5 + position;
        case ColumnType::Double:
            return 1234.5678 + position;
        case ColumnType::Boolean:
            return position % 2 == 0;
        case ColumnType::Date:
            return QDateTime(QDate(2015, 3, 1 + position), QTime(10, 20, 30));
        case ColumnType::Text:
            return QStringLiteral("testo %1 àè").arg(position);
        }
        return {};
    }

    template <typename T> static Factory make()
    {
        return [](Database &db) { return std::make_unique<T>(db); };
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("columns");
        QTest::newRow("Scheda") << make<CSchedaSet>() << "Scheda" << 13;
        QTest::newRow("Opere") << make<COpereSet>() << "Opere" << 14;
        QTest::newRow("Magazzino") << make<CMagazzinoSet>() << "Magazzino" << 15;
        QTest::newRow("Centri") << make<CCentriSet>() << "Centri" << 5;
        QTest::newRow("Campi") << make<CCampiSet>() << "Campi" << 6;
        QTest::newRow("Operai") << make<COperaiSet>() << "Operai" << 4;
        QTest::newRow("Operazioni") << make<COperazioniSet>() << "Operazioni" << 2;
        QTest::newRow("Articoli") << make<CArticoliSet>() << "Articoli" << 5;
        QTest::newRow("Totali") << make<CTotali>() << "Totali" << 10;
        QTest::newRow("Totali Campi") << make<CTotaliCampi>() << "Totali Campi" << 12;
        QTest::newRow("Riepilogo") << make<CRiepilogo>() << "Riepilogo" << 6;
        QTest::newRow("Appoggio Articoli")
            << make<CAppoggioArticoli>() << "Appoggio Articoli" << 13;
        QTest::newRow("Appoggio Campi") << make<CAppoggioSet>() << "Appoggio Campi" << 6;
    }

    void roundTrip()
    {
        QFETCH(Factory, factory);
        QFETCH(QString, table);
        QFETCH(int, columns);
        Database db;
        db.open(m_env.copyTemplate());
        QVERIFY(db.tableExists(table));

        auto writer = factory(db);
        writer->open();
        QCOMPARE(writer->columnCount(), columns);
        QCOMPARE(writer->recordCount(), 0);

        writer->addNew();
        for (int i = 0; i < columns; ++i)
            if (!isCounter(table, writer->columnName(i)))
                writer->setNull(i);
        writer->update();
        const auto nullRow = writer->lastModified();

        writer->addNew();
        for (int i = 0; i < columns; ++i)
            if (!isCounter(table, writer->columnName(i)))
                writer->setValue(i, sample(writer->columnType(i), i));
        writer->update();
        const auto fullRow = writer->lastModified();

        auto reader = factory(db);
        reader->open();
        QCOMPARE(reader->recordCount(), 2);
        reader->setBookmark(fullRow);
        for (int i = 0; i < columns; ++i) {
            if (isCounter(table, reader->columnName(i)))
                QVERIFY2(reader->value(i).toInt() > 0, qPrintable(reader->columnName(i)));
            else
                QCOMPARE(reader->value(i), sample(reader->columnType(i), i));
        }
        reader->setBookmark(nullRow);
        for (int i = 0; i < columns; ++i)
            if (!isCounter(table, reader->columnName(i)))
                QVERIFY2(reader->isNull(i), qPrintable(reader->columnName(i)));
    }

private:
    static bool isCounter(const QString &table, const QString &column)
    {
        return (table == QLatin1String("Scheda") && column == QLatin1String("IDScheda")) ||
               (table == QLatin1String("Opere") && column == QLatin1String("IDOpera")) ||
               (table == QLatin1String("Magazzino") && column == QLatin1String("IDBolla"));
    }
};

QTEST_GUILESS_MAIN(TestRecordClasses)
#include "TestRecordClasses.moc"
