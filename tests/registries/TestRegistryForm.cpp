#include "FakePrompter.h"
#include "registries/RegistryForm.h"
#include "registries/RegistryKey.h"

#include <QLocale>
#include <QTest>

using Style = RegistryForm::NumberStyle;
using Control = RegistryForm::Control;
using Parcel = RegistryForm::Parcel;
Q_DECLARE_METATYPE(RegistryForm::Control)
Q_DECLARE_METATYPE(RegistryForm::Parcel)

namespace {

const QString Outline = QStringLiteral(
    "{\"coordinates\":[[[9,45],[9.001,45],[9.001,45.001],[9,45]]],\"type\":\"Polygon\"}");

RegistryForm::Texts fieldTexts(const std::optional<Parcel> &parcel)
{
    RegistryForm::Texts texts{"7", "North", "2", "Hill", 0, false, {}, parcel};
    return texts;
}

} // namespace

class TestRegistryForm : public QObject
{
    Q_OBJECT

private slots:
    void validation_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("item");
        QTest::addColumn<QString>("message");

        const QString long101(101, QLatin1Char('x'));
        QTest::newRow("code not a number") << "abc"
                                           << ""
                                           << "1"
                                           << "" << false << "Enter an integer.";
        QTest::newRow("code 0") << "0"
                                << ""
                                << "1"
                                << "" << false << "Enter an integer between 1 and 10000.";
        QTest::newRow("code too big") << "10001"
                                      << ""
                                      << "1"
                                      << "" << false << "Enter an integer between 1 and 10000.";
        QTest::newRow("description too long")
            << "1" << long101 << "1"
            << "" << false << "Enter no more than 100 characters.";
        QTest::newRow("negative acres") << "1"
                                        << ""
                                        << "-5"
                                        << "" << false << "Enter a number between 0 and 100000000.";
        QTest::newRow("acres too big") << "1"
                                       << ""
                                       << "200000000"
                                       << "" << false << "Enter a number between 0 and 100000000.";
        QTest::newRow("acres not a number") << "1"
                                            << ""
                                            << "lots"
                                            << "" << false << "Enter a number.";
        QTest::newRow("place too long")
            << "1"
            << ""
            << "1" << long101 << false << "Enter no more than 100 characters.";
        QTest::newRow("unit too long") << "1"
                                       << ""
                                       << "kilogram"
                                       << "1" << true << "Enter no more than 5 characters.";
        QTest::newRow("unit cost not a number") << "1"
                                                << ""
                                                << "kg"
                                                << "free" << true << "Enter a number.";
        QTest::newRow("negative unit cost")
            << "1"
            << ""
            << "kg"
            << "-2" << true << "Enter a number that is not negative.";
        QTest::newRow("two decimal marks") << "1"
                                           << ""
                                           << "1.2.3"
                                           << "" << false << "Enter a number.";
        QTest::newRow("limits accepted")
            << "10000" << QString(100, 'x') << "100000000" << QString(100, 'y') << false << "";
        QTest::newRow("item accepted") << "1"
                                       << ""
                                       << "kilos"
                                       << "" << true << "";
    }

    void validation()
    {
        QFETCH(QString, code);
        QFETCH(QString, description);
        QFETCH(QString, number);
        QFETCH(QString, place);
        QFETCH(bool, item);
        QFETCH(QString, message);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FakePrompter prompter;
        if (!message.isEmpty())
            prompter.expect(Prompter::Icon::Warning, message);
        RegistryForm::Values values;
        values.description = "before";
        RegistryForm::Texts texts{code, description, number, place, 0, false, {}};
        QCOMPARE(RegistryForm::read(texts, item, Style::Number, values, prompter),
                 message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(values.description, QStringLiteral("before"));
        QVERIFY(prompter.verify());
    }

    // Acres typed with a comma in English are the decimal acres the user means.
    void typedNumbersAsMeant_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("number");
        QTest::addColumn<double>("acres");
        QTest::newRow("en comma") << "en_US"
                                  << "3,75" << 3.75;
        QTest::newRow("en grouped") << "en_US"
                                    << "1,234.5" << 1234.5;
        QTest::newRow("it comma") << "it_IT"
                                  << "3,75" << 3.75;
        QTest::newRow("it point") << "it_IT"
                                  << "3.75" << 3.75;
        QTest::newRow("it grouped") << "it_IT"
                                    << "1.234" << 1234.0;
    }

    void typedNumbersAsMeant()
    {
        QFETCH(QString, locale);
        QFETCH(QString, number);
        QLocale::setDefault(QLocale(locale));
        RegistryForm::Values values;
        const auto error =
            RegistryForm::check({"7", "Vines", number, "Hill", 0, false, {}}, false, values);
        QVERIFY(!error);
        QTEST(values.number, "acres");
    }

    void refusalNamesTheControl()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        RegistryForm::Values values;
        auto error = RegistryForm::check({"7", "", "abc", "", 0, false, {}}, false, values);
        QVERIFY(error);
        QCOMPARE(error->control, RegistryForm::Control::Number);
        error = RegistryForm::check({"7", "", "kg", "2,5x", 0, false, {}}, true, values);
        QVERIFY(error);
        QCOMPARE(error->control, RegistryForm::Control::Place);
        QCOMPARE(error->message, QStringLiteral("Enter a number."));
        error = RegistryForm::check({"x", "", "", "", 0, false, {}}, false, values);
        QCOMPARE(error->control, RegistryForm::Control::Code);
    }

    void parcelOfAField_data()
    {
        QTest::addColumn<Parcel>("typed");
        QTest::addColumn<Control>("control");
        QTest::addColumn<QString>("message");
        const QString feature =
            QStringLiteral("{\"type\":\"Feature\",\"geometry\":%1}").arg(Outline);
        QTest::newRow("parcel id too long")
            << Parcel{QString(51, 'p'), {}, {}, {}, {}} << Control::ParcelId
            << "Enter no more than 50 characters.";
        QTest::newRow("municipality too long")
            << Parcel{{}, "E648E648E64", {}, {}, {}} << Control::Municipality
            << "Enter no more than 10 characters.";
        QTest::newRow("sheet too long") << Parcel{{}, {}, QString(11, '1'), {}, {}}
                                        << Control::Sheet << "Enter no more than 10 characters.";
        QTest::newRow("parcel too long")
            << Parcel{{}, {}, {}, QString(21, '1'), {}} << Control::CadastralParcel
            << "Enter no more than 20 characters.";
        QTest::newRow("outline without area")
            << Parcel{{},
                      {},
                      {},
                      {},
                      "{\"type\":\"Polygon\",\"coordinates\":[[[9,45],[9.1,45],[9.2,45],[9,45]]]}"}
            << Control::Geometry
            << "The parcel's outline cannot be used: Polygon 1 encloses no area.";
        QTest::newRow("outline not json")
            << Parcel{{}, {}, {}, {}, "POLYGON((9 45))"} << Control::Geometry
            << "The parcel's outline cannot be used: The text is not "
               "valid JSON: illegal value (at character 2).";
        QTest::newRow("trimmed, feature kept as its geometry")
            << Parcel{" IT-E648-12-101 ", " E648", "12 ", "101", "  " + feature + "\n"}
            << Control::Code << "";
    }

    void parcelOfAField()
    {
        QFETCH(Parcel, typed);
        QFETCH(Control, control);
        QFETCH(QString, message);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        RegistryForm::Values values;
        const auto error =
            RegistryForm::check(fieldTexts(typed), false, values, RegistryKey::Field);
        if (!message.isEmpty()) {
            QVERIFY(error);
            QCOMPARE(error->control, control);
            QCOMPARE(error->message, message);
            QCOMPARE(values.parcel, Parcel{});
            return;
        }
        QVERIFY2(!error, qPrintable(error ? error->message : QString()));
        QCOMPARE(values.parcel, (Parcel{"IT-E648-12-101", "E648", "12", "101", Outline}));
    }

    void parcelKeptWhereTheFormHasNone()
    {
        RegistryForm::Values values;
        values.parcel = Parcel{"IT-1", "E648", "1", "2", Outline};
        // A screen that shows no parcel leaves the field's own.
        QVERIFY(!RegistryForm::check(fieldTexts(std::nullopt), false, values, RegistryKey::Field));
        QCOMPARE(values.parcel.id, QStringLiteral("IT-1"));
        // Other kinds never read one.
        QVERIFY(!RegistryForm::check(fieldTexts(Parcel{QString(60, 'x'), {}, {}, {}, {}}), false,
                                     values, RegistryKey::Crop));
        QCOMPARE(values.parcel.id, QStringLiteral("IT-1"));
        // Emptied by the user: the parcel goes.
        QVERIFY(!RegistryForm::check(fieldTexts(Parcel{}), false, values, RegistryKey::Field));
        QCOMPARE(values.parcel, Parcel{});
    }

    void outlineSummary()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(RegistryForm::outlineSummary(" ", "2.00"), QStringLiteral("No outline."));
        QCOMPARE(RegistryForm::outlineSummary("{}", "2.00"),
                 QStringLiteral("The GeoJSON text is not an object with a \"type\"."));
        // Half of a rectangle of 79 m by 111 m at 45°N.
        QCOMPARE(RegistryForm::outlineSummary(Outline, "2.00"),
                 QStringLiteral("Area of the outline: 0.44 ha (surface: 2.00 ha)"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("it_IT") << "it_IT";
    }

    void roundTrip()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        FakePrompter prompter;
        const struct
        {
            Style style;
            double number;
        } cases[] = {{Style::Plain, 2015}, {Style::Currency, 1234.5}, {Style::Number, 98765.25}};
        for (const auto &c : cases) {
            RegistryForm::Values values;
            values.code = 12;
            values.description = "Vines";
            values.number = c.number;
            values.place = "Hill";
            RegistryForm::Values read;
            QVERIFY(RegistryForm::read(RegistryForm::write(values, false, c.style), false, c.style,
                                       read, prompter));
            QCOMPARE(read.number, c.number);
            QCOMPARE(read.code, 12);
            QCOMPARE(read.place, QStringLiteral("Hill"));
        }
        RegistryForm::Values item;
        item.code = 3;
        item.place = "kg";
        item.unitCost = 1234.56;
        item.printInNotebook = true;
        RegistryForm::Values read;
        QVERIFY(RegistryForm::read(RegistryForm::write(item, true, Style::Number), true,
                                   Style::Number, read, prompter));
        QCOMPARE(read.unitCost, 1234.56);
        QCOMPARE(read.place, QStringLiteral("kg"));
        QVERIFY(read.printInNotebook);
        QVERIFY(prompter.verify());
    }
};

QTEST_GUILESS_MAIN(TestRegistryForm)
#include "TestRegistryForm.moc"
