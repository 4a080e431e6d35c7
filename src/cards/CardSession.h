#pragma once

#include "CardForm.h"
#include "CardNavigator.h"
#include "CardStore.h"
#include "WorkEntryLookups.h"
#include "WorkListModel.h"
#include "WorkStore.h"

#include <QCoreApplication>
#include <QList>
#include <functional>
#include <optional>

class Clock;
class Database;
class Prompter;

// The card commands on the working database: browsing with write-back, and the insert of a new
// card. An insert holds no transaction between user actions: the works entered for the new card
// are stored at once as pending works (IDScheda 0, Aggiornato false) and the session remembers
// them, so that Save links exactly those and Cancel removes exactly those.
class CardSession
{
    Q_DECLARE_TR_FUNCTIONS(CardSession)

public:
    enum class Move { First, Previous, Next, Last };
    // How a command that writes the form ended; a failed field is left to the caller to focus.
    struct Result
    {
        bool done = false;
        std::optional<CardForm::Error> formError;
    };

    CardSession(Database &db, const WorkingPeriod &period, Prompter &prompter, const Clock &clock);

    CardNavigator &navigator() { return m_navigator; }
    const CardNavigator &navigator() const { return m_navigator; }
    void setPeriod(const WorkingPeriod &period);

    // Removes the pending works an earlier run left behind, then shows the opening card. A
    // database that can only be read is left as it is.
    void open(const QDate &actualDate);
    // Nothing may be written: cards are only browsed.
    bool isReadOnly() const;

    bool isInserting() const { return m_inserting; }
    // The card shown: the new card while inserting, else the current card (if any).
    bool hasCard() const { return m_inserting || m_navigator.hasCurrent(); }
    const CardRecord &card() const { return m_inserting ? m_newCard : m_navigator.current(); }
    QList<int> pendingWorks() const { return m_pending; }
    std::optional<int> rememberedCard() const { return m_remembered; }

    bool canMove(Move move) const;
    bool canNewWork() const { return hasCard() && !isReadOnly(); }

    // Writes the form into the current card and stores it, then moves.
    Result move(Move move, const CardForm::Input &form);
    // Writes the form into the current card and stores it, staying on it.
    Result store(const CardForm::Input &form);
    // Called once a saved card is current again, before the user is told it was stored, so
    // that the screen already shows the card as stored.
    void setShownHandler(std::function<void()> handler) { m_shown = std::move(handler); }
    Result add(const CardForm::Input &form);
    // Stores the new card and links its works. A card that cannot be stored (its day has a
    // card, a field is wrong, the farm is locked) keeps the insert as it is, with its works,
    // and the user is told why.
    Result save(const CardForm::Input &form);

    // What became of a day the user has just typed or picked in the date field.
    enum class DayReview { Kept, Refused, Opened };
    // Tells the user at once when the day cannot be kept: one outside the working period, or,
    // for a new card, one that already has a card. The user may open that card instead: the
    // works entered for the new card and the fields typed into it that the stored card leaves
    // empty go to it, so nothing typed is lost.
    DayReview reviewDay(const CardForm::Input &form);
    // Why a day outside the period is refused, and where the period is changed.
    QString outsidePeriodText(const QDate &day) const;
    void cancelInsert();
    bool deleteCard();
    // Removes the works (and their movements, and their rows of the work list) after asking;
    // while inserting only pending works of the new card are taken. Returns the works removed.
    QList<int> deleteWorks(const QList<int> &workIds);
    bool findCardByDate(const QDate &day);

    // The works of the card shown, one row each; filled again by fillWorkList.
    WorkListModel &workList() { return m_workList; }
    const WorkListModel &workList() const { return m_workList; }
    void fillWorkList();
    // The registry lists the work editor offers for this farm and period.
    WorkEntryLookups lookups() const { return WorkEntryLookups(m_db, m_navigator.period()); }
    // The stored values of a work for the editor.
    std::optional<WorkStore::Loaded> loadWork(int workId);

    // A work entered for the card shown, added at the end of the work list; returns its
    // IDOpera, 0 when there is no card.
    int newWork(const WorkEntry &entry);
    // Rewrites the work and its row of the work list.
    void editWork(int workId, const WorkEntry &entry);

private:
    bool writeBack(const CardForm::Input &form, CardRecord &card, Result &result);
    bool newCardHasEntries(const CardForm::Input &form) const;
    bool openTakenDay(const CardForm::Input &form);
    void endInsert();
    void removePending();
    enum class WorkAdded { No, Yes };
    std::optional<WorkListRow> enteredRow(int workId, WorkAdded added);

    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    CardNavigator m_navigator;
    CardStore m_cards;
    WorkStore m_works;
    bool m_inserting = false;
    CardRecord m_newCard;
    std::optional<int> m_remembered;
    QList<int> m_pending;
    std::function<void()> m_shown;
    WorkListModel m_workList;
};
