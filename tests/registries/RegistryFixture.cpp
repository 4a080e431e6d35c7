#include "RegistryFixture.h"

#include "db/Database.h"

#include <QStringList>

void RegistryFixture::seed(Database &db)
{
    const QStringList statements = {
        // Centres: two crop centres, a machine, another centre.
        "INSERT INTO Centri (Campo, Descrizione, Macchina, Codice, SupAnno) VALUES "
        "(1, 'Vineyard', 0, 1, 10), (1, 'Orchard', 0, 2, 5), (0, 'Tractor', 1, 3, 2010), "
        "(0, 'Office', 0, 4, 0)",
        // Field 10 exists in 2014 and 2015; the orchard has a field in 2016 only.
        "INSERT INTO Campi (Descrizione, [Località], Centro, Codice, Superficie, Anno) VALUES "
        "('North Vines', 'Hill', 1, 10, 4, 2015), ('North Vines old', 'Hill', 1, 10, 4, 2014), "
        "('South Vines', 'Valley', 1, 11, 6, 2015), ('Apple Row', 'Plain', 2, 20, 5, 2016)",
        "INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) VALUES "
        "(1, 'Anna', 0, 10), (2, 'Bruno', 1, 8)",
        "INSERT INTO Operazioni (Codice, Descrizione) VALUES (1, 'Pruning'), (2, 'Spraying')",
        "INSERT INTO Articoli ([Costo Unitario], Descrizione, UnMis, Codice, [Stampa Quaderno]) "
        "VALUES (2.5, 'Copper', 'kg', 1, 1), (3, 'Wine', 'l', 2, 0), (1.2, 'Diesel', 'l', 3, 0)",
        "INSERT INTO Scheda (IDScheda, Data) VALUES (1, '2015-03-10 08:00:00'), "
        "(2, '2015-06-01 07:30:00'), (3, '2015-12-31 23:59:59'), (4, '2016-01-01 00:00:00'), "
        "(5, '2014-12-31 12:00:00')",
        "INSERT INTO Opere (IDOpera, IDScheda, Aggiornato, CodOperaio, CodOperazione, "
        "[Tipo Centro], CodCentro, CodCampo, OreOrd, OreStr, OreFest, CodMacch1, CodMacch2, "
        "CodMacch3) VALUES "
        "(1, 1, 1, 1, 1, 2, 1, 10, 4, 1, 0, 3, 0, 0), "
        "(2, 1, 1, 2, 2, 1, 1, 0, 2, NULL, 1, 3, 3, 0), "
        "(3, 2, 1, 1, 2, 3, 3, 0, 3, 0, 0, 0, 0, 0), "
        "(4, 2, 1, 2, 1, 4, 4, 0, 5, 0, 2, 0, 0, 0), "
        "(5, 3, 1, 1, 1, 2, 1, 11, 1, 0.5, 0, 0, 0, 0), "
        "(6, 4, 1, 1, 1, 1, 1, 0, 100, 0, 0, 0, 0, 0), "
        "(7, 0, 0, 1, 1, 1, 1, 0, 50, 0, 0, 3, 0, 0), "
        "(8, 2, 1, 2, 1, 2, 0, 10, 2, 0, 0, 0, 0, 0), "
        "(9, 5, 1, 1, 1, 1, 1, 0, 7, 0, 0, 0, 0, 0)",
        "INSERT INTO Magazzino (IDBolla, IDOpera, [Codice Articolo], [Tipo Bolla], "
        "[Tipo Centro], CodCentro, CodCampo, Quantita, UniMis, Fase, RifDoc, Prezzo) VALUES "
        "(1, 1, 1, 3, 2, 1, 10, 2, 'kg', 'Bloom', 'D1', 5), "
        "(2, 2, 0, 0, 1, 1, 0, 0, NULL, NULL, NULL, 0), "
        "(3, 3, 3, 2, 3, 3, 0, 50, 'l', '', 'F12', 60), "
        "(4, 4, 2, 4, 4, 4, 0, 100, 'l', '', 'S7', 300), "
        "(5, 5, 1, 7, 2, 1, 11, 1, 'kg', '', 'X', 0), "
        "(6, 6, 1, 5, 1, 1, 0, 1000, 'kg', '', 'I', 0), "
        "(7, 7, 1, 2, 1, 1, 0, 999, 'kg', '', 'P', 0), "
        "(8, 8, 1, 2, 2, 0, 10, 10, 'kg', 'Prep', 'F1', 25), "
        "(9, 9, 0, 0, 1, 1, 0, 0, NULL, NULL, NULL, 0)",
    };
    for (const QString &sql : statements)
        db.execute(sql);
}
