#pragma once

#include "db/Database.h"

#include <QString>
#include <QVariant>

// The columns a treatment is recorded with, on a database made from the template: added here
// when the template does not have them yet, and values set on a field or a movement.
namespace TreatmentFixture {

void addColumns(Database &db);
void setParcel(Database &db, int field, const QString &nationalId, const QString &geometry = {});
// The movement of work.
void setApplication(Database &db, qint64 work, const QVariant &treatedArea,
                    const QVariant &bbch = {}, const QVariant &time = {});

} // namespace TreatmentFixture
