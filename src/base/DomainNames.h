#pragma once

#include "base/DomainCodes.h"

#include <QCoreApplication>
#include <QString>

// The names the user reads for the kinds of centre and the types of stock movement, in the
// interface language. Every list, form and print names them from here, so that a work's
// movement reads the same in the card's list, on the printed card and in the work editor.
class DomainNames
{
    Q_DECLARE_TR_FUNCTIONS(DomainNames)

public:
    // One centre of the kind, as a list row or a printed line names it ("Crop"); "<None>" for
    // None.
    static QString centreKind(CentreKind kind);
    // The kind as a choice among all the centres of that kind ("Crops").
    static QString centreKindChoice(CentreKind kind);

    // The short name that fits a column ("Purchase", "In.Inv.").
    static QString movementType(MovementType type);
    // The full name of a choice list ("Purchase invoice").
    static QString movementTypeChoice(MovementType type);
};
