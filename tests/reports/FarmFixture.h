#pragma once

#include "db/Database.h"

#include <QDateTime>
#include <QString>

// Seeds a test database with registries, cards, works and movements in a few calls.
class FarmFixture
{
public:
    explicit FarmFixture(Database &db);

    struct Work
    {
        int worker = 0;
        double regular = 0;
        double overtime = 0;
        double holiday = 0;
        int centreType = 0;
        int centre = 0;
        int field = 0;
        int operation = 0;
        int machine1 = 0;
        int machine2 = 0;
        int machine3 = 0;
    };

    struct Movement
    {
        int type = 0;
        int item = 0;
        double value = 0;
        double quantity = 0;
        QString phase = {};
        QString unit = {};
        QString adversity = {};
        QString document = {};
    };

    void addWorker(int code, const QString &name, const QVariant &wage, bool occasional = false);
    void addCentre(int code, const QString &name, bool machine, bool crop, double supAnno = 0);
    void addField(int code, const QString &name, int centre, double surface, int year);
    void addOperation(int code, const QString &name);
    void addItem(int code, const QString &name, const QString &unit = {}, bool register_ = false);
    qint64 addCard(const QDateTime &date);
    // A work of the card with its one movement (an empty one when movement.type and item are 0
    // and no value is given); the movement is booked where the work is.
    qint64 addWork(qint64 card, const Work &work, const Movement &movement);
    qint64 addWork(qint64 card, const Work &work);
    void addMovement(qint64 work, const Work &booking, const Movement &movement);
    void addWorkWithoutMovement(qint64 card, const Work &work);

    // All rows of a table as "a|b|c" texts in rowid order, for comparing whole contents.
    QStringList rows(const QString &sql);

private:
    qint64 insertWork(qint64 card, const Work &work);

    Database &m_db;
};
