#pragma once

#include <QCoreApplication>
#include <QDate>

#include <functional>

class Database;
class FarmSession;
class Prompter;

// What an import brought, for the user to see it: the days of the archive's first and last
// card. When they lie outside the working period the user is offered their years as the
// period; the first of them is then the card to show.
class ImportedCards
{
    Q_DECLARE_TR_FUNCTIONS(ImportedCards)

public:
    QDate first;
    QDate last;

    bool isEmpty() const { return !first.isValid(); }

    // The days of the archive database's cards.
    static ImportedCards of(Database &archive);
    // Offers the cards' years as the working period when they lie outside it, and sets it on
    // yes. The day of the first card when it is in the period then, else an invalid date.
    QDate offerPeriod(FarmSession &farm, Prompter &prompter) const;
    // The offer, then the first card made the farm's card day and shown by reloading the views.
    void show(FarmSession &farm, Prompter &prompter,
              const std::function<void()> &reloadViews) const;
};
