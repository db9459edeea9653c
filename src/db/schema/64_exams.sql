-- Promotion examinations. One T_심사 row per member, promotion date and kind ("체육관" for the school's
-- own examinations, "국기원" for national ones); the columns keep their historical order because the
-- online data receipt inserts whole rows. 심사일자 not recorded is null.
CREATE TABLE T_심사 (
    회원번호 TEXT NOT NULL,
    승급일자 TEXT,
    심사명 INTEGER,
    심사구분 TEXT,
    단증번호 TEXT,
    심사일자 TEXT,
    급품코드 TEXT,
    E1 INTEGER,
    E2 INTEGER,
    E3 INTEGER,
    E4 INTEGER,
    E5 INTEGER,
    E6 INTEGER,
    출석률 INTEGER,
    승벌점 INTEGER,
    평균 INTEGER,
    평가 TEXT,
    심사결과평가내용 TEXT
);
CREATE UNIQUE INDEX ix_심사_키 ON T_심사 (회원번호, 승급일자, 심사구분);
CREATE INDEX ix_심사_심사명 ON T_심사 (심사명);

-- The six scored items; the codes name the score columns E1 .. E6 of T_심사.
CREATE TABLE T_심사항목 (
    심사항목코드 TEXT NOT NULL PRIMARY KEY,
    심사항목명 TEXT
);
INSERT INTO T_심사항목 (심사항목코드, 심사항목명) VALUES
    ('E1', '기본동작'), ('E2', '품새'), ('E3', '발차기'), ('E4', '겨루기'), ('E5', '격파'), ('E6', '태도');

-- Result-notice texts, at most one per rank.
CREATE TABLE T_심사결과안내문 (
    심사결과안내코드 INTEGER NOT NULL PRIMARY KEY,
    급품코드 TEXT,
    급품코드비고 TEXT,
    심사결과안내1 TEXT,
    심사결과안내2 TEXT,
    심사결과안내3 TEXT,
    심사결과안내4 TEXT,
    심사결과안내5 TEXT,
    심사결과안내6 TEXT,
    심사결과안내7 TEXT,
    심사결과안내8 TEXT,
    심사결과안내9 TEXT,
    심사결과안내10 TEXT,
    심사결과안내11 TEXT,
    심사결과안내12 TEXT,
    심사결과안내13 TEXT,
    심사결과안내14 TEXT
);
CREATE UNIQUE INDEX ix_심사결과안내문_급품코드 ON T_심사결과안내문 (급품코드);

-- What a trainee of each rank trains, quoted by the result notices.
CREATE TABLE T_급별수련내용 (
    급품코드 TEXT NOT NULL PRIMARY KEY,
    기본예절 TEXT,
    기본동작 TEXT,
    품새 TEXT,
    발차기 TEXT,
    정신교육 TEXT,
    비고1 TEXT,
    비고2 TEXT
);

-- What a trainee of each rank shows in each examination item, and the four evaluation area names of the
-- application forms (the same in every row).
CREATE TABLE T_급별심사평가내용 (
    급품코드 TEXT NOT NULL PRIMARY KEY,
    E1심사내용 TEXT,
    E2심사내용 TEXT,
    E3심사내용 TEXT,
    E4심사내용 TEXT,
    E5심사내용 TEXT,
    E6심사내용 TEXT,
    평가항목1 TEXT,
    평가항목2 TEXT,
    평가항목3 TEXT,
    평가항목4 TEXT
);
