#include "cards/CardForm.h"

#include <QLocale>
#include <QTest>

class TestCardForm : public QObject
{
    Q_OBJECT

private slots:
    void emptyFieldsRoundTripAsNull();
    void valuesRoundTrip();
    void italianTexts();
    void checks_data();
    void checks();
    void spinSteps_data();
    void spinSteps();
};

void TestCardForm::emptyFieldsRoundTripAsNull()
{
    CardRecord card;
    for (const CardForm::Field &field : CardForm::fields())
        card.setValue(field.column, field.kind == CardForm::Kind::Text
                                        ? QVariant(QStringLiteral("x"))
                                        : QVariant(1.5));
    CardForm::Input input;
    input.date = QDateTime(QDate(2024, 5, 6), QTime(10, 15));
    for (const CardForm::Field &field : CardForm::fields())
        input.texts.insert(field.column,
                           field.kind == CardForm::Kind::Number ? QStringLiteral("  ") : QString());
    QVERIFY(!CardForm::apply(input, card));
    QCOMPARE(card.date(), input.date);
    for (const CardForm::Field &field : CardForm::fields()) {
        QVERIFY2(card.value(field.column).isNull(), field.label);
        QCOMPARE(CardForm::text(card, field.column), QString());
    }
    QCOMPARE(CardForm::fields().size(), size_t(11));
}

void TestCardForm::valuesRoundTrip()
{
    CardRecord card;
    card.setValue(CSchedaSet::Pioggia, 1234567.0);
    card.setValue(CSchedaSet::TempMax, -3.25);
    card.setValue(CSchedaSet::Tempo, QStringLiteral("Sunny"));
    const CardForm::Input input = CardForm::input(card);
    QCOMPARE(input.texts.value(CSchedaSet::Pioggia), QStringLiteral("1234567"));
    QCOMPARE(input.texts.value(CSchedaSet::TempMax), QStringLiteral("-3.25"));
    CardRecord back;
    QVERIFY(!CardForm::apply(input, back));
    QCOMPARE(back.value(CSchedaSet::TempMax).toDouble(), -3.25);
    QCOMPARE(back.value(CSchedaSet::Pioggia).toDouble(), 1234567.0);
    QCOMPARE(back.value(CSchedaSet::Tempo).toString(), QStringLiteral("Sunny"));
    QVERIFY(back.value(CSchedaSet::Vento).isNull());
}

void TestCardForm::italianTexts()
{
    QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
    CardRecord card;
    card.setValue(CSchedaSet::Pioggia, 1.234);
    card.setValue(CSchedaSet::TempMin, -0.5);
    CardForm::Input input = CardForm::input(card);
    QCOMPARE(input.texts.value(CSchedaSet::Pioggia), QStringLiteral("1,234"));
    CardRecord back;
    QVERIFY(!CardForm::apply(input, back));
    QCOMPARE(back.value(CSchedaSet::Pioggia).toDouble(), 1.234);
    QCOMPARE(back.value(CSchedaSet::TempMin).toDouble(), -0.5);
    input.texts[CSchedaSet::Pioggia] = QStringLiteral("0.8");
    input.texts[CSchedaSet::TempMax] = QStringLiteral("12,5");
    QVERIFY(!CardForm::apply(input, back));
    QCOMPARE(back.value(CSchedaSet::Pioggia).toDouble(), 0.8);
    QCOMPARE(back.value(CSchedaSet::TempMax).toDouble(), 12.5);
    QCOMPARE(CardForm::stepped(QStringLiteral("2,6"), 1, CardForm::field(CSchedaSet::Pioggia)),
             QStringLiteral("4"));
    QLocale::setDefault(QLocale::c());
}

void TestCardForm::checks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("decimal point") << int(CSchedaSet::Pioggia) << "2.5"
                                   << "";
    QTest::newRow("decimal comma") << int(CSchedaSet::Pioggia) << "0,8"
                                   << "";
    QTest::newRow("two decimal marks") << int(CSchedaSet::Pioggia) << "0,8,1"
                                       << "Enter a number.";
    QTest::newRow("negative rain") << int(CSchedaSet::Pioggia) << "-2"
                                   << "Enter a number that is not negative.";
    QTest::newRow("frost") << int(CSchedaSet::TempMin) << "-2,5"
                           << "";
    QTest::newRow("letters") << int(CSchedaSet::TempMin) << "cold"
                             << "Enter a number.";
    QTest::newRow("beyond spin range") << int(CSchedaSet::TempMax) << "80"
                                       << "";
    QTest::newRow("weather at limit") << int(CSchedaSet::Tempo) << QString(50, 'w') << "";
    QTest::newRow("weather too long")
        << int(CSchedaSet::Tempo) << QString(51, 'w') << "Enter no more than 50 characters.";
    QTest::newRow("absent too long")
        << int(CSchedaSet::Assenti) << QString(251, 'a') << "Enter no more than 250 characters.";
    QTest::newRow("chief too long")
        << int(CSchedaSet::Fattore) << QString(51, 'c') << "Enter no more than 50 characters.";
}

void TestCardForm::checks()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, message);
    CardRecord card;
    card.setValue(CSchedaSet::IDScheda, 4);
    CardForm::Input input = CardForm::input(card);
    input.texts[column] = text;
    const auto error = CardForm::apply(input, card);
    QCOMPARE(error ? error->message : QString(), message);
    if (error) {
        QCOMPARE(error->column, column);
        QVERIFY(card.value(column).isNull());
    }
}

void TestCardForm::spinSteps_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty up") << int(CSchedaSet::Pioggia) << "" << 1 << "1";
    QTest::newRow("empty down stays at 0") << int(CSchedaSet::Pioggia) << "" << -1 << "0";
    QTest::newRow("top of rain") << int(CSchedaSet::Pioggia) << "5000" << 1 << "5000";
    QTest::newRow("whole value") << int(CSchedaSet::Pioggia) << "2.4" << 1 << "3";
    QTest::newRow("bottom of temperature") << int(CSchedaSet::TempMin) << "-50" << -1 << "-50";
    QTest::newRow("typed beyond range") << int(CSchedaSet::TempMax) << "80" << -1 << "49";
    QTest::newRow("thousands") << int(CSchedaSet::Pioggia) << "1233" << 1 << "1234";
}

void TestCardForm::spinSteps()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, delta);
    QFETCH(QString, result);
    QCOMPARE(CardForm::stepped(text, delta, CardForm::field(column)), result);
}

QTEST_GUILESS_MAIN(TestCardForm)
#include "TestCardForm.moc"
