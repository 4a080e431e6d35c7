#pragma once

#include "db/CSchedaSet.h"

#include <QDateTime>
#include <QVariantList>

// One day card as stored in Scheda, its values indexed by CSchedaSet's columns; NULL columns
// hold an invalid QVariant.
struct CardRecord
{
    static constexpr int ColumnCount = CSchedaSet::Data + 1;

    QVariantList values = QVariantList(ColumnCount);

    int id() const { return values.at(CSchedaSet::IDScheda).toInt(); }
    QDateTime date() const { return values.at(CSchedaSet::Data).toDateTime(); }
    QVariant value(int column) const { return values.at(column); }
    void setValue(int column, const QVariant &value) { values[column] = value; }
};
