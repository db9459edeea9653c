-- Headcount movements: one counter row per year and the logs of withdrawals, leaves and enrolment motives.
-- Every counter starts at 0 and the year is the key, so an increment never meets a null and a year
-- never gets a second row.
CREATE TABLE T_인원현황 (
    년도 INTEGER NOT NULL PRIMARY KEY,
    입관01 INTEGER NOT NULL DEFAULT 0,
    입관02 INTEGER NOT NULL DEFAULT 0,
    입관03 INTEGER NOT NULL DEFAULT 0,
    입관04 INTEGER NOT NULL DEFAULT 0,
    입관05 INTEGER NOT NULL DEFAULT 0,
    입관06 INTEGER NOT NULL DEFAULT 0,
    입관07 INTEGER NOT NULL DEFAULT 0,
    입관08 INTEGER NOT NULL DEFAULT 0,
    입관09 INTEGER NOT NULL DEFAULT 0,
    입관10 INTEGER NOT NULL DEFAULT 0,
    입관11 INTEGER NOT NULL DEFAULT 0,
    입관12 INTEGER NOT NULL DEFAULT 0,
    복관01 INTEGER NOT NULL DEFAULT 0,
    복관02 INTEGER NOT NULL DEFAULT 0,
    복관03 INTEGER NOT NULL DEFAULT 0,
    복관04 INTEGER NOT NULL DEFAULT 0,
    복관05 INTEGER NOT NULL DEFAULT 0,
    복관06 INTEGER NOT NULL DEFAULT 0,
    복관07 INTEGER NOT NULL DEFAULT 0,
    복관08 INTEGER NOT NULL DEFAULT 0,
    복관09 INTEGER NOT NULL DEFAULT 0,
    복관10 INTEGER NOT NULL DEFAULT 0,
    복관11 INTEGER NOT NULL DEFAULT 0,
    복관12 INTEGER NOT NULL DEFAULT 0,
    휴관01 INTEGER NOT NULL DEFAULT 0,
    휴관02 INTEGER NOT NULL DEFAULT 0,
    휴관03 INTEGER NOT NULL DEFAULT 0,
    휴관04 INTEGER NOT NULL DEFAULT 0,
    휴관05 INTEGER NOT NULL DEFAULT 0,
    휴관06 INTEGER NOT NULL DEFAULT 0,
    휴관07 INTEGER NOT NULL DEFAULT 0,
    휴관08 INTEGER NOT NULL DEFAULT 0,
    휴관09 INTEGER NOT NULL DEFAULT 0,
    휴관10 INTEGER NOT NULL DEFAULT 0,
    휴관11 INTEGER NOT NULL DEFAULT 0,
    휴관12 INTEGER NOT NULL DEFAULT 0,
    퇴관01 INTEGER NOT NULL DEFAULT 0,
    퇴관02 INTEGER NOT NULL DEFAULT 0,
    퇴관03 INTEGER NOT NULL DEFAULT 0,
    퇴관04 INTEGER NOT NULL DEFAULT 0,
    퇴관05 INTEGER NOT NULL DEFAULT 0,
    퇴관06 INTEGER NOT NULL DEFAULT 0,
    퇴관07 INTEGER NOT NULL DEFAULT 0,
    퇴관08 INTEGER NOT NULL DEFAULT 0,
    퇴관09 INTEGER NOT NULL DEFAULT 0,
    퇴관10 INTEGER NOT NULL DEFAULT 0,
    퇴관11 INTEGER NOT NULL DEFAULT 0,
    퇴관12 INTEGER NOT NULL DEFAULT 0
);

-- Append-only history; a member may leave more than once, so no key beyond the row.
CREATE TABLE T_퇴관사유별현황 (
    회원번호 TEXT,
    퇴관일 TEXT,
    퇴관사유코드 TEXT
);
CREATE INDEX ix_퇴관사유별현황_퇴관일 ON T_퇴관사유별현황 (퇴관일);
CREATE INDEX ix_퇴관사유별현황_회원번호 ON T_퇴관사유별현황 (회원번호);

CREATE TABLE T_휴관사유별현황 (
    회원번호 TEXT,
    휴관일 TEXT,
    휴관사유코드 TEXT
);
CREATE INDEX ix_휴관사유별현황_휴관일 ON T_휴관사유별현황 (휴관일);
CREATE INDEX ix_휴관사유별현황_회원번호 ON T_휴관사유별현황 (회원번호);

CREATE TABLE T_입관동기별현황 (
    회원번호 TEXT,
    입관일 TEXT,
    입관동기코드 TEXT
);
CREATE INDEX ix_입관동기별현황_입관일 ON T_입관동기별현황 (입관일);
CREATE INDEX ix_입관동기별현황_회원번호 ON T_입관동기별현황 (회원번호);

-- Poom and dan applications to the national headquarters: at most one per member and rank applied for
-- (the member's rank when the row was entered); a later examination for that rank overwrites it.
CREATE TABLE T_국기원승품 (
    회원번호 TEXT NOT NULL,
    급품코드 TEXT NOT NULL,
    부별코드 TEXT,
    회원명 TEXT,
    심사명 INTEGER,
    심사일자 TEXT,
    응심번호 TEXT,
    단증번호 TEXT,
    생년월일 TEXT,
    PRIMARY KEY (회원번호, 급품코드)
);
CREATE INDEX ix_국기원승품_심사명 ON T_국기원승품 (심사명);

-- Ends of leaves, one row each: '복관' a return from leave, '퇴관' a withdrawal or deletion while on
-- leave. The 48 counters keep their meaning; with these rows the headcount figures add back the leaves
-- that ended in a withdrawal (members training) and take off the returns from leave (members not
-- withdrawn).
CREATE TABLE T_휴관종료 (
    회원번호 TEXT,
    종료일 TEXT,
    종료구분 TEXT
);
CREATE INDEX ix_휴관종료_종료일 ON T_휴관종료 (종료일);
CREATE INDEX ix_휴관종료_회원번호 ON T_휴관종료 (회원번호);
