-- The farm database: every table the program reads, writes or copies.
-- Types: long/short INTEGER, single/double REAL, boolean INTEGER 0/1, dates TEXT
-- "yyyy-MM-dd HH:mm:ss", counters INTEGER PRIMARY KEY AUTOINCREMENT.

CREATE TABLE Scheda (
    Assenti TEXT,
    Fattore TEXT,
    Ferie TEXT,
    IDScheda INTEGER PRIMARY KEY AUTOINCREMENT,
    Infortunio TEXT,
    Malattia TEXT,
    Permesso TEXT,
    Pioggia REAL,
    TempMax REAL,
    TempMin REAL,
    Tempo TEXT,
    Vento TEXT,
    Data TEXT
);
CREATE INDEX SchedaData ON Scheda (Data);

CREATE TABLE Opere (
    Aggiornato INTEGER DEFAULT 0,
    CodCentro INTEGER DEFAULT 0,
    CodMacch1 INTEGER DEFAULT 0,
    CodMacch2 INTEGER DEFAULT 0,
    CodMacch3 INTEGER DEFAULT 0,
    CodOperaio INTEGER DEFAULT 0,
    CodOperazione INTEGER DEFAULT 0,
    IDOpera INTEGER PRIMARY KEY AUTOINCREMENT,
    IDScheda INTEGER DEFAULT 0,
    OreFest REAL,
    OreOrd REAL,
    OreStr REAL,
    [Tipo Centro] INTEGER DEFAULT 0,
    CodCampo INTEGER DEFAULT 0
);
CREATE INDEX OpereScheda ON Opere (IDScheda);
CREATE INDEX OpereOperaio ON Opere (CodOperaio);
CREATE INDEX OpereOperazione ON Opere (CodOperazione);
CREATE INDEX OpereCentro ON Opere ([Tipo Centro], CodCentro);

CREATE TABLE Magazzino (
    CodCampo INTEGER DEFAULT 0,
    CodCentro INTEGER DEFAULT 0,
    [Codice Articolo] INTEGER DEFAULT 0,
    IDBolla INTEGER PRIMARY KEY AUTOINCREMENT,
    IDOpera INTEGER DEFAULT 0,
    Prezzo REAL,
    Quantita REAL,
    RifDoc TEXT,
    [Tipo Bolla] INTEGER DEFAULT 0,
    [Tipo Centro] INTEGER DEFAULT 0,
    UniMis TEXT,
    Fase TEXT,
    Iva REAL,
    Note TEXT,
    Avverso TEXT
);
CREATE INDEX MagazzinoOpera ON Magazzino (IDOpera);
CREATE INDEX MagazzinoArticolo ON Magazzino ([Codice Articolo]);

CREATE TABLE Centri (
    Campo INTEGER DEFAULT 0,
    Descrizione TEXT,
    Macchina INTEGER DEFAULT 0,
    Codice INTEGER,
    SupAnno REAL
);
CREATE INDEX CentriCodice ON Centri (Codice);

CREATE TABLE Campi (
    Descrizione TEXT,
    [Località] TEXT,
    Centro INTEGER DEFAULT 0,
    Codice INTEGER,
    Superficie REAL,
    Anno INTEGER
);
CREATE INDEX CampiCodiceAnno ON Campi (Codice, Anno);
CREATE INDEX CampiAnno ON Campi (Anno);

CREATE TABLE Operai (
    Codice INTEGER,
    Nome TEXT,
    Rapporto INTEGER DEFAULT 0,
    Stipendio REAL
);
CREATE INDEX OperaiCodice ON Operai (Codice);

CREATE TABLE Operazioni (
    Codice INTEGER,
    Descrizione TEXT
);
CREATE INDEX OperazioniCodice ON Operazioni (Codice);

CREATE TABLE Articoli (
    [Costo Unitario] REAL,
    Descrizione TEXT,
    UnMis TEXT,
    Codice INTEGER,
    [Stampa Quaderno] INTEGER DEFAULT 0
);
CREATE INDEX ArticoliCodice ON Articoli (Codice);

CREATE TABLE Totali (
    CodCentro INTEGER,
    Codice INTEGER,
    CodOperazione INTEGER,
    CosRic REAL,
    Descrizione TEXT,
    NumPag INTEGER,
    OpeMac INTEGER DEFAULT 0,
    OreQua REAL,
    Tipo INTEGER DEFAULT 0,
    Ultimo INTEGER DEFAULT 0
);
CREATE INDEX TotaliPagina ON Totali (NumPag);
CREATE INDEX TotaliCentro ON Totali (CodCentro, Codice, CodOperazione);

CREATE TABLE [Totali Campi] (
    CodCentro INTEGER,
    Codice INTEGER,
    CodOperazione INTEGER,
    CosRic REAL,
    Descrizione TEXT,
    NumPag INTEGER,
    OpeMac INTEGER DEFAULT 0,
    OreQua REAL,
    Tipo INTEGER DEFAULT 0,
    Ultimo INTEGER DEFAULT 0,
    Fase TEXT,
    Avverso TEXT
);
CREATE INDEX TotaliCampiPagina ON [Totali Campi] (NumPag);
CREATE INDEX TotaliCampiCentro ON [Totali Campi] (CodCentro, Codice, CodOperazione);

CREATE TABLE Riepilogo (
    Codice INTEGER,
    CosRic INTEGER DEFAULT 0,
    OpeMac INTEGER DEFAULT 0,
    OreSol INTEGER DEFAULT 0,
    Ore REAL,
    Soldi REAL
);

CREATE TABLE [Appoggio Articoli] (
    Data TEXT,
    Fase TEXT,
    [Tipo Bolla] INTEGER,
    [Codice Articolo] INTEGER,
    Articolo TEXT,
    UnMis TEXT,
    TQ TEXT,
    NumPag INTEGER,
    Ultimo INTEGER DEFAULT 0,
    Centro TEXT,
    [Codice Centro] INTEGER,
    RifDoc TEXT,
    Avverso TEXT
);
CREATE INDEX AppoggioArticoliPagina ON [Appoggio Articoli] (NumPag);

CREATE TABLE [Appoggio Campi] (
    Data TEXT,
    CodOp TEXT,
    CodAO TEXT,
    CodCamp TEXT,
    TQ TEXT,
    Tipo INTEGER DEFAULT 0
);

-- Kept and copied whole by backups; the program does not read their rows.
CREATE TABLE Descrizioni (
    Codice INTEGER,
    Descrizione TEXT
);

CREATE TABLE [Prima Nota] (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Data TEXT,
    Descrizione TEXT,
    Importo REAL
);

-- Named queries of the database: their SQL refers to parameters as :[Name].
CREATE TABLE QueryDefs (
    Name TEXT PRIMARY KEY,
    Sql TEXT NOT NULL
);
