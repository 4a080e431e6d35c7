-- Stored queries read by the processing run that rebuilds the totals tables and the working
-- table of the treatment register.
--
-- A work counts when the date of its card lies between the two date parameters; pending
-- works (IDScheda 0) belong to no card and never count. Hours are regular + overtime +
-- holiday hours, a missing value counting 0. The wage of a worker is the Stipendio of its
-- first Operai row, 0 without one. Names are taken from the first row of their code.
--
-- Every query walks the period's cards in the card date index and reaches their works and
-- movements through the card and work keys: CROSS JOIN fixes that order and INDEXED BY the
-- indexes, so that a year costs the same however many years the database holds and whatever
-- statistics the engine has gathered.
--
-- A machine runs for the hours of every work that lists it; listing it twice on one work
-- still counts the work once: each work is read once and offered for its three machine
-- slots (k), a slot repeating an earlier one giving no machine. Works booked on the
-- machine itself are its own upkeep: their labour and the purchases and workings booked on
-- it make its cost; the hourly rate of a machine is its money over its hours in Riepilogo,
-- which the processing writes before it runs the two queries that charge machine use.
--
-- Warehouse costs are purchases (2) and workings (3), revenues productions (1) and sales
-- (4); initial inventories (5) and untyped movements (0) stay out of them. The register
-- lists the uses (type 3, or 0 when none was chosen) of items marked Stampa Quaderno on crop
-- centres and fields, one row per movement in date order, with the crop centre also for a
-- field.

-- query: Ore Totali Operai
SELECT o.CodOperaio AS Codice,
       SUM(COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) AS Ore
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND o.CodOperaio > 0
GROUP BY o.CodOperaio
ORDER BY o.CodOperaio;

-- query: Ore Totali Macchine
SELECT u.Macchina AS Codice, SUM(u.Ore) AS Ore
FROM (SELECT CASE k.n WHEN 1 THEN o.CodMacch1
                       WHEN 2 THEN CASE WHEN o.CodMacch2 IS NOT o.CodMacch1 THEN o.CodMacch2 END
                       ELSE CASE WHEN o.CodMacch3 IS NOT o.CodMacch1
                                  AND o.CodMacch3 IS NOT o.CodMacch2 THEN o.CodMacch3 END
             END AS Macchina,
             COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore
      FROM Scheda AS s INDEXED BY SchedaData
      CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
      CROSS JOIN (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3) AS k
      WHERE o.IDScheda <> 0 AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]) AS u
WHERE u.Macchina > 0
GROUP BY u.Macchina
ORDER BY u.Macchina;

-- query: Costo Macchine da Operai
SELECT o.CodCentro AS Codice,
       SUM((COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) *
           COALESCE((SELECT w.Stipendio FROM Operai AS w WHERE w.Codice = o.CodOperaio
                     ORDER BY w.rowid LIMIT 1), 0)) AS Costo
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND o.[Tipo Centro] = 3 AND o.CodCentro > 0
GROUP BY o.CodCentro
ORDER BY o.CodCentro;

-- query: Costo Macchine da Magazzino
SELECT m.CodCentro AS Codice, SUM(COALESCE(m.Prezzo, 0)) AS Costo
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND m.[Tipo Centro] = 3 AND m.CodCentro > 0
  AND m.[Tipo Bolla] IN (2, 3)
GROUP BY m.CodCentro
ORDER BY m.CodCentro;

-- query: Costo Operai su Centri
SELECT o.CodOperaio AS Operaio, o.CodCentro AS Centro, o.CodOperazione AS Operazione,
       SUM(COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) AS Ore,
       SUM((COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) *
           COALESCE((SELECT w.Stipendio FROM Operai AS w WHERE w.Codice = o.CodOperaio
                     ORDER BY w.rowid LIMIT 1), 0)) AS Costo
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND o.CodOperaio > 0
  AND o.[Tipo Centro] BETWEEN 1 AND 4 AND o.CodCentro > 0
GROUP BY o.CodOperaio, o.CodCentro, o.CodOperazione
ORDER BY o.CodOperaio, o.CodCentro, o.CodOperazione;

-- query: Costo Operai su Campi
SELECT o.CodOperaio AS Operaio, o.CodCampo AS Campo, o.CodOperazione AS Operazione,
       SUM(COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) AS Ore,
       SUM((COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) *
           COALESCE((SELECT w.Stipendio FROM Operai AS w WHERE w.Codice = o.CodOperaio
                     ORDER BY w.rowid LIMIT 1), 0)) AS Costo
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND o.CodOperaio > 0
  AND o.[Tipo Centro] = 2 AND o.CodCampo > 0
GROUP BY o.CodOperaio, o.CodCampo, o.CodOperazione
ORDER BY o.CodOperaio, o.CodCampo, o.CodOperazione;

-- query: Costo Macchine su Centri
SELECT u.Macchina AS Macchina, u.Centro AS Centro, u.Operazione AS Operazione,
       SUM(u.Ore) AS Ore,
       SUM(u.Ore) * COALESCE((SELECT CASE WHEN SUM(CASE WHEN r.OreSol <> 0 THEN r.Ore ELSE 0 END) > 0
                                          THEN SUM(CASE WHEN r.OreSol = 0 THEN r.Soldi ELSE 0 END) /
                                               SUM(CASE WHEN r.OreSol <> 0 THEN r.Ore ELSE 0 END)
                                          ELSE 0 END
                              FROM Riepilogo AS r
                              WHERE r.OpeMac = 0 AND r.Codice = u.Macchina), 0) AS Costo
FROM (SELECT CASE k.n WHEN 1 THEN o.CodMacch1
                       WHEN 2 THEN CASE WHEN o.CodMacch2 IS NOT o.CodMacch1 THEN o.CodMacch2 END
                       ELSE CASE WHEN o.CodMacch3 IS NOT o.CodMacch1
                                  AND o.CodMacch3 IS NOT o.CodMacch2 THEN o.CodMacch3 END
             END AS Macchina,
             o.CodCentro AS Centro, o.CodOperazione AS Operazione,
             COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore
      FROM Scheda AS s INDEXED BY SchedaData
      CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
      CROSS JOIN (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3) AS k
      WHERE o.IDScheda <> 0 AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
        AND o.[Tipo Centro] BETWEEN 1 AND 4 AND o.CodCentro > 0) AS u
WHERE u.Macchina > 0 AND u.Macchina <> u.Centro
GROUP BY u.Macchina, u.Centro, u.Operazione
ORDER BY u.Macchina, u.Centro, u.Operazione;

-- query: Costo Macchine su Campi
SELECT u.Macchina AS Macchina, u.Campo AS Campo, u.Operazione AS Operazione,
       SUM(u.Ore) AS Ore,
       SUM(u.Ore) * COALESCE((SELECT CASE WHEN SUM(CASE WHEN r.OreSol <> 0 THEN r.Ore ELSE 0 END) > 0
                                          THEN SUM(CASE WHEN r.OreSol = 0 THEN r.Soldi ELSE 0 END) /
                                               SUM(CASE WHEN r.OreSol <> 0 THEN r.Ore ELSE 0 END)
                                          ELSE 0 END
                              FROM Riepilogo AS r
                              WHERE r.OpeMac = 0 AND r.Codice = u.Macchina), 0) AS Costo
FROM (SELECT CASE k.n WHEN 1 THEN o.CodMacch1
                       WHEN 2 THEN CASE WHEN o.CodMacch2 IS NOT o.CodMacch1 THEN o.CodMacch2 END
                       ELSE CASE WHEN o.CodMacch3 IS NOT o.CodMacch1
                                  AND o.CodMacch3 IS NOT o.CodMacch2 THEN o.CodMacch3 END
             END AS Macchina,
             o.CodCampo AS Campo, o.CodOperazione AS Operazione,
             COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore
      FROM Scheda AS s INDEXED BY SchedaData
      CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
      CROSS JOIN (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3) AS k
      WHERE o.IDScheda <> 0 AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
        AND o.[Tipo Centro] = 2 AND o.CodCampo > 0) AS u
WHERE u.Macchina > 0
GROUP BY u.Macchina, u.Campo, u.Operazione
ORDER BY u.Macchina, u.Campo, u.Operazione;

-- query: Costo e Ricavo da Magazzino
SELECT m.[Codice Articolo] AS Articolo, m.CodCentro AS Centro, m.[Tipo Bolla] AS Tipo,
       SUM(COALESCE(m.Prezzo, 0)) AS Valore, SUM(COALESCE(m.Quantita, 0)) AS Quantita
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND m.[Tipo Centro] BETWEEN 1 AND 4 AND m.CodCentro > 0
  AND m.[Tipo Bolla] BETWEEN 1 AND 4
GROUP BY m.[Codice Articolo], m.CodCentro, m.[Tipo Bolla]
ORDER BY m.[Codice Articolo], m.CodCentro, m.[Tipo Bolla];

-- query: Costo e Ricavo da Magazzino Campi
SELECT m.[Codice Articolo] AS Articolo, m.CodCampo AS Campo, m.[Tipo Bolla] AS Tipo,
       SUM(COALESCE(m.Prezzo, 0)) AS Valore, SUM(COALESCE(m.Quantita, 0)) AS Quantita,
       COALESCE(m.Fase, '') AS Fase
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[Data Iniziale] AND :[Data Finale]
  AND m.[Tipo Centro] = 2 AND m.CodCampo > 0
  AND m.[Tipo Bolla] BETWEEN 1 AND 4
GROUP BY m.[Codice Articolo], m.CodCampo, m.[Tipo Bolla], COALESCE(m.Fase, '')
ORDER BY m.[Codice Articolo], m.CodCampo, m.[Tipo Bolla], COALESCE(m.Fase, '');

-- query: Articoli su Colture per Quaderno
SELECT s.Data AS Data, m.[Codice Articolo] AS CodiceArticolo,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Articolo,
       m.UniMis AS UnMis, m.Quantita AS Quantita, m.Fase AS Fase,
       m.CodCentro AS CodiceCentro,
       (SELECT c.Descrizione FROM Centri AS c WHERE c.Codice = m.CodCentro
        ORDER BY c.rowid LIMIT 1) AS Centro,
       m.[Tipo Bolla] AS TipoBolla, m.RifDoc AS RifDoc, m.Avverso AS Avverso
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data BETWEEN :[DataInit] AND :[DataEnd]
  AND m.[Tipo Centro] IN (1, 2)
  AND m.[Tipo Bolla] IN (0, 3)
  AND EXISTS (SELECT 1 FROM Articoli AS a
              WHERE a.Codice = m.[Codice Articolo] AND a.[Stampa Quaderno] <> 0)
ORDER BY s.Data, m.IDBolla;
