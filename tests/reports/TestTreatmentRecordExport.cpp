#include "FakePrompter.h"
#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "TreatmentFixture.h"
#include "db/SchemaUpgrade.h"
#include "reports/ui/IncompleteTreatmentsDialog.h"
#include "reports/ui/TreatmentRecordExport.h"

#include <QSignalSpy>
#include <QTreeWidget>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using Format = TreatmentRecord::Format;
using Destination = TreatmentRecordExport::Destination;

namespace {

const WorkingPeriod Year2026{QDate(2026, 1, 1), QDate(2026, 12, 31)};
const TreatmentRecord::Company Company{QStringLiteral("Il Poggio"),
                                       QStringLiteral("RSSMRA70A01H501U")};

TreatmentRecordExport::Chooser choose(const QString &path, Format format)
{
    return [=](const QString &) { return std::optional<Destination>(Destination{path, format}); };
}

} // namespace

class TestTreatmentRecordExport : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<Database> m_db;
    QTemporaryDir m_dir;

    // Two treatments of a vineyard's field of 2.5 ha: one complete, one of a product without an
    // authorisation number.
    void seed()
    {
        TreatmentFixture::addColumns(*m_db);
        FarmFixture farm(*m_db);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 4);
        farm.addField(5, QStringLiteral("Vigna alta"), 1, 2.5, 2026);
        TreatmentFixture::setParcel(*m_db, 5, QStringLiteral("IT-021-0042"));
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        farm.addItem(11, QStringLiteral("Zolfo"), QStringLiteral("kg"), true);
        m_db->execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = 'VITVI' WHERE Codice = 1"));
        m_db->execute(
            QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = '12345' WHERE Codice = 10"));
        const FarmFixture::Work onVineyard{.centreType = 2, .centre = 1, .field = 5};
        const qint64 card = farm.addCard(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        farm.addWork(card, onVineyard, {.type = 3, .item = 10, .quantity = 5, .unit = "L"});
        farm.addWork(card, onVineyard, {.type = 3, .item = 11, .quantity = 4, .unit = "kg"});
    }

private slots:
    void init()
    {
        m_env.clearSettings();
        m_db = std::make_unique<Database>();
        m_db->open(m_env.copyTemplate());
        SchemaUpgrade::upgrade(*m_db);
    }
    void cleanup() { m_db.reset(); }

    void destinationFollowsTheNameOrTheFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::newRow("no suffix, JSON filter")
            << "/x/record" << int(Format::Json) << "/x/record.json" << int(Format::Json);
        QTest::newRow("no suffix, CSV filter")
            << "/x/record" << int(Format::Csv) << "/x/record.csv" << int(Format::Csv);
        QTest::newRow("typed .csv wins")
            << "/x/r.csv" << int(Format::Json) << "/x/r.csv" << int(Format::Csv);
        QTest::newRow("typed .JSON wins")
            << "/x/r.JSON" << int(Format::Csv) << "/x/r.JSON" << int(Format::Json);
        QTest::newRow("typed .geojson wins")
            << "/x/r.geojson" << int(Format::Csv) << "/x/r.geojson" << int(Format::GeoJson);
        QTest::newRow("no suffix, GeoJSON filter")
            << "/x/record" << int(Format::GeoJson) << "/x/record.geojson" << int(Format::GeoJson);
        QTest::newRow("other suffix")
            << "/x/r.2026" << int(Format::Csv) << "/x/r.2026.csv" << int(Format::Csv);
    }
    void destinationFollowsTheNameOrTheFilter()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, path);
        QFETCH(int, format);
        const Destination destination =
            TreatmentRecordExport::destinationFor(typed, Format(filter));
        QCOMPARE(destination.path, path);
        QCOMPARE(int(destination.format), format);
    }

    void writesAndNamesTheIncompleteTreatments()
    {
        seed();
        FakePrompter prompter;
        const QString path = m_dir.filePath("record.json");
        prompter.expectContaining(Prompter::Icon::Warning,
                                  QStringLiteral("2 treatment record(s) written to %1.\n\n1 "
                                                 "treatment(s) written without")
                                      .arg(QDir::toNativeSeparators(path)));
        TreatmentRecordExport exporter(*m_db, Year2026, prompter);
        QVERIFY(exporter.run(choose(path, Format::Json), Company));
        QVERIFY(prompter.verify());
        QVERIFY(prompter.shown().constLast().contains("Zolfo"));
        QVERIFY(!prompter.shown().constLast().contains("Rame 20"));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonArray records = QJsonDocument::fromJson(file.readAll()).array();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).toObject().value("dose_per_hectare").toDouble(), 2.0);
    }

    void listerShowsTheIncompleteAndOpensTheirWork()
    {
        seed();
        FakePrompter prompter;
        TreatmentRecordExport exporter(*m_db, Year2026, prompter);
        QString shownHeadline;
        QList<TreatmentRecord::Treatment> shown;
        exporter.setIncompleteLister(
            [&](const QString &headline, const QList<TreatmentRecord::Treatment> &incomplete) {
                shownHeadline = headline;
                shown = incomplete;
            });
        QVERIFY(exporter.run(choose(m_dir.filePath("record.csv"), Format::Csv), Company));
        QVERIFY(prompter.verify());
        QVERIFY2(shownHeadline.contains("1 treatment(s) written without"),
                 qPrintable(shownHeadline));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().product, QStringLiteral("Zolfo"));

        IncompleteTreatmentsDialog dialog(shownHeadline, shown);
        QCOMPARE(dialog.list()->topLevelItemCount(), 1);
        QTreeWidgetItem *item = dialog.list()->topLevelItem(0);
        QCOMPARE(item->text(1), QStringLiteral("Zolfo"));
        QCOMPARE(item->text(2), QStringLiteral("Vigna alta (5)"));
        QCOMPARE(item->text(3), QStringLiteral("the product has no authorisation number"));
        QSignalSpy opened(&dialog, &IncompleteTreatmentsDialog::openWork);
        dialog.show();
        emit dialog.list()->itemDoubleClicked(item, 0);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().at(0).toLongLong(), shown.first().cardId);
        QCOMPARE(opened.first().at(1).toLongLong(), shown.first().workId);
        QVERIFY(shown.first().workId > 0);
        QVERIFY(!dialog.isVisible());
    }

    void longListsAreCut()
    {
        FarmFixture farm(*m_db);
        farm.addCentre(1, QStringLiteral("Vigneto"), false, true, 1);
        farm.addItem(10, QStringLiteral("Rame 20"), QStringLiteral("L"), true);
        const qint64 card = farm.addCard(QDateTime(QDate(2026, 5, 4), QTime(8, 0)));
        for (int i = 0; i < TreatmentRecordExport::MaxListed + 3; ++i)
            farm.addWork(card, {.centreType = 1, .centre = 1},
                         {.type = 3, .item = 10, .quantity = 1});
        const TreatmentRecord record(*m_db, Year2026, Company);
        const QString text = TreatmentRecordExport::report(record, "/x/r.csv");
        QCOMPARE(text.count("Rame 20"), TreatmentRecordExport::MaxListed);
        QVERIFY(text.endsWith("and 3 more."));
    }

    void cancelAndFailure()
    {
        seed();
        FakePrompter prompter;
        TreatmentRecordExport exporter(*m_db, Year2026, prompter);
        QVERIFY(
            !exporter.run([](const QString &) { return std::optional<Destination>(); }, Company));
        const QString unreachable = m_dir.filePath("missing/record.csv");
        prompter.expectContaining(Prompter::Icon::Error, QDir::toNativeSeparators(unreachable));
        QVERIFY(!exporter.run(choose(unreachable, Format::Csv), Company));
        QVERIFY(prompter.verify());
        QVERIFY(!QFile::exists(unreachable));
    }
};

QTEST_MAIN(TestTreatmentRecordExport)
#include "TestTreatmentRecordExport.moc"
