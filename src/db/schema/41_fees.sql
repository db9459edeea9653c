-- Fee payments: one row per member and month, held by the keys below whatever path writes them.
CREATE TABLE T_수련비납부 (
    회원번호 TEXT NOT NULL,
    년월분 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    납부일자 TEXT,
    납부액 INTEGER NOT NULL DEFAULT 0,
    비고 TEXT,
    PRIMARY KEY (회원번호, 년월분)
);
CREATE UNIQUE INDEX ux_수련비납부_년월분_순번 ON T_수련비납부 (년월분, 순번);
CREATE INDEX ix_수련비납부_납부일자 ON T_수련비납부 (납부일자);

-- Issue numbers of payment notices and of receipts: one row per calendar month of issue, holding the
-- last number given out that month ("0000" when the row is made).
CREATE TABLE T_통지서발급번호 (
    발부년도 TEXT NOT NULL,
    발부월 TEXT NOT NULL,
    일련번호 TEXT NOT NULL DEFAULT '0000',
    PRIMARY KEY (발부년도, 발부월)
);
CREATE TABLE T_영수증발급번호 (
    발부년도 TEXT NOT NULL,
    발부월 TEXT NOT NULL,
    일련번호 TEXT NOT NULL DEFAULT '0000',
    PRIMARY KEY (발부년도, 발부월)
);
