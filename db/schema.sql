-- Tarvenor 2007 database: the catalogue (Acte, noutati, read by the program)
-- and the user's own tables (favourites, history, agenda, event types).
-- Text compares without regard to letter case, as the statements expect.
PRAGMA journal_mode = WAL;

CREATE TABLE Acte (
  ID               integer PRIMARY KEY,
  Titlu            text NOT NULL DEFAULT '' COLLATE NOCASE,
  An               text NOT NULL DEFAULT '' COLLATE NOCASE,
  DataAparitie     text NOT NULL DEFAULT '' COLLATE NOCASE,
  Monitoruloficial text NOT NULL DEFAULT '' COLLATE NOCASE,
  Emitent          text NOT NULL DEFAULT '' COLLATE NOCASE,
  Tipact           text NOT NULL DEFAULT '' COLLATE NOCASE,
  Continut         text NOT NULL DEFAULT '' COLLATE NOCASE,
  nract            text NOT NULL DEFAULT '' COLLATE NOCASE
);
CREATE INDEX Acte_Tipact ON Acte (Tipact);
CREATE INDEX Acte_nract ON Acte (nract);
CREATE INDEX Acte_DataAparitie ON Acte (DataAparitie);
CREATE INDEX Acte_Monitoruloficial ON Acte (Monitoruloficial);
CREATE INDEX Acte_Emitent ON Acte (Emitent);

CREATE TABLE noutati (
  id    integer PRIMARY KEY,
  titlu text NOT NULL DEFAULT '' COLLATE NOCASE,
  link  integer NOT NULL DEFAULT 0
);

-- Catalogue versions applied by signed update packs, newest last.
CREATE TABLE versiune_catalog (
  id         integer PRIMARY KEY AUTOINCREMENT,
  versiune   text NOT NULL,
  comentariu text NOT NULL,
  aplicat    text NOT NULL
);

-- Search index, in the program's keeping. cautare_titlu: titles without
-- diacritics under a trigram index. cautare_text: the stemmed words of titles
-- and texts. cautare_modificari: acts changed since the program last brought
-- both up to date, with what the word index held for them; the triggers fill
-- it for every change, also from outside the program.
CREATE VIRTUAL TABLE cautare_titlu USING fts5(titlu, tokenize='trigram');
CREATE VIRTUAL TABLE cautare_text USING fts5(titlu, text, content='', tokenize='unicode61');
CREATE TABLE cautare_modificari (
  id       integer PRIMARY KEY AUTOINCREMENT,
  id_acte  integer NOT NULL,
  indexat  integer NOT NULL,
  titlu    text,
  continut text
);
CREATE INDEX cautare_modificari_act ON cautare_modificari (id_acte);
CREATE TABLE cautare_stare (versiune integer NOT NULL);
INSERT INTO cautare_stare (versiune) VALUES (2);
CREATE TRIGGER cautare_inainte BEFORE INSERT ON Acte WHEN new.ID IS NOT NULL BEGIN
  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)
    SELECT ID, 1, Titlu, Continut FROM Acte WHERE ID = new.ID;
END;
CREATE TRIGGER cautare_adaugat AFTER INSERT ON Acte BEGIN
  INSERT INTO cautare_modificari (id_acte, indexat) VALUES (new.ID, 0);
END;
CREATE TRIGGER cautare_sters AFTER DELETE ON Acte BEGIN
  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)
    VALUES (old.ID, 1, old.Titlu, old.Continut);
END;
CREATE TRIGGER cautare_schimbat AFTER UPDATE OF ID, Titlu, Continut ON Acte BEGIN
  INSERT INTO cautare_modificari (id_acte, indexat, titlu, continut)
    VALUES (old.ID, 1, old.Titlu, old.Continut);
  INSERT INTO cautare_modificari (id_acte, indexat) VALUES (new.ID, 0);
END;

-- >>> each user's own tables (the installed form keeps them in each user's home)
CREATE TABLE legi_favorite (
  id      integer PRIMARY KEY AUTOINCREMENT,
  id_acte integer NOT NULL
);

CREATE TABLE ultimele_legi (
  id      integer PRIMARY KEY AUTOINCREMENT,
  id_acte integer NOT NULL
);

CREATE TABLE tip_eveniment (
  id           integer PRIMARY KEY AUTOINCREMENT,
  tipeveniment text NOT NULL DEFAULT '' COLLATE NOCASE
);
CREATE INDEX tip_eveniment_nume ON tip_eveniment (tipeveniment);

CREATE TABLE agenda (
  id           integer PRIMARY KEY AUTOINCREMENT,
  data         text NOT NULL DEFAULT '' COLLATE NOCASE,
  ora          text NOT NULL DEFAULT '' COLLATE NOCASE,
  coment       text NOT NULL DEFAULT '' COLLATE NOCASE,
  tipeveniment integer NOT NULL
);
CREATE INDEX agenda_data ON agenda (data);
-- This agenda's own random id: calendar files exported from it name their
-- events by it, so a second export updates a phone's calendar instead of
-- doubling it, and two databases never give the same names.
CREATE TABLE agenda_uid (
  uid text NOT NULL
);
INSERT INTO agenda_uid (uid) VALUES (lower(hex(randomblob(16))));
-- <<< end of each user's own tables
