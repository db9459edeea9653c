-- Daily status: the training content written for one working date, for colour-belt holders and for poom/dan holders.
CREATE TABLE T_일일현황 (
    일자 TEXT NOT NULL PRIMARY KEY,
    유급자수련내용1 TEXT,
    유급자수련내용2 TEXT,
    유급자수련내용3 TEXT,
    유급자수련내용4 TEXT,
    유급자수련내용5 TEXT,
    유급자수련내용6 TEXT,
    유급자수련내용7 TEXT,
    유급자수련내용8 TEXT,
    유품자수련내용1 TEXT,
    유품자수련내용2 TEXT,
    유품자수련내용3 TEXT,
    유품자수련내용4 TEXT,
    유품자수련내용5 TEXT,
    유품자수련내용6 TEXT,
    유품자수련내용7 TEXT,
    유품자수련내용8 TEXT
);

-- Enrolment consultations: visitors who came to ask. 순번 is the highest one + 1.
CREATE TABLE T_입관상담 (
    순번 INTEGER NOT NULL PRIMARY KEY,
    상담일자 TEXT,
    예상입관일 TEXT,
    수련생명 TEXT,
    부모명 TEXT,
    나이 INTEGER,
    학교 TEXT,
    학년 TEXT,
    주소 TEXT,
    우편번호 TEXT,
    전화번호 TEXT,
    방문동기 TEXT,
    상담자 TEXT,
    상담내역 TEXT
);

-- Holidays and events: "공휴일" for public holidays and common events, or a plan division's name.
CREATE TABLE T_공휴행사일 (
    공휴행사구분명 TEXT NOT NULL,
    공휴행사일 TEXT NOT NULL,
    공휴행사명 TEXT,
    PRIMARY KEY (공휴행사구분명, 공휴행사일)
);

-- Event participation; 비고2 keeps the event's display text "code)  name" as chosen.
CREATE TABLE T_행사참가 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    참가일자 TEXT,
    행사코드 TEXT,
    비고 TEXT,
    비고2 TEXT,
    PRIMARY KEY (회원번호, 순번)
);
CREATE INDEX ix_행사참가_참가일자 ON T_행사참가 (참가일자);

-- Exercise catalogue per plan division (유치부, 초등부유급자, 초등부유품자, 중고일반).
CREATE TABLE T_주운동코드 (
    부명 TEXT NOT NULL,
    주운동코드 INTEGER NOT NULL,
    반복구분 TEXT,
    주운동명 TEXT,
    범위 INTEGER,
    PRIMARY KEY (부명, 주운동코드)
);

CREATE TABLE T_세부운동코드 (
    부명 TEXT NOT NULL,
    주운동코드 INTEGER NOT NULL,
    세부운동코드 INTEGER NOT NULL,
    세부운동명 TEXT,
    PRIMARY KEY (부명, 주운동코드, 세부운동코드)
);

-- The main exercises a division's plan carries, in line order.
CREATE TABLE T_수련계획환경설정 (
    부명 TEXT NOT NULL,
    주운동코드 INTEGER,
    출력순번 INTEGER
);
CREATE INDEX ix_수련계획환경설정_부명 ON T_수련계획환경설정 (부명, 출력순번);

-- The generated plan: one row per division, day and line. 저장순서 grows with every insert, so the
-- last stored row of a main exercise tells where its rotation stopped.
CREATE TABLE T_수련계획표 (
    저장순서 INTEGER PRIMARY KEY AUTOINCREMENT,
    연 TEXT,
    월 TEXT,
    일 TEXT,
    부명 TEXT,
    부코드 INTEGER,
    주운동코드 INTEGER,
    주운동명 TEXT,
    출력주운동명 TEXT,
    출력세부운동명 TEXT,
    반복구분 TEXT,
    시작범위 INTEGER,
    완료범위 INTEGER,
    출력순서 INTEGER,
    주 INTEGER
);
CREATE INDEX ix_수련계획표_부명 ON T_수련계획표 (부명, 연, 월, 일);
CREATE INDEX ix_수련계획표_주운동 ON T_수련계획표 (부명, 주운동코드, 저장순서);

-- Work table of the plan printouts, rebuilt on every output.
CREATE TABLE T_출력수련계획표 (
    저장순서 INTEGER PRIMARY KEY AUTOINCREMENT,
    연 TEXT,
    월 TEXT,
    일 TEXT,
    부명1 TEXT,
    부코드1 INTEGER,
    주운동코드1 INTEGER,
    주운동명1 TEXT,
    출력주운동명1 TEXT,
    출력세부운동명1 TEXT,
    반복구분1 TEXT,
    출력순서1 INTEGER,
    주 INTEGER,
    일순번 INTEGER,
    부명2 TEXT,
    출력주운동명2 TEXT,
    출력세부운동명2 TEXT
);
