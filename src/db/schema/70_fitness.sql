-- Physical fitness: trainee measurements graded against national reference values, obesity bands,
-- and the separate register of adults with their own items and five-grade ranges.

-- One record per member and measuring day. A01 is the height (cm), A02 the weight (kg).
CREATE TABLE T_체력측정 (
    회원번호 TEXT NOT NULL,
    측정일자 TEXT NOT NULL,
    A01 REAL DEFAULT 0,
    A02 REAL DEFAULT 0,
    A03 REAL DEFAULT 0,
    A04 REAL DEFAULT 0,
    A05 REAL DEFAULT 0,
    A06 REAL DEFAULT 0,
    A07 REAL DEFAULT 0,
    A08 REAL DEFAULT 0,
    A09 REAL DEFAULT 0,
    A10 REAL DEFAULT 0,
    A11 REAL DEFAULT 0,
    A12 REAL DEFAULT 0,
    비만도 REAL DEFAULT 0,
    PRIMARY KEY (회원번호, 측정일자)
);
CREATE INDEX ix_체력측정_측정일자 ON T_체력측정 (측정일자);

-- National mean values per age and sex (구분 "1" male, "0" female); A13 the reference obesity index.
CREATE TABLE T_문체부 (
    연령 INTEGER NOT NULL,
    구분 TEXT NOT NULL,
    A01 REAL DEFAULT 0,
    A02 REAL DEFAULT 0,
    A03 REAL DEFAULT 0,
    A04 REAL DEFAULT 0,
    A05 REAL DEFAULT 0,
    A06 REAL DEFAULT 0,
    A07 REAL DEFAULT 0,
    A08 REAL DEFAULT 0,
    A09 REAL DEFAULT 0,
    A10 REAL DEFAULT 0,
    A11 REAL DEFAULT 0,
    A12 REAL DEFAULT 0,
    A13 REAL DEFAULT 0,
    PRIMARY KEY (연령, 구분)
);

-- The width of one grade step per item: a single row.
CREATE TABLE T_비교기준값 (
    A01 REAL DEFAULT 0,
    A02 REAL DEFAULT 0,
    A03 REAL DEFAULT 0,
    A04 REAL DEFAULT 0,
    A05 REAL DEFAULT 0,
    A06 REAL DEFAULT 0,
    A07 REAL DEFAULT 0,
    A08 REAL DEFAULT 0,
    A09 REAL DEFAULT 0,
    A10 REAL DEFAULT 0,
    A11 REAL DEFAULT 0,
    A12 REAL DEFAULT 0
);
INSERT INTO T_비교기준값 (A01, A02, A03, A04, A05, A06, A07, A08, A09, A10, A11, A12) VALUES (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- Lower bounds of the ten grades, derived from the national values, and two sentences per grade.
CREATE TABLE T_체력등급표 (
    연령 INTEGER NOT NULL,
    체력측정항목코드 TEXT NOT NULL,
    구분 TEXT NOT NULL,
    "1등급" REAL DEFAULT 0,
    "2등급" REAL DEFAULT 0,
    "3등급" REAL DEFAULT 0,
    "4등급" REAL DEFAULT 0,
    "5등급" REAL DEFAULT 0,
    "6등급" REAL DEFAULT 0,
    "7등급" REAL DEFAULT 0,
    "8등급" REAL DEFAULT 0,
    "9등급" REAL DEFAULT 0,
    "10등급" REAL DEFAULT 0,
    "1등급평가내용" TEXT,
    "2등급평가내용" TEXT,
    "3등급평가내용" TEXT,
    "4등급평가내용" TEXT,
    "5등급평가내용" TEXT,
    "6등급평가내용" TEXT,
    "7등급평가내용" TEXT,
    "8등급평가내용" TEXT,
    "9등급평가내용" TEXT,
    "10등급평가내용" TEXT,
    "11등급평가내용" TEXT,
    "22등급평가내용" TEXT,
    "33등급평가내용" TEXT,
    "44등급평가내용" TEXT,
    "55등급평가내용" TEXT,
    "66등급평가내용" TEXT,
    "77등급평가내용" TEXT,
    "88등급평가내용" TEXT,
    "99등급평가내용" TEXT,
    "1010등급평가내용" TEXT,
    PRIMARY KEY (연령, 체력측정항목코드, 구분)
);

-- Obesity bands (index in percent, both ends included) and their evaluation text, one line a column.
CREATE TABLE T_비만측정 (
    비만코드 TEXT NOT NULL PRIMARY KEY,
    FROM비만도 REAL DEFAULT 0,
    TO비만도 REAL DEFAULT 0,
    평가 TEXT,
    평가내용1 TEXT,
    평가내용2 TEXT,
    평가내용3 TEXT,
    평가내용4 TEXT,
    평가내용5 TEXT,
    평가내용6 TEXT,
    평가내용7 TEXT,
    평가내용8 TEXT,
    평가내용9 TEXT,
    평가내용10 TEXT,
    평가내용11 TEXT,
    평가내용12 TEXT,
    평가내용13 TEXT,
    평가내용14 TEXT,
    평가내용15 TEXT,
    평가내용16 TEXT,
    평가내용17 TEXT,
    평가내용18 TEXT,
    평가내용19 TEXT,
    평가내용20 TEXT,
    평가내용21 TEXT,
    평가내용22 TEXT,
    평가내용23 TEXT,
    평가내용24 TEXT
);
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2, 평가내용3) VALUES ('01', 0, 89, '저체중', '키에 비해 체중이 적은 편입니다.', '골고루 먹고 규칙적으로 운동하여 근육과 체력을 키워 주세요.', '끼니를 거르지 않도록 가정에서 살펴 주시기 바랍니다.');
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2) VALUES ('02', 90, 109, '정상', '키에 알맞은 체중을 유지하고 있습니다.', '지금처럼 고른 식사와 꾸준한 수련을 이어 가면 좋겠습니다.');
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2) VALUES ('03', 110, 119, '과체중', '키에 비해 체중이 조금 많은 편입니다.', '간식과 단 음료를 줄이고 수련에 빠지지 않도록 지도해 주세요.');
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2, 평가내용3) VALUES ('04', 120, 129, '경도비만', '가벼운 비만입니다.', '식사량과 간식을 조절하고 줄넘기 등 유산소 운동을 늘려 주세요.', '도장에서도 운동량을 늘려 지도하겠습니다.');
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2, 평가내용3) VALUES ('05', 130, 149, '중등도비만', '비만 정도가 중간 단계입니다.', '식습관을 바로잡고 매일 꾸준히 운동하는 습관이 필요합니다.', '필요하면 소아청소년과 상담을 권해 드립니다.');
INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1, 평가내용2, 평가내용3) VALUES ('06', 150, 999, '고도비만', '비만 정도가 높습니다.', '건강을 위해 전문의 상담과 함께 식사와 운동 계획을 세워 주세요.', '도장에서도 무리가 없는 운동부터 차근차근 지도하겠습니다.');

-- Adults measured besides the trainees; their own register, outside the member record.
CREATE TABLE T_성인 (
    성인번호 INTEGER NOT NULL PRIMARY KEY,
    성명 TEXT,
    관계 TEXT,
    성별 TEXT,
    생년월일 TEXT,
    수련생명 TEXT,
    비고 TEXT
);
CREATE INDEX ix_성인_성명 ON T_성인 (성명);

CREATE TABLE T_성인체력측정 (
    성인번호 INTEGER NOT NULL,
    측정일자 TEXT NOT NULL,
    A01 REAL DEFAULT 0,
    A02 REAL DEFAULT 0,
    A03 REAL DEFAULT 0,
    A04 REAL DEFAULT 0,
    A05 REAL DEFAULT 0,
    A06 REAL DEFAULT 0,
    A07 REAL DEFAULT 0,
    A08 REAL DEFAULT 0,
    비만도 REAL DEFAULT 0,
    PRIMARY KEY (성인번호, 측정일자)
);

CREATE TABLE T_성인체력측정항목 (
    성인체력측정항목코드 TEXT NOT NULL PRIMARY KEY,
    성인체력측정항목명 TEXT
);
INSERT INTO T_성인체력측정항목 (성인체력측정항목코드, 성인체력측정항목명) VALUES
    ('A01', '신장'), ('A02', '체중'), ('A03', '악력'), ('A04', '윗몸일으키기'), ('A05', '앉아윗몸앞으로굽히기'), ('A06', '제자리멀리뛰기'), ('A07', '눈감고외발서기'), ('A08', '왕복오래달리기');

-- Five value ranges per item, sex and age band, and two sentences per grade.
CREATE TABLE T_성인체력등급표 (
    성인체력측정항목코드 TEXT NOT NULL,
    성별 TEXT NOT NULL,
    FROM연령 INTEGER NOT NULL,
    TO연령 INTEGER DEFAULT 0,
    FROM1등급 REAL DEFAULT 0,
    TO1등급 REAL DEFAULT 0,
    FROM2등급 REAL DEFAULT 0,
    TO2등급 REAL DEFAULT 0,
    FROM3등급 REAL DEFAULT 0,
    TO3등급 REAL DEFAULT 0,
    FROM4등급 REAL DEFAULT 0,
    TO4등급 REAL DEFAULT 0,
    FROM5등급 REAL DEFAULT 0,
    TO5등급 REAL DEFAULT 0,
    "1등급평가내용" TEXT,
    "2등급평가내용" TEXT,
    "3등급평가내용" TEXT,
    "4등급평가내용" TEXT,
    "5등급평가내용" TEXT,
    "11등급평가내용" TEXT,
    "22등급평가내용" TEXT,
    "33등급평가내용" TEXT,
    "44등급평가내용" TEXT,
    "55등급평가내용" TEXT,
    PRIMARY KEY (성인체력측정항목코드, 성별, FROM연령)
);
