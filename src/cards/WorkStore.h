#pragma once

#include "WorkEntry.h"

#include <QList>
#include <optional>

class Database;

// Writes works with their movement: every work has exactly one Magazzino row, written with it,
// with what an application of a product records (treated area, BBCH stage, time).
class WorkStore
{
public:
    struct Loaded
    {
        WorkEntry entry;
        bool hasMovement = false;
    };

    explicit WorkStore(Database &db);

    // A new work of the card (cardId 0 and pending for a card still being inserted); returns
    // its IDOpera.
    int insert(const WorkEntry &entry, int cardId, bool pending);
    // Rewrites the work and its movement (adding the movement when it has none); Aggiornato
    // keeps its value.
    void update(int workId, const WorkEntry &entry, int cardId);
    std::optional<Loaded> load(int workId);
    // Removes the works and every movement of theirs, all or nothing.
    void remove(const QList<int> &workIds);
    // Removes works left unlinked by an insert that never ended (IDScheda 0), with their
    // movements; returns how many.
    int removeAbandoned();

private:
    void insertMovement(int workId, const WorkEntry &entry);
    // The movement's columns and values, with what an application records when the file
    // keeps it.
    bool keepsTreatments();
    QString movementColumnList();
    QVariantList movementValueList(const WorkEntry &entry);

    Database &m_db;
};
