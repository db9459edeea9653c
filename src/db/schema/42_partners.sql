-- Business partners and the goods lines of their dealings; each partner, date and direction has one
-- cash-book line (대항목 "거래처출납관리") carrying the sum of the lines' 공급가액.
CREATE TABLE T_거래처 (
    거래처코드 TEXT NOT NULL PRIMARY KEY,
    거래처명 TEXT,
    사업자번호 TEXT,
    성명 TEXT,
    주소 TEXT,
    우편번호 TEXT,
    업태 TEXT,
    종목 TEXT,
    전화1 TEXT,
    전화2 TEXT
);

CREATE TABLE T_거래 (
    일자 TEXT NOT NULL,
    금전출납순번 INTEGER,
    수지 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    거래처코드 TEXT NOT NULL,
    품목 TEXT,
    규격 TEXT,
    수량 INTEGER NOT NULL DEFAULT 0,
    단가 INTEGER NOT NULL DEFAULT 0,
    공급가액 INTEGER NOT NULL DEFAULT 0,
    세액 INTEGER NOT NULL DEFAULT 0,
    적요 TEXT,
    PRIMARY KEY (일자, 거래처코드, 순번)
);
CREATE INDEX ix_거래_금전출납순번 ON T_거래 (일자, 금전출납순번);
CREATE INDEX ix_거래_거래처코드 ON T_거래 (거래처코드);
