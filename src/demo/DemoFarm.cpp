#include "DemoFarm.h"

#include "db/Database.h"
#include "db/DbException.h"
#include "db/SchemaUpgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

// Copies the template into the open temporary file.
void copyTemplate(const QString &templatePath, QFile &target)
{
    QFile source(templatePath);
    if (!source.open(QIODevice::ReadOnly))
        throw DbException(DemoFarm::tr("Cannot read the template database %1: %2")
                              .arg(templatePath, source.errorString()));
    const QByteArray contents = source.readAll();
    if (target.write(contents) != contents.size() || !target.flush())
        throw DbException(
            DemoFarm::tr("Cannot write %1: %2").arg(target.fileName(), target.errorString()));
}

} // namespace

FarmSize DemoFarm::size()
{
    FarmSize farm;
    farm.workers = 8;
    farm.machines = 10;
    farm.crops = 6;
    farm.others = 3;
    farm.fieldsPerCrop = 3;
    farm.operations = 18;
    farm.items = 24;
    return farm;
}

void DemoFarm::fill(Database &db, const QDate &lastDay, int years)
{
    const int firstYear = lastDay.year() - years + 1;
    QRandomGenerator random(Seed);
    // The farm records its treatments completely: it has the columns that hold them.
    SchemaUpgrade::upgrade(db);
    Transaction transaction(db);
    FarmGenerator farm(db, size());
    farm.seedRegistries(firstYear, years);
    for (QDate day(firstYear, 1, 1); day <= lastDay; day = day.addDays(1)) {
        if (day.dayOfWeek() != Qt::Sunday)
            farm.card(day, random, 2 + random.bounded(5));
    }
    transaction.commit();
}

void DemoFarm::write(const QString &templatePath, const QString &path, const QDate &lastDay,
                     int years)
{
    const QFileInfo target(path);
    QTemporaryFile temporary(
        target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open())
        throw DbException(tr("Cannot write %1: %2").arg(path, temporary.errorString()));
    copyTemplate(templatePath, temporary);
    temporary.close();
    {
        Database db;
        db.open(temporary.fileName(), Database::Access::ReadWrite);
        fill(db, lastDay, years);
        db.close();
    }
    // A rename over the destination replaces it at once: a reader sees the old file or the new
    // one, never half of one.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary.fileName()).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), error);
    if (error)
        throw DbException(
            tr("Cannot write %1: %2").arg(path, QString::fromLocal8Bit(error.message().c_str())));
    temporary.setAutoRemove(false);
}
