#include "cards/WorkEntry.h"

#include <QLocale>
#include <QTest>

using Field = WorkEntry::Field;
Q_DECLARE_METATYPE(WorkEntry::Field)

namespace {

QHash<Field, QString> defaults(const WorkEntry &entry)
{
    QHash<Field, QString> texts;
    for (int f = int(Field::HolidayHours); f <= int(Field::Adversity); ++f)
        texts.insert(Field(f), entry.text(Field(f)));
    return texts;
}

} // namespace

class TestWorkEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void checks_data();
    void checks();
    void typedNumbers_data();
    void typedNumbers();
    void firstFailingFieldInReadingOrder();
    void defaultsAreAcceptedAndReadBack();
    void centreCodeByKind();
    void resetKeepsKindAndMovementType();
    void summaryAndCodes();
    void treatment_data();
    void treatment();
    void treatmentMovements();
};

void TestWorkEntry::checks_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("24 hours") << Field::RegularHours << "24"
                              << "";
    QTest::newRow("24.5 regular") << Field::RegularHours << "24.5"
                                  << "Enter a number between 0 and 24.";
    QTest::newRow("24.5 overtime") << Field::OvertimeHours << "24.5"
                                   << "Enter a number between 0 and 24.";
    QTest::newRow("24.5 holiday") << Field::HolidayHours << "24.50"
                                  << "Enter a number between 0 and 24.";
    QTest::newRow("VAT 100 %") << Field::Vat << "100%"
                               << "";
    QTest::newRow("VAT over 100 %") << Field::Vat << "100.5%"
                                    << "Enter a number between 0 and 100.";
    QTest::newRow("code 10000") << Field::WorkerCode << "10000"
                                << "";
    QTest::newRow("code 10001") << Field::WorkerCode << "10001"
                                << "Enter an integer between 0 and 10000.";
    QTest::newRow("machine code out of range") << Field::Machine2 << "20000"
                                               << "Enter an integer between 0 and 10000.";
    QTest::newRow("item code not a number") << Field::ItemCode << "5a"
                                            << "Enter an integer.";
    QTest::newRow("operation code negative") << Field::OperationCode << "-1"
                                             << "Enter an integer between 0 and 10000.";
    QTest::newRow("centre code out of range") << Field::CentreCode << "10001"
                                              << "Enter an integer between 0 and 10000.";
    QTest::newRow("empty code") << Field::Machine1 << ""
                                << "";
    QTest::newRow("stage 20") << Field::Stage << QString(20, 's') << "";
    QTest::newRow("stage 21") << Field::Stage << QString(21, 's')
                              << "Enter no more than 20 characters.";
    QTest::newRow("unit 6") << Field::Unit << "metres"
                            << "Enter no more than 5 characters.";
    QTest::newRow("document 101") << Field::DocumentRef << QString(101, 'd')
                                  << "Enter no more than 100 characters.";
    QTest::newRow("note 256") << Field::Note << QString(256, 'n')
                              << "Enter no more than 255 characters.";
    QTest::newRow("adversity 101")
        << Field::Adversity << QString(101, 'a') << "Enter no more than 100 characters.";
    QTest::newRow("large quantity") << Field::Quantity << "1,234,567.50"
                                    << "";
}

void TestWorkEntry::checks()
{
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    WorkEntry entry;
    QHash<Field, QString> texts = defaults(entry);
    texts[field] = text;
    const auto error = entry.read(texts);
    QCOMPARE(error ? error->message : QString(), message);
    if (error) {
        QCOMPARE(error->field, field);
        QCOMPARE(entry.regularHours, 0.0);
    }
}

static double numberOf(const WorkEntry &entry, Field field)
{
    switch (field) {
    case Field::OvertimeHours:
        return entry.overtimeHours;
    case Field::RegularHours:
        return entry.regularHours;
    case Field::Quantity:
        return entry.quantity;
    case Field::Value:
        return entry.value;
    case Field::Vat:
        return entry.vat;
    default:
        return -1;
    }
}

void TestWorkEntry::typedNumbers_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("message");
    const QString notANumber = QStringLiteral("Enter a number.");
    const QString hours = QStringLiteral("Enter a number between 0 and 24.");
    const QString notNegative = QStringLiteral("Enter a number that is not negative.");
    QTest::newRow("en comma hours") << "en_US" << Field::OvertimeHours << "1,5" << 1.5 << "";
    QTest::newRow("it comma hours") << "it_IT" << Field::OvertimeHours << "1,5" << 1.5 << "";
    QTest::newRow("it point hours") << "it_IT" << Field::OvertimeHours << "1.5" << 1.5 << "";
    QTest::newRow("en comma quantity") << "en_US" << Field::Quantity << "3,75" << 3.75 << "";
    QTest::newRow("en grouped quantity") << "en_US" << Field::Quantity << "1,234.5" << 1234.5 << "";
    QTest::newRow("it grouped value") << "it_IT" << Field::Value << "1.234,50 €" << 1234.5 << "";
    QTest::newRow("it VAT") << "it_IT" << Field::Vat << "22,5%" << 0.225 << "";
    QTest::newRow("letters") << "en_US" << Field::OvertimeHours << "abc" << 0.0 << notANumber;
    QTest::newRow("two marks") << "it_IT" << Field::Quantity << "1,2,3" << 0.0 << notANumber;
    QTest::newRow("negative hours") << "en_US" << Field::RegularHours << "-3" << 0.0 << hours;
    QTest::newRow("negative quantity") << "it_IT" << Field::Quantity << "-3" << 0.0 << notNegative;
    QTest::newRow("negative value") << "en_US" << Field::Value << "($5.00)" << 0.0 << notNegative;
    QTest::newRow("negative VAT") << "en_US" << Field::Vat << "-5%" << 0.0
                                  << "Enter a number between 0 and 100.";
}

void TestWorkEntry::typedNumbers()
{
    QFETCH(QString, locale);
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(double, stored);
    QFETCH(QString, message);
    QLocale::setDefault(QLocale(locale));
    WorkEntry entry;
    QHash<Field, QString> texts = defaults(entry);
    texts[field] = text;
    const auto error = entry.read(texts);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(error ? error->message : QString(), message);
    if (error)
        QCOMPARE(error->field, field);
    QCOMPARE(numberOf(entry, field), stored);
}

void TestWorkEntry::firstFailingFieldInReadingOrder()
{
    WorkEntry entry;
    QHash<Field, QString> texts = defaults(entry);
    texts[Field::Adversity] = QString(101, 'a');
    texts[Field::Vat] = QStringLiteral("150%");
    texts[Field::RegularHours] = QStringLiteral("30");
    texts[Field::HolidayHours] = QStringLiteral("25");
    QCOMPARE(entry.read(texts)->field, Field::HolidayHours);
    texts[Field::HolidayHours] = QStringLiteral("2");
    QCOMPARE(entry.read(texts)->field, Field::RegularHours);
    texts[Field::RegularHours] = QStringLiteral("2");
    QCOMPARE(entry.read(texts)->field, Field::Vat);
}

void TestWorkEntry::defaultsAreAcceptedAndReadBack()
{
    WorkEntry entry;
    QVERIFY(!entry.read(defaults(entry)));
    QCOMPARE(entry.workerCode, 0);
    QCOMPARE(entry.value, 0.0);

    WorkEntry filled;
    filled.holidayHours = 1.5;
    filled.quantity = 1234567.5;
    filled.value = 1234.56;
    filled.vat = 0.22;
    filled.machineCodes = {1, 2, 3};
    filled.note = QStringLiteral("n");
    WorkEntry back;
    QVERIFY(!back.read(defaults(filled)));
    QCOMPARE(back.holidayHours, 1.5);
    QCOMPARE(back.quantity, 1234567.5);
    QCOMPARE(back.value, 1234.56);
    QCOMPARE(back.vat, 0.22);
    QCOMPARE(back.machineCodes, filled.machineCodes);
    QCOMPARE(back.note, QStringLiteral("n"));
}

void TestWorkEntry::centreCodeByKind()
{
    WorkEntry entry;
    entry.centreKind = WorkEntry::FieldKind;
    entry.centreCode = 10;
    QHash<Field, QString> texts = defaults(entry);
    texts[Field::CentreCode] = QStringLiteral("50000");
    QVERIFY(!entry.read(texts));
    QCOMPARE(entry.fieldCode, 50000);
    QCOMPARE(entry.centreCode, 10);

    entry.centreKind = 1;
    texts[Field::CentreCode] = QStringLiteral("12");
    QVERIFY(!entry.read(texts));
    QCOMPARE(entry.centreCode, 12);
}

void TestWorkEntry::resetKeepsKindAndMovementType()
{
    WorkEntry entry;
    entry.centreKind = 3;
    entry.movementType = 4;
    entry.workerCode = 9;
    entry.fieldCode = 5;
    entry.vat = 0.1;
    entry.stage = QStringLiteral("x");
    entry.resetForNext();
    QCOMPARE(entry.centreKind, 3);
    QCOMPARE(entry.movementType, 4);
    QCOMPARE(entry.workerCode, 0);
    QCOMPARE(entry.fieldCode, 0);
    QCOMPARE(entry.vat, 0.0);
    QCOMPARE(entry.stage, QString());
}

void TestWorkEntry::summaryAndCodes()
{
    QCOMPARE(WorkEntry::summary(QStringLiteral("$100.00"), QStringLiteral("22.00%")),
             QStringLiteral("Income: $100.00 - Tax: $22.00 - Total: $122.00"));
    QCOMPARE(WorkEntry::summary(QString(), QString()),
             QStringLiteral("Income: $0.00 - Tax: $0.00 - Total: $0.00"));
    QCOMPARE(WorkEntry::leadingCode(QStringLiteral("12abc")), 12);
    QCOMPARE(WorkEntry::leadingCode(QString()), 0);
    QCOMPARE(WorkEntry::leadingCode(QStringLiteral("x1")), 0);
    QCOMPARE(WorkEntry::kindName(2), QStringLiteral("Fields"));
    QCOMPARE(WorkEntry::movementTypeName(5), QStringLiteral("Initial inventory"));
}

void TestWorkEntry::treatment_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<double>("surface");
    QTest::addColumn<QString>("stage");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("storedArea"); // -1: none, the whole surface
    QTest::addColumn<QString>("storedTime");

    const QString areaRefused =
        "Enter a treated area above 0 and not above the surface of 2.00 ha.";
    QTest::newRow("defaults") << "" << 2.0 << ""
                              << ""
                              << "" << -1.0 << "";
    QTest::newRow("surface as shown") << "2.00" << 2.0 << "61"
                                      << "7:05"
                                      << "" << -1.0 << "07:05";
    QTest::newRow("shown surface of more decimals") << "1.23" << 1.2345 << ""
                                                    << ""
                                                    << "" << -1.0 << "";
    QTest::newRow("partial") << "0.5" << 2.0 << "09"
                             << "23:59"
                             << "" << 0.5 << "23:59";
    QTest::newRow("no surface known") << "3" << 0.0 << ""
                                      << ""
                                      << "" << 3.0 << "";
    QTest::newRow("above the surface") << "2.01" << 2.0 << ""
                                       << "" << areaRefused << 0.0 << "";
    QTest::newRow("zero") << "0" << 2.0 << ""
                          << "" << areaRefused << 0.0 << "";
    QTest::newRow("negative") << "-1" << 2.0 << ""
                              << "" << areaRefused << 0.0 << "";
    QTest::newRow("zero without surface") << "0" << 0.0 << ""
                                          << ""
                                          << "Enter a treated area above 0 ha." << 0.0 << "";
    QTest::newRow("not a number") << "half" << 2.0 << ""
                                  << ""
                                  << "Enter the treated area as a number of hectares." << 0.0 << "";
    QTest::newRow("stage of one digit") << "" << 2.0 << "6"
                                        << ""
                                        << "Choose a BBCH stage from 00 to 99." << 0.0 << "";
    QTest::newRow("stage of three digits") << "" << 2.0 << "100"
                                           << ""
                                           << "Choose a BBCH stage from 00 to 99." << 0.0 << "";
    const QString timeRefused = "Enter the time of application as HH:MM, from 00:00 to 23:59.";
    QTest::newRow("hour 24") << "" << 2.0 << ""
                             << "24:00" << timeRefused << 0.0 << "";
    QTest::newRow("minute 60") << "" << 2.0 << ""
                               << "10:60" << timeRefused << 0.0 << "";
    QTest::newRow("no colon") << "" << 2.0 << ""
                              << "1030" << timeRefused << 0.0 << "";
}

void TestWorkEntry::treatment()
{
    QFETCH(QString, area);
    QFETCH(double, surface);
    QFETCH(QString, stage);
    QFETCH(QString, time);
    QFETCH(QString, message);
    QFETCH(double, storedArea);
    QFETCH(QString, storedTime);

    WorkEntry entry;
    entry.treatedArea = 1.0;
    entry.bbchStage = "31";
    entry.applicationTime = "12:00";
    const auto error = entry.readTreatment(
        {{Field::TreatedArea, area}, {Field::BbchStage, stage}, {Field::ApplicationTime, time}},
        surface);
    if (!message.isEmpty()) {
        QVERIFY(error);
        QCOMPARE(error->message, message);
        // Refused: the entry is as it was.
        QCOMPARE(entry.treatedArea, std::optional<double>(1.0));
        QCOMPARE(entry.bbchStage, QStringLiteral("31"));
        QCOMPARE(entry.applicationTime, QStringLiteral("12:00"));
        return;
    }
    QVERIFY2(!error, qPrintable(error ? error->message : QString()));
    QCOMPARE(entry.treatedArea.has_value(), storedArea >= 0);
    if (storedArea >= 0)
        QCOMPARE(*entry.treatedArea, storedArea);
    QCOMPARE(entry.bbchStage, stage);
    QCOMPARE(entry.applicationTime, storedTime);
}

void TestWorkEntry::treatmentMovements()
{
    struct Case
    {
        int kind;
        int type;
        int item;
        bool notebook;
        bool treatment;
    } cases[] = {
        {2, 3, 5, true, true},   // working movement on a field
        {1, 0, 5, true, true},   // no type chosen, on a crop centre
        {2, 3, 5, false, false}, // an item the register does not print
        {2, 3, 0, true, false},  // no item
        {3, 3, 5, true, false},  // on a machine
        {2, 1, 5, true, false},  // a production
        {2, 2, 5, true, false},  // a purchase
    };
    for (const Case &c : cases) {
        WorkEntry entry;
        entry.centreKind = c.kind;
        entry.movementType = c.type;
        entry.itemCode = c.item;
        QVERIFY2(entry.isTreatment(c.notebook) == c.treatment,
                 qPrintable(QStringLiteral("kind %1 type %2").arg(c.kind).arg(c.type)));
    }
    WorkEntry entry;
    QCOMPARE(entry.treatedAreaText(2.5), QStringLiteral("2.50"));
    QCOMPARE(entry.treatedAreaText(0), QString());
    entry.treatedArea = 0.75;
    QCOMPARE(entry.treatedAreaText(2.5), QStringLiteral("0.75"));
    entry.clearTreatment();
    QVERIFY(!entry.treatedArea);
}

QTEST_GUILESS_MAIN(TestWorkEntry)
#include "TestWorkEntry.moc"
