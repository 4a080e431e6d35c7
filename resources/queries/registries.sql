-- Stored queries read by the statistics lists and prints of the registries.
--
-- A work counts when its card's date lies in the period; pending works (IDScheda 0) belong to
-- no card and never count. The period's last day is always whole: the end bound is compared
-- as the day after it, so an end parameter at 00:00:00 or at 23:59:59 gives the same rows.
-- Hours are regular + overtime + holiday hours, a missing value counting 0. A crop centre's
-- works include those on its fields (type 2 carries the crop centre in CodCentro). Names are
-- taken from the first row of their code, so a duplicated code never multiplies rows; a
-- field's name comes from the row of its code for the year the query asks for or the card's
-- year, else from its latest year. A machine's works also include those that used it as
-- machine 1, 2 or 3, each work once, in its own list as in the machines' hour totals, so the
-- two agree: the totals read each work once and offer it for four slots (k), the centre it
-- is booked on and, for machines, its three machines, a slot repeating an earlier code giving
-- nothing. The movements of a centre or field are those of its works that carry an item or
-- a movement type; a movement booked on no centre or field gives NULL codes.
--
-- Every query over a period walks the period's cards in the card date index and reaches
-- their works and movements through the card and work keys: CROSS JOIN fixes that order and
-- INDEXED BY the indexes, so that a year costs the same however many years the database
-- holds and whatever statistics the engine has gathered. The inventories walk the cards up
-- to their date the same way; one item's inventory starts from that item's movements.

-- query: Ore Totali su Centri
SELECT u.Codice AS Codice,
       (SELECT c.Descrizione FROM Centri AS c WHERE c.Codice = u.Codice
        ORDER BY c.rowid LIMIT 1) AS Descrizione,
       SUM(u.OreOrd) AS OreOrd,
       SUM(u.OreStr) AS OreStr,
       SUM(u.OreFest) AS OreFest,
       SUM(u.OreOrd + u.OreStr + u.OreFest) AS Totale
FROM (SELECT CASE k.n
                 WHEN 0 THEN w.Centro
                 WHEN 1 THEN CASE WHEN w.M1 IS NOT w.Centro THEN w.M1 END
                 WHEN 2 THEN CASE WHEN w.M2 IS NOT w.Centro AND w.M2 IS NOT w.M1 THEN w.M2 END
                 ELSE CASE WHEN w.M3 IS NOT w.Centro AND w.M3 IS NOT w.M1
                            AND w.M3 IS NOT w.M2 THEN w.M3 END
             END AS Codice,
             w.OreOrd AS OreOrd, w.OreStr AS OreStr, w.OreFest AS OreFest
      FROM (SELECT CASE WHEN o.[Tipo Centro] IN (:[Tipo], :[Type]) AND o.CodCentro > 0
                        THEN o.CodCentro END AS Centro,
                   o.CodMacch1 AS M1, o.CodMacch2 AS M2, o.CodMacch3 AS M3,
                   COALESCE(o.OreOrd, 0) AS OreOrd, COALESCE(o.OreStr, 0) AS OreStr,
                   COALESCE(o.OreFest, 0) AS OreFest
            FROM Scheda AS s INDEXED BY SchedaData
            CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
            WHERE o.IDScheda <> 0
              AND s.Data >= date(:[Data Init]) AND s.Data < date(:[Data End], '+1 day')) AS w
      CROSS JOIN (SELECT 0 AS n UNION ALL SELECT 1 UNION ALL SELECT 2 UNION ALL SELECT 3) AS k
      WHERE k.n = 0 OR :[Tipo] = 3) AS u
WHERE u.Codice > 0
GROUP BY u.Codice
ORDER BY u.Codice;

-- query: Ore Totali Addetti
SELECT o.CodOperaio AS Codice,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       SUM(COALESCE(o.OreOrd, 0)) AS OreOrd,
       SUM(COALESCE(o.OreStr, 0)) AS OreStr,
       SUM(COALESCE(o.OreFest, 0)) AS OreFest,
       SUM(COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) AS Totale
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.CodOperaio > 0
GROUP BY o.CodOperaio
ORDER BY o.CodOperaio;

-- query: Ore Totali Operazioni
SELECT o.CodOperazione AS Codice,
       (SELECT p.Descrizione FROM Operazioni AS p WHERE p.Codice = o.CodOperazione
        ORDER BY p.rowid LIMIT 1) AS Descrizione,
       SUM(COALESCE(o.OreOrd, 0)) AS OreOrd,
       SUM(COALESCE(o.OreStr, 0)) AS OreStr,
       SUM(COALESCE(o.OreFest, 0)) AS OreFest,
       SUM(COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0)) AS Totale
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.CodOperazione > 0
GROUP BY o.CodOperazione
ORDER BY o.CodOperazione;

-- query: Inventario Magazzino
SELECT m.[Codice Articolo] AS Codice,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Descrizione,
       m.[Tipo Bolla] AS [Tipo Bolla],
       (SELECT a.UnMis FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS UnMis,
       SUM(COALESCE(m.Quantita, 0)) AS Quantita
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data < date(:[Data], '+1 day')
  AND m.[Codice Articolo] > 0
  AND m.[Tipo Bolla] BETWEEN 1 AND 5
GROUP BY m.[Codice Articolo], m.[Tipo Bolla]
ORDER BY m.[Codice Articolo], m.[Tipo Bolla];

-- query: Inventario Magazzino Due
SELECT m.[Codice Articolo] AS Codice,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Descrizione,
       m.[Tipo Bolla] AS [Tipo Bolla],
       (SELECT a.UnMis FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS UnMis,
       SUM(COALESCE(m.Quantita, 0)) AS Quantita
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data < date(:[Data], '+1 day')
  AND m.[Codice Articolo] > 0
  AND m.[Tipo Bolla] BETWEEN 1 AND 5
GROUP BY m.[Codice Articolo], m.[Tipo Bolla]
ORDER BY m.[Codice Articolo], m.[Tipo Bolla];

-- query: Inventario Magazzino Articolo
SELECT m.[Codice Articolo] AS Codice,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Descrizione,
       m.[Tipo Bolla] AS [Tipo Bolla],
       (SELECT a.UnMis FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS UnMis,
       SUM(COALESCE(m.Quantita, 0)) AS Quantita
FROM Magazzino AS m INDEXED BY MagazzinoArticolo
CROSS JOIN Opere AS o ON o.IDOpera = m.IDOpera
CROSS JOIN Scheda AS s ON s.IDScheda = o.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data < date(:[Data], '+1 day')
  AND m.[Codice Articolo] = :[Codice]
  AND m.[Tipo Bolla] BETWEEN 1 AND 5
GROUP BY m.[Codice Articolo], m.[Tipo Bolla]
ORDER BY m.[Tipo Bolla];

-- query: Lavori su Centri
SELECT s.Data AS Data,
       o.CodOperaio AS CodOperaio,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore,
       o.CodOperazione AS CodOperazione,
       (SELECT p.Descrizione FROM Operazioni AS p WHERE p.Codice = o.CodOperazione
        ORDER BY p.rowid LIMIT 1) AS Operazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND ((o.[Tipo Centro] IN (:[TipoCentri], :[TipoCampi]) AND o.CodCentro = :[Codice])
       OR (:[TipoCentri] = 3
           AND :[Codice] IN (o.CodMacch1, o.CodMacch2, o.CodMacch3)))
ORDER BY s.Data, o.IDOpera;

-- query: Lavori su Campi
SELECT s.Data AS Data,
       o.CodOperaio AS CodOperaio,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore,
       o.CodOperazione AS CodOperazione,
       (SELECT p.Descrizione FROM Operazioni AS p WHERE p.Codice = o.CodOperazione
        ORDER BY p.rowid LIMIT 1) AS Operazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.[Tipo Centro] = :[Tipo] AND o.CodCampo = :[Codice]
ORDER BY s.Data, o.IDOpera;

-- query: Movimenti su Centri
SELECT s.Data AS Data,
       m.[Codice Articolo] AS CodArticolo,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Articolo,
       m.[Tipo Bolla] AS TipoBolla,
       m.UniMis AS UniMis,
       m.Quantita AS Quantita,
       m.Fase AS Fase,
       m.RifDoc AS RifDoc,
       o.CodOperazione AS CodOperazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND ((o.[Tipo Centro] IN (:[TipoCentri], :[TipoCampi]) AND o.CodCentro = :[Codice])
       OR (:[TipoCentri] = 3
           AND :[Codice] IN (o.CodMacch1, o.CodMacch2, o.CodMacch3)))
  AND (m.[Codice Articolo] > 0 OR m.[Tipo Bolla] > 0)
ORDER BY s.Data, m.IDBolla;

-- query: Movimenti su Campi
SELECT s.Data AS Data,
       m.[Codice Articolo] AS CodArticolo,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Articolo,
       m.[Tipo Bolla] AS TipoBolla,
       m.UniMis AS UniMis,
       m.Quantita AS Quantita,
       o.CodCentro AS CodCentro,
       m.Fase AS Fase,
       m.RifDoc AS RifDoc,
       o.CodOperazione AS CodOperazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.[Tipo Centro] = :[Tipo] AND o.CodCampo = :[Codice]
  AND (m.[Codice Articolo] > 0 OR m.[Tipo Bolla] > 0)
ORDER BY s.Data, m.IDBolla;

-- query: Lavori Operai
SELECT s.Data AS Data,
       o.CodCentro AS CodCentro,
       (SELECT c.Descrizione FROM Centri AS c WHERE c.Codice = o.CodCentro
        ORDER BY c.rowid LIMIT 1) AS Centro,
       COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore,
       o.CodOperazione AS CodOperazione,
       (SELECT p.Descrizione FROM Operazioni AS p WHERE p.Codice = o.CodOperazione
        ORDER BY p.rowid LIMIT 1) AS Operazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.CodOperaio = :[CodOpe]
ORDER BY s.Data, o.IDOpera;

-- query: Lavori Operazioni
SELECT s.Data AS Data,
       o.CodOperaio AS CodOperaio,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore,
       o.CodCentro AS CodCentro,
       (SELECT c.Descrizione FROM Centri AS c WHERE c.Codice = o.CodCentro
        ORDER BY c.rowid LIMIT 1) AS Centro
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.CodOperazione = :[CodOpe]
ORDER BY s.Data, o.IDOpera;

-- query: Movimenti Magazzino
SELECT s.Data AS Data,
       CASE WHEN m.[Tipo Centro] BETWEEN 1 AND 4 AND m.CodCentro > 0
            THEN m.CodCentro END AS CodCentro,
       (SELECT c.Descrizione FROM Centri AS c
        WHERE m.[Tipo Centro] BETWEEN 1 AND 4 AND c.Codice = m.CodCentro
        ORDER BY c.rowid LIMIT 1) AS Centro,
       CASE WHEN m.[Tipo Centro] = 2 AND m.CodCampo > 0 THEN m.CodCampo END AS CodCampo,
       COALESCE((SELECT f.Descrizione FROM Campi AS f
                 WHERE m.[Tipo Centro] = 2 AND f.Codice = m.CodCampo AND f.Anno = :[Anno]
                 ORDER BY f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE m.[Tipo Centro] = 2 AND f.Codice = m.CodCampo
                   AND f.Anno = CAST(strftime('%Y', s.Data) AS INTEGER)
                 ORDER BY f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE m.[Tipo Centro] = 2 AND f.Codice = m.CodCampo
                 ORDER BY f.Anno DESC, f.rowid LIMIT 1)) AS Campo,
       m.[Tipo Bolla] AS TipoBolla,
       m.UniMis AS UniMis,
       m.Prezzo AS Prezzo,
       m.Quantita AS Quantita,
       m.Iva AS Iva,
       m.Fase AS Fase,
       m.RifDoc AS RifDoc,
       o.CodOperazione AS CodOperazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND m.[Codice Articolo] = :[CodArt]
ORDER BY s.Data, m.IDBolla;

-- query: Lavori su Campi Totali
SELECT s.Data AS Data,
       o.CodOperaio AS CodOperaio,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       COALESCE(o.OreOrd, 0) + COALESCE(o.OreStr, 0) + COALESCE(o.OreFest, 0) AS Ore,
       o.CodCampo AS CodCampo,
       COALESCE((SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = o.CodCampo
                   AND f.Anno = CAST(strftime('%Y', s.Data) AS INTEGER)
                 ORDER BY f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = o.CodCampo AND f.Anno BETWEEN :[AnnoInit] AND :[AnnoEnd]
                 ORDER BY f.Anno DESC, f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = o.CodCampo
                 ORDER BY f.Anno DESC, f.rowid LIMIT 1)) AS Campo,
       o.CodOperazione AS CodOperazione,
       (SELECT p.Descrizione FROM Operazioni AS p WHERE p.Codice = o.CodOperazione
        ORDER BY p.rowid LIMIT 1) AS Operazione
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND o.[Tipo Centro] = 2 AND o.CodCampo > 0
ORDER BY s.Data, o.IDOpera;

-- query: Articoli su Campi Totali
SELECT s.Data AS Data,
       o.CodOperaio AS CodOperaio,
       (SELECT w.Nome FROM Operai AS w WHERE w.Codice = o.CodOperaio
        ORDER BY w.rowid LIMIT 1) AS Nome,
       m.UniMis AS UniMis,
       m.Quantita AS Quantita,
       m.CodCampo AS CodCampo,
       COALESCE((SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = m.CodCampo
                   AND f.Anno = CAST(strftime('%Y', s.Data) AS INTEGER)
                 ORDER BY f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = m.CodCampo AND f.Anno BETWEEN :[AnnoInit] AND :[AnnoEnd]
                 ORDER BY f.Anno DESC, f.rowid LIMIT 1),
                (SELECT f.Descrizione FROM Campi AS f
                 WHERE f.Codice = m.CodCampo
                 ORDER BY f.Anno DESC, f.rowid LIMIT 1)) AS Campo,
       m.[Codice Articolo] AS CodArticolo,
       (SELECT a.Descrizione FROM Articoli AS a WHERE a.Codice = m.[Codice Articolo]
        ORDER BY a.rowid LIMIT 1) AS Articolo
FROM Scheda AS s INDEXED BY SchedaData
CROSS JOIN Opere AS o INDEXED BY OpereScheda ON o.IDScheda = s.IDScheda
CROSS JOIN Magazzino AS m INDEXED BY MagazzinoOpera ON m.IDOpera = o.IDOpera
WHERE o.IDScheda <> 0
  AND s.Data >= date(:[DataInit]) AND s.Data < date(:[DataEnd], '+1 day')
  AND m.[Tipo Centro] = 2 AND m.CodCampo > 0
  AND m.[Codice Articolo] > 0
ORDER BY s.Data, m.IDBolla;
