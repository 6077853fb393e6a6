-- SPDX-License-Identifier: GPL-3.0-or-later
-- The directory of Tellumo ("Pager.Mdb"). Identifiers are given by the engine.
-- Dates are text: Data_Cadastro "dd/mm/yyyy"; Log.Data "yyyymmdd", Log.Hora "hh:mm".
-- Write-ahead log: readers never wait for a writer, and a log row is written without
-- waiting for the disk twice (the program opens the file with synchronous = NORMAL).
PRAGMA journal_mode = WAL;

CREATE TABLE Usuarios (
  ID_Usuario    INTEGER PRIMARY KEY AUTOINCREMENT,
  Nome_Usuario  VARCHAR(50) NOT NULL DEFAULT '',
  ID_Pager      VARCHAR(10) NOT NULL DEFAULT '',
  Descricao     VARCHAR(80) NOT NULL DEFAULT '',
  Data_Cadastro CHAR(10)    NOT NULL DEFAULT ''
);

CREATE TABLE Grupos (
  ID_Grupo        INTEGER PRIMARY KEY AUTOINCREMENT,
  Nome_Grupo      VARCHAR(15) NOT NULL DEFAULT '',
  Descricao_Grupo VARCHAR(50) NOT NULL DEFAULT ''
);

CREATE TABLE Usuario_Grupo (
  ID_Usuario INTEGER NOT NULL,
  ID_Grupo   INTEGER NOT NULL
);

CREATE TABLE Log (
  Data       CHAR(8)      NOT NULL DEFAULT '',
  Hora       CHAR(5)      NOT NULL DEFAULT '',
  Usuario    VARCHAR(50)  NOT NULL DEFAULT '',
  Mensagem   VARCHAR(240) NOT NULL DEFAULT '',
  ID_Pager   VARCHAR(10)  NOT NULL DEFAULT '',
  ID_Usuario INTEGER      NOT NULL DEFAULT 0
);

CREATE INDEX Usuarios_Nome ON Usuarios (Nome_Usuario);
CREATE INDEX Usuarios_Pager ON Usuarios (ID_Pager);
CREATE INDEX Grupos_Nome ON Grupos (Nome_Grupo);
CREATE INDEX Usuario_Grupo_Usuario ON Usuario_Grupo (ID_Usuario, ID_Grupo);
CREATE INDEX Usuario_Grupo_Grupo ON Usuario_Grupo (ID_Grupo);
CREATE INDEX Log_Ordem ON Log (Data, Hora, Usuario);
CREATE INDEX Log_Usuario ON Log (ID_Usuario, Data, Hora, Usuario);

-- The pages other programs hand to tellumo-servico, one row a page, from queued to its end:
-- delivered (its Log row written in the same change), refused by the paging service, or
-- given up after the last retry. Older Tellumo versions never read it, and the service
-- adds it to files made before it existed. Estado: aguardando, enviando, entregue,
-- recusada, desistida. ID_Pedido: the page's request (one SNPP SEND or one command), named
-- by its first page. Servico: the service that claimed it last (several may share a server's
-- queue; one starting again takes back only its own). Times are "yyyy-MM-dd hh:mm:ss.zzz" in UTC, so text order is time
-- order; an empty Ultima_Tentativa is none yet.
CREATE TABLE Fila (
  ID_Fila          INTEGER PRIMARY KEY AUTOINCREMENT,
  ID_Pedido        INTEGER      NOT NULL DEFAULT 0,
  ID_Pager         VARCHAR(10)  NOT NULL DEFAULT '',
  Usuario          VARCHAR(50)  NOT NULL DEFAULT '',
  ID_Usuario       INTEGER      NOT NULL DEFAULT 0,
  Mensagem         VARCHAR(240) NOT NULL DEFAULT '',
  Origem           VARCHAR(80)  NOT NULL DEFAULT '',
  Enfileirada      CHAR(23)     NOT NULL DEFAULT '',
  Vencimento       CHAR(23)     NOT NULL DEFAULT '',
  Ultima_Tentativa CHAR(23)     NOT NULL DEFAULT '',
  Tentativas       INTEGER      NOT NULL DEFAULT 0,
  Ultima_Razao     VARCHAR(240) NOT NULL DEFAULT '',
  Servico          VARCHAR(80)  NOT NULL DEFAULT '',
  Estado           VARCHAR(10)  NOT NULL DEFAULT 'aguardando'
);
CREATE INDEX Fila_Vencimento ON Fila (Estado, Vencimento);
