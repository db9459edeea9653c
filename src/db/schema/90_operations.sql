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
