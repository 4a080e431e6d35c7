#pragma once

#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/Database.h"

#include <QLocale>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>
#include <memory>

// A fresh working database from the template, private settings and a fixed locale, so that
// number and money texts read the same on every machine.
struct CardsFixture
{
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Database> db;
    QString path;

    void init(const QString &start = QStringLiteral("01/01/2024"),
              const QString &end = QStringLiteral("31/12/2024"))
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (!env)
            env = std::make_unique<TestEnvironment>();
        env->clearSettings();
        path = env->copyTemplate();
        db = std::make_unique<Database>();
        db->open(path);
        SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), path);
        SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataInit"), start);
        SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("DataEnd"), end);
    }

    void exec(const QString &sql, const QVariantList &params = {}) const
    {
        db->execute(sql, params);
    }

    QVariant scalar(const QString &sql, const QVariantList &params = {}) const
    {
        return db->scalar(sql, params);
    }

    int count(const QString &table, const QString &condition = QStringLiteral("1")) const
    {
        return scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(table, condition))
            .toInt();
    }

    int addCard(const QString &date, const QString &weather = {}) const
    {
        return db
            ->execute(QStringLiteral("INSERT INTO Scheda (Data, Tempo) VALUES (?, ?)"),
                      {date, weather.isEmpty() ? QVariant() : QVariant(weather)})
            .lastInsertId()
            .toInt();
    }

    // A stored work of the card with one movement; returns its IDOpera.
    int addWork(int cardId, int worker = 0, bool linked = true) const
    {
        const int workId =
            db->execute(
                  QStringLiteral("INSERT INTO Opere (IDScheda, CodOperaio, Aggiornato, OreOrd) "
                                 "VALUES (?, ?, ?, 8)"),
                  {cardId, worker, linked ? 1 : 0})
                .lastInsertId()
                .toInt();
        db->execute(QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Bolla]) VALUES (?, 0)"),
                    {workId});
        return workId;
    }

    // A few registry rows: workers, centres of every kind, fields of two years, items.
    void seedRegistries() const
    {
        const QStringList statements = {
            "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES (1, 'Rossi', 1, 10)",
            "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES (2, 'Bianchi', 0, 12)",
            "INSERT INTO Operazioni (Codice, Descrizione) VALUES (7, 'Pruning')",
            "INSERT INTO Centri (Codice, Descrizione, Campo, Macchina) VALUES (10, 'Vineyard', 1, "
            "0)",
            "INSERT INTO Centri (Codice, Descrizione, Campo, Macchina) VALUES (20, 'Tractor', 0, "
            "1)",
            "INSERT INTO Centri (Codice, Descrizione, Campo, Macchina) VALUES (30, 'Barn', 0, 0)",
            "INSERT INTO Centri (Codice, Descrizione, Campo, Macchina) VALUES (21, 'Sprayer', 0, "
            "1)",
            "INSERT INTO Campi (Codice, Descrizione, Centro, Anno) VALUES (100, 'North 2023', 10, "
            "2023)",
            "INSERT INTO Campi (Codice, Descrizione, Centro, Anno) VALUES (100, 'North', 10, 2024)",
            "INSERT INTO Campi (Codice, Descrizione, Centro, Anno) VALUES (200, 'Old hill', 11, "
            "2020)",
            "INSERT INTO Articoli (Codice, Descrizione, UnMis, [Costo Unitario], [Stampa "
            "Quaderno]) "
            "VALUES (5, 'Copper', 'kg', 2.5, 1)",
            "INSERT INTO Articoli (Codice, Descrizione, UnMis, [Costo Unitario], [Stampa "
            "Quaderno]) "
            "VALUES (6, 'Diesel', 'l', 1.5, 0)",
            "INSERT INTO Articoli (Codice, Descrizione, UnMis, [Costo Unitario], [Stampa "
            "Quaderno]) "
            "VALUES (8, 'Sulphur', 'KG', 1, 1)",
        };
        for (const QString &sql : statements)
            exec(sql);
    }
};
