-- Suggestions from the member or the parents, first written by the enrolment form.
CREATE TABLE T_건의사항 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    건의일자 TEXT,
    건의사항 TEXT
);
CREATE INDEX ix_건의사항_회원번호 ON T_건의사항 (회원번호, 순번);
