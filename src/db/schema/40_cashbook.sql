-- Cash book lines, categories and details, the inquiry scratch table and the month-end closing rows.
CREATE TABLE T_금전출납 (
    일자 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    대항목 TEXT,
    소항목 TEXT,
    입금액 INTEGER NOT NULL DEFAULT 0,
    출금액 INTEGER NOT NULL DEFAULT 0,
    적요 TEXT,
    수련비순번 TEXT,
    PRIMARY KEY (일자, 순번)
);
CREATE INDEX ix_금전출납_수련비순번 ON T_금전출납 (수련비순번);
CREATE INDEX ix_금전출납_대항목 ON T_금전출납 (대항목, 소항목);

CREATE TABLE T_코드구분 (
    구분코드 TEXT NOT NULL PRIMARY KEY,
    구분이름 TEXT
);

CREATE TABLE T_코드상세 (
    구분코드 TEXT NOT NULL,
    상세코드 TEXT NOT NULL,
    상세이름 TEXT,
    PRIMARY KEY (구분코드, 상세코드)
);

CREATE TABLE T_금전출납Temp (
    일자 TEXT,
    구분 TEXT,
    순번 INTEGER,
    대항목 TEXT,
    소항목 TEXT,
    입금액 INTEGER,
    출금액 INTEGER,
    적요 TEXT,
    수련비순번 TEXT
);

CREATE TABLE T_금전출납마감 (
    마감연월 TEXT NOT NULL PRIMARY KEY,
    당월차변금액 INTEGER NOT NULL DEFAULT 0,
    당월대변금액 INTEGER NOT NULL DEFAULT 0,
    차변누계금액 INTEGER NOT NULL DEFAULT 0,
    대변누계금액 INTEGER NOT NULL DEFAULT 0,
    마감여부 TEXT NOT NULL DEFAULT '0'
);
