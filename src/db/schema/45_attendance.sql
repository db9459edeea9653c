-- Absences: the school records who missed a day, not who came. At most one row per member and day;
-- 비고 says who reported it, 비고2 keeps the reason as chosen ("03)  무단결석").
CREATE TABLE T_결석 (
    회원번호 TEXT NOT NULL,
    결석일자 TEXT NOT NULL,
    결석사유코드 TEXT,
    비고 TEXT,
    비고2 TEXT,
    PRIMARY KEY (회원번호, 결석일자)
);
CREATE INDEX ix_결석_결석일자 ON T_결석 (결석일자);
