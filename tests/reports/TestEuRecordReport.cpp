#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "TreatmentFixture.h"
#include "base/CsvTable.h"
#include "base/NumberText.h"
#include "base/Progress.h"
#include "base/SettingsKeys.h"
#include "db/SchemaUpgrade.h"
#include "reports/EuRecordReport.h"
#include "reports/RecordingSurface.h"
#include "reports/ReportText.h"
#include "reports/TreatmentRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

const WorkingPeriod Year2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};

// The y of the first text call of a row that starts with text, or 1 when none.
int yOf(const RecordingSurface &surface, const QString &text)
{
    const RecordingSurface::Call *call = surface.findText(text);
    return call ? call->y : 1;
}

} // namespace

class TestEuRecordReport : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;

    ReportContext context(const WorkingPeriod &period = Year2026)
    {
        CompanyData company;
        company.setText(SettingsKeys::CompanyName.name,
                        QStringLiteral("Azienda Agricola Il Poggio"));
        company.setText(SettingsKeys::CompanyTaxCode.name, QStringLiteral("RSSMRA70A01H501U"));
        return ReportContext::forPeriod(*m_db, period, 0, company, QDate(2026, 12, 31));
    }

    // count treatments on field 5 of a vineyard, every fifth with a product name long enough
    // to take several lines.
    void seed(int count)
    {
        TreatmentFixture::addColumns(*m_db);
        FarmFixture farm(*m_db);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 4);
        m_db->execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = 'VITVI'"));
        farm.addField(5, QStringLiteral("Vigna alta"), 1, 2, 2026);
        TreatmentFixture::setParcel(*m_db, 5, QStringLiteral("IT-021-0042"));
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        farm.addItem(11,
                     QStringLiteral("Prodotto fitosanitario a base di ossicloruro di rame e zolfo "
                                    "bagnabile in sospensione concentrata per vite e olivo"),
                     QStringLiteral("kg"), true);
        m_db->execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = 'R' || Codice"));
        for (int i = 0; i < count; ++i)
            farm.addWork(farm.addCard(QDateTime(QDate(2026, 1, 1).addDays(i), QTime(8, 0))),
                         {.centreType = 2, .centre = 1, .field = 5},
                         {.type = 3,
                          .item = i % 5 == 4 ? 11 : 10,
                          .quantity = 1234567.5 + i,
                          .unit = QStringLiteral("L")});
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_env.clearSettings();
        m_db = std::make_unique<Database>();
        m_db->open(m_env.copyTemplate());
        SchemaUpgrade::upgrade(*m_db);
    }
    void cleanup() { m_db.reset(); }

    void wrapsBetweenWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        // 176 units hold 10 letters.
        QTest::newRow("fits") << "Rame 20" << 176 << QStringList{"Rame 20"};
        QTest::newRow("empty") << "" << 176 << QStringList{};
        QTest::newRow("two words")
            << "Ossicloruro rame" << 208 << QStringList{"Ossicloruro", "rame"};
        QTest::newRow("long word broken") << "abcdefghijklmnopqrstuvwxyz" << 176
                                          << QStringList{"abcdefghij", "klmnopqrst", "uvwxyz"};
        QTest::newRow("cut after the last line")
            << QString("word ").repeated(20) << 80 << QStringList(8, "word");
    }
    void wrapsBetweenWords()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        const QStringList wrapped = EuRecordReport::wrap(text, width);
        if (wrapped.size() == EuRecordReport::MaxCellLines && text.size() > 80) {
            QCOMPARE(wrapped.mid(0, 7), lines.mid(0, 7));
            QVERIFY(wrapped.last().endsWith("..."));
            return;
        }
        QCOMPARE(wrapped, lines);
    }

    void rowsAreNeverSplit_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<int>>("starts");
        // The body holds 1530 units: 30 rows of one line (50 each), 18 of two (84 each).
        QTest::newRow("none") << QList<int>{} << QList<int>{};
        QTest::newRow("one page full") << QList<int>(30, 1) << QList<int>{0};
        QTest::newRow("one more") << QList<int>(31, 1) << QList<int>{0, 30};
        QTest::newRow("two-line row that no longer fits")
            << (QList<int>(29, 1) << 2) << QList<int>{0, 29};
        QTest::newRow("tallest rows")
            << QList<int>(7, EuRecordReport::MaxCellLines) << QList<int>{0, 5};
    }
    void rowsAreNeverSplit()
    {
        QFETCH(QList<int>, lines);
        QFETCH(QList<int>, starts);
        QCOMPARE(EuRecordReport::pageStarts(lines), starts);
    }

    void everyPageCarriesTheIdentityAndWholeRows()
    {
        seed(80);
        EuRecordReport report(context());
        QVERIFY(report.landscape());
        NullProgress progress;
        const int pages = report.countPages(progress);
        QVERIFY(pages >= 3);
        int rowsSeen = 0;
        for (int page = 1; page <= pages; ++page) {
            RecordingSurface surface;
            report.drawPage(surface, page, pages);
            const QStringList texts = surface.texts();
            QVERIFY(texts.contains("Treatment record (EU)"));
            QVERIFY(texts.contains("Azienda Agricola Il Poggio - tax code RSSMRA70A01H501U"));
            QVERIFY(texts.contains(QString("Page %1 of %2").arg(page).arg(pages)));
            for (const RecordingSurface::Call &call : surface.calls()) {
                // Nothing runs into the footer or off the page.
                QVERIFY(call.y >= EuRecordReport::BodyBottom || call.y <= -1900);
                QVERIFY(call.x2 <= 2750 && call.x <= 2750);
            }
            // A long product name is drawn whole on the page its row starts on: its last words
            // are there too.
            const int first = texts.indexOf(QRegularExpression("^Prodotto fitosanitario.*"));
            if (first >= 0)
                QVERIFY(texts.mid(first, 8).join(' ').contains(QStringLiteral("olivo")));
            rowsSeen += int(report.tableRows(page, pages).size());
            QVERIFY(yOf(surface, "R10") <= EuRecordReport::BodyTop);
        }
        QCOMPARE(rowsSeen, 80);
    }

    void rowsEqualTheRecordWrittenAsJson()
    {
        seed(12);
        TreatmentFixture::setApplication(*m_db, 1, 0.5, QStringLiteral("61"),
                                         QStringLiteral("06:45"));
        EuRecordReport report(context());
        NullProgress progress;
        const int pages = report.countPages(progress);
        QCOMPARE(pages, 1);
        const QList<QVariantList> rows = report.tableRows(1, pages);
        const QStringList columns = report.tableColumns();
        const QJsonArray records =
            QJsonDocument::fromJson(
                TreatmentRecord(*m_db, Year2026, TreatmentRecord::Company::of(context().company))
                    .toJson())
                .array();
        QCOMPARE(rows.size(), records.size());
        for (int row = 0; row < rows.size(); ++row) {
            const QJsonObject record = records.at(row).toObject();
            for (int column = 0; column < columns.size(); ++column) {
                QJsonValue expected = record.value(columns.at(column));
                if (expected.isArray())
                    expected = expected.toVariant().toStringList().join(' ');
                const QVariant cell = rows.at(row).at(column);
                const QJsonValue printed = cell.typeId() == QMetaType::QDate
                                               ? QJsonValue(cell.toDate().toString(Qt::ISODate))
                                               : QJsonValue::fromVariant(cell);
                QVERIFY2(printed == expected, qPrintable(columns.at(column)));
            }
        }
        // The printed row shows the partial area and its dose.
        RecordingSurface surface;
        report.drawPage(surface, 1, pages);
        QVERIFY(surface.texts().contains("0.5000"));
        QVERIFY(surface.texts().contains(FormatNumber(1234567.5, false) + " L"));
        // Dates and figures are drawn whole.
        QVERIFY(surface.texts().contains(ReportText::date(QDate(2026, 1, 1))));
        QVERIFY(surface.texts().contains(FormatNumber(2469135, false) + " L/ha"));
        QVERIFY(surface.texts().contains("06:45"));
        QVERIFY(surface.texts().contains("61"));
    }

    void emptyPeriodPrintsNothing()
    {
        seed(3);
        EuRecordReport report(context({QDate(2025, 1, 1), QDate(2025, 12, 31)}));
        NullProgress progress;
        QCOMPARE(report.countPages(progress), 0);
        QVERIFY(report.noDataMessage().contains("no treatments"));
        QCOMPARE(report.table(progress).rowCount(), 0);
    }
};

QTEST_MAIN(TestEuRecordReport)
#include "TestEuRecordReport.moc"
