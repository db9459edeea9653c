-- Completion certificates issued, numbered from T_도장정보.수료증발부.
CREATE TABLE T_수료증지급 (
    회원번호 TEXT NOT NULL,
    수료번호 INTEGER NOT NULL,
    회원명 TEXT,
    지급일자 TEXT,
    비고 TEXT
);
CREATE INDEX ix_수료증지급_회원번호 ON T_수료증지급 (회원번호);
CREATE INDEX ix_수료증지급_수료번호 ON T_수료증지급 (수료번호);
