-- Tarvenor 2007, office database on PostgreSQL. Run once, as the superuser, on
-- an empty database:  psql -v ON_ERROR_STOP=1 -d tarvenor -f db/office-schema.sql
-- A login granted tarvenor_user (or tarvenor_admin) needs nothing else.
--
-- Names are unquoted and so lower case: the program's statements write them in
-- any letter case. Text columns are citext: comparison ignores letter case, as
-- the statements expect. Every table belongs to tarvenor_owner, a role no
-- lawyer is granted, so nobody can truncate a table, drop its row security or
-- write another login's name into an owner column.

CREATE EXTENSION IF NOT EXISTS citext;
CREATE EXTENSION IF NOT EXISTS unaccent;
CREATE EXTENSION IF NOT EXISTS pg_trgm;

DO $roles$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'tarvenor_owner') THEN
    CREATE ROLE tarvenor_owner NOLOGIN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'tarvenor_user') THEN
    CREATE ROLE tarvenor_user NOLOGIN;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'tarvenor_admin') THEN
    CREATE ROLE tarvenor_admin NOLOGIN;
  END IF;
END
$roles$;
GRANT tarvenor_user TO tarvenor_admin;

-- The catalogue: read by every lawyer, changed by the catalogue administrator.
CREATE TABLE acte (
  id               bigint PRIMARY KEY,
  titlu            citext NOT NULL DEFAULT '',
  an               citext NOT NULL DEFAULT '',
  dataaparitie     citext NOT NULL DEFAULT '',
  monitoruloficial citext NOT NULL DEFAULT '',
  emitent          citext NOT NULL DEFAULT '',
  tipact           citext NOT NULL DEFAULT '',
  continut         citext NOT NULL DEFAULT '',
  nract            citext NOT NULL DEFAULT ''
);
CREATE INDEX acte_tipact ON acte (tipact);
CREATE INDEX acte_nract ON acte (nract);
CREATE INDEX acte_dataaparitie ON acte (dataaparitie);
CREATE INDEX acte_monitoruloficial ON acte (monitoruloficial);
CREATE INDEX acte_emitent ON acte (emitent);
-- Title patterns (the keyword search) are matched on the text value with
-- ILIKE or ~*, which this trigram index serves.
CREATE INDEX acte_titlu_trigrame ON acte USING gin ((titlu::text) gin_trgm_ops);

CREATE TABLE noutati (
  id    bigint PRIMARY KEY,
  titlu citext NOT NULL DEFAULT '',
  link  bigint NOT NULL DEFAULT 0
);

-- Each lawyer's own rows. The owner is the login that wrote the row
-- (session_user, which SET ROLE does not change).
CREATE TABLE legi_favorite (
  id      bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  id_acte bigint NOT NULL,
  owner   name NOT NULL DEFAULT session_user
);
CREATE INDEX legi_favorite_owner ON legi_favorite (owner, id);

CREATE TABLE ultimele_legi (
  id      bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  id_acte bigint NOT NULL,
  owner   name NOT NULL DEFAULT session_user
);
CREATE INDEX ultimele_legi_owner ON ultimele_legi (owner, id);

CREATE TABLE agenda (
  id           bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  data         citext NOT NULL DEFAULT '',
  ora          citext NOT NULL DEFAULT '',
  coment       citext NOT NULL DEFAULT '',
  tipeveniment bigint NOT NULL,
  owner        name NOT NULL DEFAULT session_user
);
CREATE INDEX agenda_owner_data ON agenda (owner, data);

-- Event types are the office's: every lawyer sees and adds them.
CREATE TABLE tip_eveniment (
  id           bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  tipeveniment citext NOT NULL DEFAULT ''
);
CREATE INDEX tip_eveniment_nume ON tip_eveniment (tipeveniment);

ALTER TABLE acte OWNER TO tarvenor_owner;
ALTER TABLE noutati OWNER TO tarvenor_owner;
ALTER TABLE legi_favorite OWNER TO tarvenor_owner;
ALTER TABLE ultimele_legi OWNER TO tarvenor_owner;
ALTER TABLE agenda OWNER TO tarvenor_owner;
ALTER TABLE tip_eveniment OWNER TO tarvenor_owner;

REVOKE ALL ON acte, noutati, legi_favorite, ultimele_legi, agenda, tip_eveniment FROM PUBLIC;
REVOKE CREATE ON SCHEMA public FROM PUBLIC;
GRANT USAGE ON SCHEMA public TO tarvenor_user;

GRANT SELECT ON acte, noutati TO tarvenor_user;
GRANT INSERT, UPDATE, DELETE ON acte, noutati TO tarvenor_admin;

-- Only the columns the program writes: ids come from the server, owners too.
GRANT SELECT, DELETE ON legi_favorite, ultimele_legi, agenda TO tarvenor_user;
GRANT INSERT (id_acte), UPDATE (id_acte) ON legi_favorite, ultimele_legi TO tarvenor_user;
GRANT INSERT (data, ora, coment, tipeveniment), UPDATE (data, ora, coment, tipeveniment) ON agenda TO tarvenor_user;
GRANT SELECT, INSERT (tipeveniment) ON tip_eveniment TO tarvenor_user;
GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO tarvenor_user;

ALTER TABLE legi_favorite ENABLE ROW LEVEL SECURITY;
ALTER TABLE legi_favorite FORCE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON legi_favorite USING (owner = session_user) WITH CHECK (owner = session_user);
ALTER TABLE ultimele_legi ENABLE ROW LEVEL SECURITY;
ALTER TABLE ultimele_legi FORCE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON ultimele_legi USING (owner = session_user) WITH CHECK (owner = session_user);
ALTER TABLE agenda ENABLE ROW LEVEL SECURITY;
ALTER TABLE agenda FORCE ROW LEVEL SECURITY;
CREATE POLICY own_rows ON agenda USING (owner = session_user) WITH CHECK (owner = session_user);
