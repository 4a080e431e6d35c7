#include "CardsFixture.h"
#include "FakePrompter.h"
#include "FixedClock.h"
#include "cards/CardSession.h"

#include <QTest>

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

class TestCardSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void moveWritesTheFormBack();
    void moveRefusedByABadNumber();
    void storeWritesTheFormBackInPlace();
    void newCardDate_data();
    void newCardDate();
    void saveLinksTheWorksEntered();
    void saveOnATakenDayKeepsTheNewCard();
    void dayOutsideThePeriodIsRefused();
    void newCardOnATakenDay();
    void saveKeepsTheInsertWhenAFieldFails();
    void saveRefusedByTheEngine();
    void cancelRemovesOnlyThePendingWorks();
    void addOnAnEmptyPeriodRemembersNoCard();
    void startRemovesAbandonedPendingWorks();
    void newWorkNeedsACard();
    void workerWithoutRecordShowsZeroOnlyWhenAdded();
    void deleteCard_data();
    void deleteCard();
    void deleteWorks();
    void findCardByDate();

private:
    std::unique_ptr<CardSession> makeSession(const WorkingPeriod &period = {QDate(2024, 1, 1),
                                                                            QDate(2024, 12, 31)})
    {
        auto session = std::make_unique<CardSession>(*f.db, period, prompter, clock);
        session->open(QDate(2024, 3, 1));
        return session;
    }
    WorkEntry work(int worker) const
    {
        WorkEntry entry;
        entry.workerCode = worker;
        entry.regularHours = 4;
        entry.itemCode = 5;
        entry.quantity = 2;
        return entry;
    }
    CardForm::Input formOf(const CardSession &session) const
    {
        return CardForm::input(session.card());
    }

    CardsFixture f;
    FakePrompter prompter;
    FixedClock clock{QDateTime(QDate(2024, 6, 15), QTime(10, 15))};
    int march = 0;
    int april = 0;
};

void TestCardSession::init()
{
    f.init();
    QVERIFY(prompter.verify());
    clock.set(QDateTime(QDate(2024, 6, 15), QTime(10, 15)));
    march = f.addCard(QStringLiteral("2024-03-01 07:30:00"), QStringLiteral("Rain"));
    april = f.addCard(QStringLiteral("2024-04-01 07:30:00"));
}

void TestCardSession::moveWritesTheFormBack()
{
    auto session = makeSession();
    QCOMPARE(session->card().id(), march);
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Tempo] = QString();
    form.texts[CSchedaSet::Pioggia] = QStringLiteral("12.5");
    form.date = QDateTime(QDate(2024, 3, 2), QTime(7, 30));
    QVERIFY(session->move(CardSession::Move::Next, form).done);
    QCOMPARE(session->card().id(), april);
    QVERIFY(
        f.scalar(QStringLiteral("SELECT Tempo FROM Scheda WHERE IDScheda = ?"), {march}).isNull());
    QCOMPARE(f.scalar(QStringLiteral("SELECT Pioggia FROM Scheda WHERE IDScheda = ?"), {march})
                 .toDouble(),
             12.5);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT Data FROM Scheda WHERE IDScheda = ?"), {march}).toString(),
        QStringLiteral("2024-03-02 07:30:00"));
    QVERIFY(!session->canMove(CardSession::Move::Next));
    QVERIFY(session->canMove(CardSession::Move::First));
}

void TestCardSession::moveRefusedByABadNumber()
{
    auto session = makeSession();
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Tempo] = QStringLiteral("Fog");
    form.texts[CSchedaSet::Pioggia] = QStringLiteral("1,5,0");
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    const CardSession::Result result = session->move(CardSession::Move::Next, form);
    QVERIFY(!result.done);
    QCOMPARE(result.formError->column, int(CSchedaSet::Pioggia));
    QCOMPARE(session->card().id(), march);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT Tempo FROM Scheda WHERE IDScheda = ?"), {march}).toString(),
        QStringLiteral("Rain"));
    // Add does not throw the typed card away either: it stops at the same field.
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    QVERIFY(!session->add(form).done);
    QVERIFY(!session->isInserting());
    QVERIFY(prompter.verify());
}

void TestCardSession::storeWritesTheFormBackInPlace()
{
    auto session = makeSession();
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Fattore] = QStringLiteral("Neri");
    QVERIFY(session->store(form).done);
    QCOMPARE(session->card().id(), march);
    QCOMPARE(session->card().value(CSchedaSet::Fattore).toString(), QStringLiteral("Neri"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Fattore FROM Scheda WHERE IDScheda = ?"), {march})
                 .toString(),
             QStringLiteral("Neri"));

    form.texts[CSchedaSet::Fattore] = QStringLiteral("Gialli");
    form.texts[CSchedaSet::TempMin] = QStringLiteral("cold");
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    const CardSession::Result refused = session->store(form);
    QVERIFY(!refused.done);
    QVERIFY(refused.formError);
    QCOMPARE(f.scalar(QStringLiteral("SELECT Fattore FROM Scheda WHERE IDScheda = ?"), {march})
                 .toString(),
             QStringLiteral("Neri"));
    QVERIFY(prompter.verify());
}

void TestCardSession::newCardDate_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("date");
    QTest::newRow("inside the period") << QDateTime(QDate(2024, 6, 15), QTime(10, 15))
                                       << QDateTime(QDate(2024, 6, 15), QTime(10, 15));
    QTest::newRow("after the period") << QDateTime(QDate(2025, 2, 1), QTime(9, 0))
                                      << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59));
    QTest::newRow("before the period")
        << QDateTime(QDate(2023, 5, 1), QTime(9, 0)) << QDateTime(QDate(2024, 1, 1), QTime(0, 0));
}

void TestCardSession::newCardDate()
{
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, date);
    clock.set(now);
    auto session = makeSession();
    QVERIFY(session->add(formOf(*session)).done);
    QVERIFY(session->isInserting());
    QCOMPARE(session->card().date(), date);
    QCOMPARE(session->rememberedCard(), std::optional<int>(march));
    QVERIFY(!session->canMove(CardSession::Move::First));
}

void TestCardSession::saveLinksTheWorksEntered()
{
    auto session = makeSession();
    session->add(formOf(*session));
    const int first = session->newWork(work(1));
    const int second = session->newWork(work(2));
    // Nothing is held open between the user's actions.
    QCOMPARE(f.db->transactionDepth(), 0);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0 AND Aggiornato = 0")),
             2);
    QCOMPARE(session->pendingWorks(), QList<int>({first, second}));

    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Fattore] = QStringLiteral("Verdi");
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    const qsizetype messagesBefore = prompter.shown().size();
    qsizetype messagesWhenShown = -1;
    session->setShownHandler([&] { messagesWhenShown = prompter.shown().size(); });
    QVERIFY(session->save(form).done);
    QVERIFY(!session->isInserting());
    // The stored card is on screen before the user is told it was stored.
    QCOMPARE(messagesWhenShown, messagesBefore);
    const int card = session->card().id();
    QCOMPARE(session->card().value(CSchedaSet::Fattore).toString(), QStringLiteral("Verdi"));
    QCOMPARE(session->card().date(), QDateTime(QDate(2024, 6, 15), QTime(10, 15)));
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral("IDScheda = %1 AND Aggiornato = 1").arg(card)),
             2);
    QCOMPARE(
        f.count(
            QStringLiteral("Magazzino"),
            QStringLiteral("IDOpera IN (%1, %2) AND [Codice Articolo] = 5").arg(first).arg(second)),
        2);
    QVERIFY(prompter.verify());
}

// Weather and two works typed on a day that has a card: Save refuses and keeps all of it, and
// once the date is changed Save stores the card with both works.
void TestCardSession::saveOnATakenDayKeepsTheNewCard()
{
    const int stored = f.addCard(QStringLiteral("2024-06-15 18:00:00"));
    const int storedWork = f.addWork(stored, 1, false);
    auto session = makeSession();
    session->move(CardSession::Move::Next, formOf(*session));
    session->add(formOf(*session));
    const int first = session->newWork(work(1));
    const int second = session->newWork(work(2));
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Tempo] = QStringLiteral("Fog");
    prompter.expect(Icon::Warning,
                    QStringLiteral("There is already a card for 06/15/2024: the new card was not "
                                   "saved. Its fields and works are kept: choose another day and "
                                   "save again."));
    const CardSession::Result refused = session->save(form);
    QVERIFY(!refused.done);
    QCOMPARE(refused.formError->column, int(CSchedaSet::Data));
    QVERIFY(session->isInserting());
    QCOMPARE(session->pendingWorks(), QList<int>({first, second}));
    QCOMPARE(session->rememberedCard(), std::optional<int>(april));
    QCOMPARE(f.count(QStringLiteral("Scheda")), 3);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = 0")), 2);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 3);

    form.date = QDateTime(QDate(2024, 6, 16), QTime(10, 15));
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    QVERIFY(session->save(form).done);
    const int saved = session->card().id();
    QVERIFY(saved != stored);
    QCOMPARE(session->card().value(CSchedaSet::Tempo).toString(), QStringLiteral("Fog"));
    QCOMPARE(f.count(QStringLiteral("Opere"),
                     QStringLiteral("IDScheda = %1 AND Aggiornato = 1").arg(saved)),
             2);
    QCOMPARE(f.scalar(QStringLiteral("SELECT IDScheda FROM Opere WHERE IDOpera = ?"), {storedWork})
                 .toInt(),
             stored);
    QVERIFY(prompter.verify());
}

// A day outside the working period is refused wherever the form is written back, with the
// period and where it is changed; the card keeps its stored date.
void TestCardSession::dayOutsideThePeriodIsRefused()
{
    const QString refusal = QStringLiteral(
        "01/05/2025 is outside the working period 01/01/2024 \u2013 12/31/2024: type a day of the "
        "period, or set another period with Settings in the Program menu.");
    auto session = makeSession();
    CardForm::Input form = formOf(*session);
    form.date = QDateTime(QDate(2025, 1, 5), QTime(7, 30));
    prompter.expect(Icon::Warning, refusal);
    QCOMPARE(session->reviewDay(form), CardSession::DayReview::Refused);
    prompter.expect(Icon::Warning, refusal);
    const CardSession::Result moved = session->move(CardSession::Move::Next, form);
    QVERIFY(!moved.done);
    QCOMPARE(moved.formError->column, int(CSchedaSet::Data));
    QCOMPARE(session->card().id(), march);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT Data FROM Scheda WHERE IDScheda = ?"), {march}).toString(),
        QStringLiteral("2024-03-01 07:30:00"));

    session->add(formOf(*session));
    form = formOf(*session);
    form.date = QDateTime(QDate(2025, 1, 5), QTime(7, 30));
    prompter.expect(Icon::Warning, refusal);
    QVERIFY(!session->save(form).done);
    QVERIFY(session->isInserting());
    // The last second of the period is inside it.
    form.date = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59));
    QCOMPARE(session->reviewDay(form), CardSession::DayReview::Kept);
    QVERIFY(prompter.verify());
}

// A new card dated on a day that has a card: the user is asked at once. No keeps the new card;
// Yes opens the stored card, which takes the new card's works and the typed fields it has no
// value for.
void TestCardSession::newCardOnATakenDay()
{
    const int stored = f.addCard(QStringLiteral("2024-06-15 18:00:00"), QStringLiteral("Sun"));
    auto session = makeSession();
    session->add(formOf(*session));
    const QString empty = QStringLiteral(
        "There is already a card for 06/15/2024. Open it?\n\nNo keeps this new card: choose "
        "another day for it.");
    prompter.expect(Icon::Question, empty, Answer::No);
    QCOMPARE(session->reviewDay(formOf(*session)), CardSession::DayReview::Refused);
    QVERIFY(session->isInserting());

    const int typedWork = session->newWork(work(2));
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::Tempo] = QStringLiteral("Fog");
    form.texts[CSchedaSet::Fattore] = QStringLiteral("Verdi");
    prompter.expect(Icon::Question,
                    QStringLiteral("There is already a card for 06/15/2024. Open it?\n\nYes opens "
                                   "that card and moves into it the works of this new card and the "
                                   "fields typed here that it leaves empty. No keeps this new "
                                   "card: choose another day for it."),
                    Answer::Yes);
    QCOMPARE(session->reviewDay(form), CardSession::DayReview::Opened);
    QVERIFY(!session->isInserting());
    QCOMPARE(session->card().id(), stored);
    QCOMPARE(session->card().value(CSchedaSet::Tempo).toString(), QStringLiteral("Sun"));
    QCOMPARE(session->card().value(CSchedaSet::Fattore).toString(), QStringLiteral("Verdi"));
    QCOMPARE(f.count(QStringLiteral("Scheda")), 3);
    QCOMPARE(f.scalar(QStringLiteral("SELECT IDScheda || '/' || Aggiornato FROM Opere WHERE "
                                     "IDOpera = ?"),
                      {typedWork})
                 .toString(),
             QStringLiteral("%1/1").arg(stored));
    session->fillWorkList();
    QCOMPARE(session->workList().rowOfWork(typedWork), 0);
    QVERIFY(prompter.verify());
}

void TestCardSession::saveKeepsTheInsertWhenAFieldFails()
{
    auto session = makeSession();
    session->add(formOf(*session));
    const int pending = session->newWork(work(1));
    CardForm::Input form = formOf(*session);
    form.texts[CSchedaSet::TempMax] = QStringLiteral("hot");
    prompter.expect(Icon::Warning, QStringLiteral("Enter a number."));
    const CardSession::Result result = session->save(form);
    QVERIFY(!result.done);
    QCOMPARE(result.formError->column, int(CSchedaSet::TempMax));
    QVERIFY(session->isInserting());
    QCOMPARE(session->pendingWorks(), QList<int>{pending});
    QCOMPARE(f.count(QStringLiteral("Scheda")), 2);

    form.texts[CSchedaSet::TempMax] = QStringLiteral("31");
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    QVERIFY(session->save(form).done);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT IDScheda FROM Opere WHERE IDOpera = ?"), {pending}).toInt(),
        session->card().id());
    QVERIFY(prompter.verify());
}

// The engine refuses the new card: the user is told with the engine's words, and the card and
// its works stay for Save to be tried again.
void TestCardSession::saveRefusedByTheEngine()
{
    auto session = makeSession();
    session->add(formOf(*session));
    const int pending = session->newWork(work(1));
    f.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Scheda BEGIN "
                          "SELECT RAISE(ABORT, 'card refused'); END"));
    prompter.expectContaining(Icon::Warning, QStringLiteral("Unable to save form! "));
    QVERIFY(!session->save(formOf(*session)).done);
    QVERIFY(prompter.shown().constLast().contains(QStringLiteral("card refused")));
    QVERIFY(session->isInserting());
    QCOMPARE(session->pendingWorks(), QList<int>{pending});
    QCOMPARE(f.count(QStringLiteral("Scheda")), 2);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 1);
    QCOMPARE(f.db->transactionDepth(), 0);

    f.exec(QStringLiteral("DROP TRIGGER refuse"));
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    QVERIFY(session->save(formOf(*session)).done);
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT IDScheda FROM Opere WHERE IDOpera = ?"), {pending}).toInt(),
        session->card().id());
    QVERIFY(prompter.verify());
}

void TestCardSession::cancelRemovesOnlyThePendingWorks()
{
    // A stored work that never got Aggiornato set must survive another card's insert.
    const int kept = f.addWork(march, 1, false);
    auto session = makeSession();
    session->add(formOf(*session));
    session->newWork(work(1));
    session->newWork(work(2));
    session->cancelInsert();
    QVERIFY(!session->isInserting());
    QCOMPARE(session->card().id(), march);
    QCOMPARE(f.count(QStringLiteral("Opere")), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT IDOpera FROM Opere")).toInt(), kept);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 1);
    QCOMPARE(f.count(QStringLiteral("Scheda")), 2);
}

void TestCardSession::addOnAnEmptyPeriodRemembersNoCard()
{
    auto session = makeSession({QDate(2026, 1, 1), QDate(2026, 12, 31)});
    QVERIFY(!session->hasCard());
    QVERIFY(!session->canNewWork());
    QVERIFY(session->add({}).done);
    QVERIFY(!session->rememberedCard());
    QVERIFY(session->canNewWork());
    session->cancelInsert();
    QVERIFY(!session->hasCard());

    session->add({});
    CardForm::Input form = formOf(*session);
    prompter.expect(Icon::Information, QStringLiteral("Form stored successfully!"));
    session->save(form);
    QCOMPARE(session->card().date(), QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    QVERIFY(prompter.verify());
}

void TestCardSession::startRemovesAbandonedPendingWorks()
{
    const int kept = f.addWork(march, 1);
    f.addWork(0, 1, false);
    f.addWork(0, 2, false);
    makeSession();
    QCOMPARE(f.count(QStringLiteral("Opere")), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT IDOpera FROM Opere")).toInt(), kept);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 1);
}

void TestCardSession::newWorkNeedsACard()
{
    auto session = makeSession({QDate(2026, 1, 1), QDate(2026, 12, 31)});
    QCOMPARE(session->newWork(work(1)), 0);
    QCOMPARE(f.count(QStringLiteral("Opere")), 0);

    auto browsing = makeSession();
    const int workId = browsing->newWork(work(1));
    QCOMPARE(
        f.scalar(QStringLiteral("SELECT IDScheda FROM Opere WHERE IDOpera = ? AND Aggiornato = 1"),
                 {workId})
            .toInt(),
        march);
}

void TestCardSession::workerWithoutRecordShowsZeroOnlyWhenAdded()
{
    auto session = makeSession();
    const int before = session->workList().rowCount();
    const int workId = session->newWork(work(99));
    QCOMPARE(session->workList().row(before).texts[WorkListRow::Worker], QString("0"));
    WorkEntry edited = work(99);
    edited.regularHours = 6;
    session->editWork(workId, edited);
    QCOMPARE(session->workList().row(before).texts[WorkListRow::Worker], QString());
    QCOMPARE(session->workList().row(before).texts[WorkListRow::RegularHours], QString("6.00"));
}

void TestCardSession::deleteCard_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("shown");
    QTest::newRow("first card, next shown") << 0 << 1;
    QTest::newRow("last card, previous shown") << 1 << 0;
}

void TestCardSession::deleteCard()
{
    QFETCH(int, which);
    QFETCH(int, shown);
    const QList<int> cards = {march, april};
    for (int card : cards)
        for (int i = 0; i < 3; ++i)
            f.addWork(card, i);
    auto session = makeSession();
    if (which == 1)
        session->move(CardSession::Move::Last, formOf(*session));

    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the current form?"), Answer::No);
    QVERIFY(!session->deleteCard());
    QCOMPARE(f.count(QStringLiteral("Scheda")), 2);

    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the current form?"), Answer::Yes);
    QVERIFY(session->deleteCard());
    QCOMPARE(session->card().id(), cards[shown]);
    QCOMPARE(f.count(QStringLiteral("Scheda")), 1);
    QCOMPARE(f.count(QStringLiteral("Opere"), QStringLiteral("IDScheda = %1").arg(cards[which])),
             0);
    QCOMPARE(f.count(QStringLiteral("Opere")), 3);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 3);

    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the current form?"), Answer::Yes);
    QVERIFY(session->deleteCard());
    QVERIFY(!session->hasCard());
    QVERIFY(!session->deleteCard());
    QVERIFY(prompter.verify());
}

void TestCardSession::deleteWorks()
{
    const int stored = f.addWork(march, 1);
    auto session = makeSession();
    session->add(formOf(*session));
    const int a = session->newWork(work(1));
    const int b = session->newWork(work(2));
    // While inserting only the new card's pending works can go.
    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the selected work?"), Answer::Yes);
    QCOMPARE(session->deleteWorks({stored, a}), QList<int>{a});
    QCOMPARE(session->pendingWorks(), QList<int>{b});
    QCOMPARE(f.count(QStringLiteral("Magazzino"), QStringLiteral("IDOpera = %1").arg(a)), 0);
    session->cancelInsert();

    const int other = f.addWork(march, 2);
    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the selected works?"), Answer::No);
    QCOMPARE(session->deleteWorks({stored, other}), QList<int>());
    prompter.expect(Icon::Question,
                    QStringLiteral("Do you really want to delete the selected works?"),
                    Answer::Yes);
    QCOMPARE(session->deleteWorks({stored, other}), QList<int>({stored, other}));
    QCOMPARE(f.count(QStringLiteral("Opere")), 0);
    QCOMPARE(f.count(QStringLiteral("Magazzino")), 0);
    QVERIFY(prompter.verify());
}

void TestCardSession::findCardByDate()
{
    auto session = makeSession();
    QVERIFY(session->findCardByDate(QDate(2024, 4, 1)));
    QCOMPARE(session->card().id(), april);
    QVERIFY(!session->findCardByDate(QDate(2024, 4, 2)));
    QCOMPARE(session->card().id(), april);
    session->add(formOf(*session));
    QVERIFY(!session->findCardByDate(QDate(2024, 3, 1)));
    QVERIFY(session->isInserting());
}

QTEST_GUILESS_MAIN(TestCardSession)
#include "TestCardSession.moc"
