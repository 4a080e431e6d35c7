#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The BBCH scale of growth stages: two-digit codes "00".."99" whose first digit is the
// principal growth stage (0 germination .. 9 senescence) and the second a step within it.
// The names are those of the principal stages, in the interface language.
class BbchStages
{
    Q_DECLARE_TR_FUNCTIONS(BbchStages)

public:
    struct Stage
    {
        QString code; // "00".."99"
        QString text; // "61 - Flowering"
    };

    // Every code from "00" to "99", in order.
    static QList<Stage> all();
    // The name of principal stage 0..9; empty for any other number.
    static QString principalName(int principal);
    // "61 - Flowering" for "61"; empty for a text that is no code.
    static QString describe(const QString &code);
    // True for two digits exactly.
    static bool isCode(const QString &code);
};
