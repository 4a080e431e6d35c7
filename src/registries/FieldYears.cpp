#include "FieldYears.h"

#include "base/Prompter.h"
#include "db/CCampiSet.h"
#include "db/Database.h"
#include "db/DbErrorText.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

bool FieldYears::hasFields(Database &db, int year)
{
    return db.scalar(QStringLiteral("SELECT Anno FROM Campi WHERE Anno = ? LIMIT 1"), {year})
        .isValid();
}

QList<int> FieldYears::freeYears(Database &db, int thisYear)
{
    QList<int> years;
    for (int year = thisYear; year <= thisYear + 10; ++year)
        if (!hasFields(db, year))
            years << year;
    return years;
}

QList<int> FieldYears::usedYears(Database &db, int thisYear)
{
    QList<int> years;
    for (int year = thisYear; year >= thisYear - 10; --year)
        if (hasFields(db, year))
            years << year;
    return years;
}

QList<int> FieldYears::range(int first, int last)
{
    QList<int> years;
    for (int year = first; year <= last; ++year)
        years << year;
    return years;
}

int FieldYears::copy(Database &db, int managedYear, int productionYear)
{
    Transaction transaction(db);
    CCampiSet source(db);
    source.setFilter(QStringLiteral("Anno = ?"), {managedYear});
    source.open();
    CCampiSet target(db);
    target.setFilter(QStringLiteral("0 = 1"));
    target.open();
    // The parcel a field lies on stays the same from year to year.
    const bool parcels =
        SchemaUpgrade::hasColumn(db, TreatmentColumns::FieldsTable, TreatmentColumns::Geometry);
    const QString parcelColumns =
        QStringLiteral("[%1], [%2], [%3], [%4], [%5]")
            .arg(TreatmentColumns::ParcelId, TreatmentColumns::Municipality,
                 TreatmentColumns::Sheet, TreatmentColumns::CadastralParcel,
                 TreatmentColumns::Geometry);
    int copied = 0;
    for (; !source.isEOF(); source.moveNext()) {
        target.addNew();
        for (int column : {CCampiSet::Codice, CCampiSet::Descrizione, CCampiSet::Superficie,
                           CCampiSet::Centro, CCampiSet::Localita})
            target.setValue(column, source.value(column));
        target.setValue(CCampiSet::Anno, productionYear);
        target.update();
        if (parcels)
            db.execute(QStringLiteral("UPDATE Campi SET (%1) = (SELECT %1 FROM Campi WHERE rowid "
                                      "= ?) WHERE rowid = ?")
                           .arg(parcelColumns),
                       {source.bookmark(), target.lastModified()});
        ++copied;
    }
    transaction.commit();
    return copied;
}

void FieldYears::copyWithQuestion(Database &db, Prompter &prompter, int managedYear,
                                  int productionYear)
{
    if (managedYear <= 0 || productionYear <= 0) {
        prompter.warning(tr("There are no fields to copy: choose a year with fields and a year "
                            "without fields."));
        return;
    }
    const QString question =
        tr("Do you want to keep the fields of %1 for %2?").arg(managedYear).arg(productionYear);
    if (prompter.question(question, Prompter::Buttons::YesNoCancel) != Prompter::Answer::Yes)
        return;
    try {
        copy(db, managedYear, productionYear);
    } catch (const DbException &e) {
        prompter.error(tr("The fields of %1 were not copied to %2: nothing was changed.")
                           .arg(managedYear)
                           .arg(productionYear) +
                       QStringLiteral("\n\n") + DbErrorText::describe(e, db.path()));
        return;
    }
    prompter.information(tr("Fields created with success!"));
}
