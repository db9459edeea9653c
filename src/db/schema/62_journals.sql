-- Journals of the personal-management screen, keyed by member number. 순번 runs per member and table
-- and is never reused, so (회원번호, 순번) identifies a row.

-- Suggestions from the member or the parents (the enrolment form writes the first one).
CREATE TABLE T_건의사항 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    건의일자 TEXT,
    건의사항 TEXT
);
CREATE INDEX ix_건의사항_회원번호 ON T_건의사항 (회원번호, 순번);

-- Conduct record.
CREATE TABLE T_생활기록 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    기록일자 TEXT,
    생활기록 TEXT
);
CREATE INDEX ix_생활기록_회원번호 ON T_생활기록 (회원번호, 순번);
CREATE INDEX ix_생활기록_기록일자 ON T_생활기록 (기록일자);

-- Certificates and prizes awarded; 비고2 keeps the chosen list text "code)  name".
CREATE TABLE T_상장지급 (
    회원번호 TEXT NOT NULL,
    지급일자 TEXT,
    상장코드 TEXT,
    순번 INTEGER NOT NULL,
    비고 TEXT,
    비고2 TEXT
);
CREATE INDEX ix_상장지급_회원번호 ON T_상장지급 (회원번호, 순번);
CREATE INDEX ix_상장지급_지급일자 ON T_상장지급 (지급일자);

-- Badges held: one row per member and badge.
CREATE TABLE T_뱃지지급 (
    회원번호 TEXT NOT NULL,
    뱃지코드 TEXT NOT NULL,
    지급일자 TEXT,
    PRIMARY KEY (회원번호, 뱃지코드)
);

-- Merit and penalty points; the points of an entry come from T_벌점항목.벌점수.
CREATE TABLE T_벌점 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    벌점일자 TEXT,
    벌점코드 TEXT,
    비고2 TEXT
);
CREATE INDEX ix_벌점_회원번호 ON T_벌점 (회원번호, 순번);
CREATE INDEX ix_벌점_벌점일자 ON T_벌점 (벌점일자);

-- Examination-evaluation notices to the member.
CREATE TABLE T_심사평가공지사항 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    공지일자 TEXT,
    공지사항 TEXT
);
CREATE INDEX ix_심사평가공지사항_회원번호 ON T_심사평가공지사항 (회원번호, 순번);
CREATE INDEX ix_심사평가공지사항_공지일자 ON T_심사평가공지사항 (공지일자);

-- Concentration test results, written by the batch concentration input: the member's own average,
-- that of his age group, of the period and of all members, for sight, hearing and overall.
CREATE TABLE T_집중도 (
    회원번호 TEXT NOT NULL,
    측정일자 TEXT NOT NULL,
    시각본인평균 INTEGER,
    시각나이평균 INTEGER,
    시각기간평균 INTEGER,
    시각전체평균 INTEGER,
    청각본인평균 INTEGER,
    청각나이평균 INTEGER,
    청각기간평균 INTEGER,
    청각전체평균 INTEGER,
    종합본인평균 INTEGER,
    종합나이평균 INTEGER,
    종합기간평균 INTEGER,
    종합전체평균 INTEGER,
    PRIMARY KEY (회원번호, 측정일자)
);
