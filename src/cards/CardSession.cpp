#include "CardSession.h"

#include "WorkListQuery.h"

#include "base/Clock.h"
#include "base/DateText.h"
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QLocale>

CardSession::CardSession(Database &db, const WorkingPeriod &period, Prompter &prompter,
                         const Clock &clock)
    : m_db(db), m_prompter(prompter), m_clock(clock), m_navigator(db, period), m_cards(db),
      m_works(db)
{
}

void CardSession::setPeriod(const WorkingPeriod &period)
{
    m_navigator.setPeriod(period);
    m_navigator.first();
}

void CardSession::open(const QDate &actualDate)
{
    if (!isReadOnly())
        m_works.removeAbandoned();
    m_navigator.openAt(actualDate);
}

bool CardSession::isReadOnly() const
{
    return m_db.isReadOnly();
}

bool CardSession::canMove(Move move) const
{
    if (m_inserting || !m_navigator.hasCurrent())
        return false;
    return move == Move::First || move == Move::Previous ? m_navigator.hasPrevious()
                                                         : m_navigator.hasNext();
}

bool CardSession::writeBack(const CardForm::Input &form, CardRecord &card, Result &result)
{
    result.formError = CardForm::apply(form, card);
    // The view shows only the period's cards: a card stored outside it would vanish.
    if (!result.formError && !m_navigator.period().contains(form.date))
        result.formError = CardForm::Error{CSchedaSet::Data, outsidePeriodText(form.date.date())};
    if (result.formError)
        m_prompter.warning(result.formError->message);
    return !result.formError;
}

QString CardSession::outsidePeriodText(const QDate &day) const
{
    const QString pattern = ShownDatePattern();
    return tr("%1 is outside the working period %2: type a day of the period, or set another "
              "period with Settings in the Program menu.")
        .arg(QLocale().toString(day, pattern), m_navigator.period().daysText(pattern));
}

CardSession::Result CardSession::move(Move move, const CardForm::Input &form)
{
    Result result;
    if (m_inserting || !m_navigator.hasCurrent())
        return result;
    CardRecord card = m_navigator.current();
    if (!isReadOnly()) {
        if (!writeBack(form, card, result))
            return result;
        m_cards.update(card);
    }
    const int before = card.id();
    switch (move) {
    case Move::First:
        m_navigator.first();
        break;
    case Move::Previous:
        m_navigator.previous();
        break;
    case Move::Next:
        m_navigator.next();
        break;
    case Move::Last:
        m_navigator.last();
        break;
    }
    if (m_navigator.hasCurrent() && m_navigator.current().id() == before)
        m_navigator.reload();
    result.done = true;
    return result;
}

CardSession::Result CardSession::store(const CardForm::Input &form)
{
    Result result;
    if (m_inserting || !m_navigator.hasCurrent())
        return result;
    if (isReadOnly()) {
        result.done = true;
        return result;
    }
    CardRecord card = m_navigator.current();
    if (!writeBack(form, card, result))
        return result;
    m_cards.update(card);
    m_navigator.reload();
    result.done = true;
    return result;
}

CardSession::Result CardSession::add(const CardForm::Input &form)
{
    Result result;
    if (m_inserting)
        return result;
    m_remembered.reset();
    if (m_navigator.hasCurrent()) {
        CardRecord card = m_navigator.current();
        if (!writeBack(form, card, result))
            return result;
        m_cards.update(card);
        m_remembered = card.id();
    }
    const WorkingPeriod &period = m_navigator.period();
    // The new card is dated now, kept inside the working period: the view only shows the
    // period's cards, so a card saved outside it would vanish from the user's sight.
    QDateTime date = m_clock.now();
    if (period.end.isValid() && period.endAt() < date)
        date = period.endAt();
    if (period.start.isValid() && date < period.startAt())
        date = period.startAt();
    m_newCard = CardRecord();
    m_newCard.setValue(CSchedaSet::Data, date);
    m_pending.clear();
    m_inserting = true;
    result.done = true;
    return result;
}

CardSession::Result CardSession::save(const CardForm::Input &form)
{
    Result result;
    if (!m_inserting)
        return result;
    CardRecord card = m_newCard;
    if (!writeBack(form, card, result))
        return result;
    // One card a day. The new card and its works stay as entered, for the user to choose
    // another day and save again.
    if (m_cards.dayTaken(card.date().date())) {
        result.formError = CardForm::Error{
            CSchedaSet::Data,
            tr("There is already a card for %1: the new card was not saved. Its fields and works "
               "are kept: choose another day and save again.")
                .arg(QLocale().toString(card.date().date(), ShownDatePattern()))};
        m_prompter.warning(result.formError->message);
        return result;
    }
    int cardId = 0;
    try {
        Transaction transaction(m_db);
        cardId = m_cards.insert(card);
        m_cards.linkWorks(m_pending, cardId);
        transaction.commit();
    } catch (const DbException &error) {
        // Nothing was stored: the new card and its works stay as entered, for Save to be tried
        // again. A file held by another program, damaged, read-only or on a full disk is told
        // by the caller with the file's name.
        if (error.kind() != DbErrorKind::Other)
            throw;
        m_prompter.warning(
            tr("Unable to save form! %1\n\nThe new form and its works are kept: Save tries again.")
                .arg(error.message()));
        return result;
    }
    m_pending.clear();
    m_inserting = false;
    m_remembered.reset();
    if (!m_navigator.moveTo(cardId))
        m_navigator.first();
    if (m_shown)
        m_shown();
    m_prompter.information(tr("Form stored successfully!"));
    result.done = true;
    return result;
}

CardSession::DayReview CardSession::reviewDay(const CardForm::Input &form)
{
    if (!hasCard() || !form.date.isValid())
        return DayReview::Kept;
    if (!m_navigator.period().contains(form.date)) {
        m_prompter.warning(outsidePeriodText(form.date.date()));
        return DayReview::Refused;
    }
    const QDate day = form.date.date();
    if (!m_inserting || !m_cards.dayTaken(day))
        return DayReview::Kept;
    const QString shown = QLocale().toString(day, ShownDatePattern());
    const QString question =
        newCardHasEntries(form)
            ? tr("There is already a card for %1. Open it?\n\nYes opens that card and moves into "
                 "it the works of this new card and the fields typed here that it leaves empty. "
                 "No keeps this new card: choose another day for it.")
                  .arg(shown)
            : tr("There is already a card for %1. Open it?\n\nNo keeps this new card: choose "
                 "another day for it.")
                  .arg(shown);
    if (m_prompter.question(question) != Prompter::Answer::Yes)
        return DayReview::Refused;
    return openTakenDay(form) ? DayReview::Opened : DayReview::Refused;
}

bool CardSession::newCardHasEntries(const CardForm::Input &form) const
{
    if (!m_pending.isEmpty())
        return true;
    for (const QString &text : form.texts)
        if (!text.trimmed().isEmpty())
            return true;
    return false;
}

// Ends the insert on the stored card of the typed day, which takes the new card's works and
// the typed fields it has no value for.
bool CardSession::openTakenDay(const CardForm::Input &form)
{
    CardRecord typed = m_newCard;
    if (const auto error = CardForm::apply(form, typed)) {
        m_prompter.warning(error->message);
        return false;
    }
    if (!m_navigator.findDay(form.date.date()))
        return false;
    CardRecord target = m_navigator.current();
    for (const CardForm::Field &field : CardForm::fields()) {
        const QVariant value = target.value(field.column);
        if ((!value.isValid() || value.isNull()) && typed.value(field.column).isValid())
            target.setValue(field.column, typed.value(field.column));
    }
    Transaction transaction(m_db);
    m_cards.update(target);
    m_cards.linkWorks(m_pending, target.id());
    transaction.commit();
    m_pending.clear();
    m_inserting = false;
    m_newCard = CardRecord();
    m_remembered.reset();
    m_navigator.reload();
    return true;
}

void CardSession::cancelInsert()
{
    if (!m_inserting)
        return;
    removePending();
    endInsert();
}

void CardSession::removePending()
{
    m_works.remove(m_pending);
    m_pending.clear();
}

// Back to browsing, on the card that was shown before the insert.
void CardSession::endInsert()
{
    m_inserting = false;
    m_newCard = CardRecord();
    const std::optional<int> remembered = m_remembered;
    m_remembered.reset();
    if (!remembered || !m_navigator.moveTo(*remembered))
        m_navigator.first();
}

bool CardSession::deleteCard()
{
    if (m_inserting || !m_navigator.hasCurrent())
        return false;
    if (m_prompter.question(tr("Do you really want to delete the current form?")) !=
        Prompter::Answer::Yes)
        return false;
    m_cards.remove(m_navigator.current().id());
    m_navigator.stepPastRemoved();
    return true;
}

QList<int> CardSession::deleteWorks(const QList<int> &workIds)
{
    QList<int> chosen;
    for (int id : workIds)
        if (!m_inserting || m_pending.contains(id))
            chosen << id;
    if (chosen.isEmpty())
        return {};
    const QString question = chosen.size() == 1
                                 ? tr("Do you really want to delete the selected work?")
                                 : tr("Do you really want to delete the selected works?");
    if (m_prompter.question(question) != Prompter::Answer::Yes)
        return {};
    m_works.remove(chosen);
    for (int id : chosen)
        m_pending.removeAll(id);
    m_workList.removeWorks(chosen);
    return chosen;
}

bool CardSession::findCardByDate(const QDate &day)
{
    if (m_inserting || !day.isValid())
        return false;
    return m_navigator.findDay(day);
}

int CardSession::newWork(const WorkEntry &entry)
{
    if (!hasCard())
        return 0;
    const int workId = m_works.insert(entry, m_inserting ? 0 : card().id(), m_inserting);
    if (m_inserting)
        m_pending << workId;
    if (const auto row = enteredRow(workId, WorkAdded::Yes))
        m_workList.append(*row);
    return workId;
}

void CardSession::editWork(int workId, const WorkEntry &entry)
{
    if (!hasCard())
        return;
    m_works.update(workId, entry, m_inserting ? 0 : card().id());
    if (const auto row = enteredRow(workId, WorkAdded::No))
        m_workList.replace(*row);
}

// Rows the editor has just written name the kinds as the editor does, until the list is
// filled again. Only a work just added shows a worker code without a worker as "0"; an edited
// one shows it empty, as it was loaded.
std::optional<WorkListRow> CardSession::enteredRow(int workId, WorkAdded added)
{
    const auto work = WorkListQuery(m_db, m_navigator.period()).work(workId);
    if (!work)
        return std::nullopt;
    WorkListRow row = WorkListRow::build(*work, WorkListRow::Wording::Entered);
    if (added == WorkAdded::No && !work->worker)
        row.texts[WorkListRow::Worker].clear();
    return row;
}

void CardSession::fillWorkList()
{
    if (!hasCard()) {
        m_workList.clear();
        return;
    }
    WorkListQuery query(m_db, m_navigator.period());
    const QList<WorkListRow::Data> works =
        m_inserting ? query.works(m_pending) : query.worksOfCard(card().id());
    const WorkListRow::Wording wording =
        m_inserting ? WorkListRow::Wording::Entered : WorkListRow::Wording::Stored;
    QList<WorkListRow> rows;
    rows.reserve(works.size());
    for (const WorkListRow::Data &work : works)
        rows << WorkListRow::build(work, wording);
    m_workList.setRows(rows);
}

std::optional<WorkStore::Loaded> CardSession::loadWork(int workId)
{
    return m_works.load(workId);
}
