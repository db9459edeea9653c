-- Check-ins at the door: one row per member and moment. A second check-in of a member within ten
-- minutes of another is not stored. 구분 says how he was found: '번호' (card scanned or number typed)
-- or '이름' (chosen by name).
CREATE TABLE T_출석체크 (
    회원번호 TEXT NOT NULL,
    체크일시 TEXT NOT NULL,
    구분 TEXT,
    PRIMARY KEY (회원번호, 체크일시)
);
CREATE INDEX ix_출석체크_체크일시 ON T_출석체크 (체크일시);
