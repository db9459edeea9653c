-- The school record, the shared code tables and the letter texts, with the codes a new school starts on.

CREATE TABLE T_도장정보 (
    도장명 TEXT,
    도장명영 TEXT,
    구 TEXT,
    관장명 TEXT,
    단 TEXT,
    단증번호 TEXT,
    전화번호 TEXT,
    인사말 TEXT,
    태권도협회 TEXT,
    단체가입번호 TEXT,
    납부은행 TEXT,
    주소 TEXT,
    사업자등록번호 TEXT,
    메인화면 TEXT,
    메인화면체크유무 TEXT DEFAULT '0',
    금전출납화면 TEXT,
    금전출납화면체크유무 TEXT DEFAULT '0',
    수련비화면 TEXT,
    수련비화면체크유무 TEXT DEFAULT '0',
    상장발부 INTEGER DEFAULT 1,
    급증발부 INTEGER DEFAULT 0,
    수료증발부 INTEGER DEFAULT 0,
    수료증내용1 TEXT,
    수료증내용2 TEXT,
    수료증내용3 TEXT,
    수료증내용4 TEXT,
    수료증내용5 TEXT,
    화면배율 INTEGER,
    자동보관 TEXT DEFAULT '0',
    자동보관개수 INTEGER DEFAULT 14,
    자동보관실패 TEXT
);

-- Divisions by age group: up to 02 kindergarten, 03-11 elementary school, 12 and above older trainees.
CREATE TABLE T_부별코드 (
    부별코드 TEXT NOT NULL PRIMARY KEY,
    부명 TEXT,
    수련비 INTEGER DEFAULT 0
);
INSERT INTO T_부별코드 (부별코드, 부명, 수련비) VALUES
    ('01', '유치부(4~5세)', 120000),
    ('02', '유치부(6~7세)', 120000),
    ('03', '초등1학년부', 130000),
    ('04', '초등2학년부', 130000),
    ('05', '초등3학년부', 130000),
    ('06', '초등4학년부', 130000),
    ('07', '초등5학년부', 130000),
    ('08', '초등6학년부', 130000),
    ('09', '초등저학년 시범단', 150000),
    ('10', '초등고학년 시범단', 150000),
    ('11', '초등 겨루기반', 150000),
    ('12', '중등부', 140000),
    ('13', '고등부', 140000),
    ('14', '대학/일반부', 150000),
    ('15', '성인 주부반', 150000);

-- Ranks in promotion order (the next rank is the code plus one). Dan-candidate ranks end in "단보"; a Poom
-- holder becomes a Dan holder with age alone, so each 품/단 level is one rank.
CREATE TABLE T_급품코드 (
    급품코드 TEXT NOT NULL PRIMARY KEY,
    급품명 TEXT,
    띠색 TEXT
);
INSERT INTO T_급품코드 (급품코드, 급품명, 띠색) VALUES
    ('01', '10급', '흰띠'),
    ('02', '9급', '노란띠'),
    ('03', '8급', '주황띠'),
    ('04', '7급', '초록띠'),
    ('05', '6급', '파란띠'),
    ('06', '5급', '보라띠'),
    ('07', '4급', '갈색띠'),
    ('08', '3급', '빨간띠'),
    ('09', '2급', '빨간띠'),
    ('10', '1급', '빨간띠'),
    ('11', '단보', '품띠'),
    ('12', '1품/1단', '품띠/검정띠'),
    ('13', '2품단보', '품띠/검정띠'),
    ('14', '2품/2단', '품띠/검정띠'),
    ('15', '3품단보', '품띠/검정띠'),
    ('16', '3품/3단', '품띠/검정띠'),
    ('17', '4품단보', '품띠/검정띠'),
    ('18', '4단', '검정띠'),
    ('19', '5단', '검정띠'),
    ('20', '6단', '검정띠'),
    ('21', '7단', '검정띠'),
    ('22', '8단', '검정띠'),
    ('23', '9단', '검정띠');

-- School grades; the member record keeps the grade name, the code gives the order.
CREATE TABLE T_학년코드 (
    학년코드 INTEGER NOT NULL PRIMARY KEY,
    학년 TEXT
);
INSERT INTO T_학년코드 (학년코드, 학년) VALUES
    (1, '유치 4'), (2, '유치 5'), (3, '유치 6'), (4, '유치 7'),
    (5, '초등 1'), (6, '초등 2'), (7, '초등 3'), (8, '초등 4'), (9, '초등 5'), (10, '초등 6'),
    (11, '중등 1'), (12, '중등 2'), (13, '중등 3'),
    (14, '고등 1'), (15, '고등 2'), (16, '고등 3'),
    (17, '대학교'), (18, '일반');

CREATE TABLE T_지역코드 (
    지역코드 INTEGER NOT NULL PRIMARY KEY,
    지역명 TEXT
);
INSERT INTO T_지역코드 (지역코드, 지역명) VALUES
    (1, '도장 인근'), (2, '중앙동'), (3, '신시가지'), (4, '아파트단지'), (5, '기타 지역');

CREATE TABLE T_우편번호 (
    우편번호 TEXT NOT NULL,
    동 TEXT NOT NULL,
    PRIMARY KEY (우편번호, 동)
);

CREATE TABLE T_결석사유 (
    결석사유코드 TEXT NOT NULL PRIMARY KEY,
    결석사유 TEXT
);
INSERT INTO T_결석사유 (결석사유코드, 결석사유) VALUES
    ('01', '질병'), ('02', '가족행사'), ('03', '학교행사'), ('04', '여행'),
    ('05', '타학원'), ('06', '무단결석'), ('99', '기타');

CREATE TABLE T_휴퇴사유 (
    휴퇴사유코드 TEXT NOT NULL PRIMARY KEY,
    휴퇴사유 TEXT
);
INSERT INTO T_휴퇴사유 (휴퇴사유코드, 휴퇴사유) VALUES
    ('01', '이사'), ('02', '학업/타학원'), ('03', '경제적 사정'), ('04', '건강'),
    ('05', '흥미 상실'), ('06', '시간 부족'), ('07', '방학/여행'), ('99', '기타');

CREATE TABLE T_입관동기 (
    사유코드 TEXT NOT NULL PRIMARY KEY,
    사유명 TEXT
);
INSERT INTO T_입관동기 (사유코드, 사유명) VALUES
    ('01', '지인 소개'), ('02', '형제/자매'), ('03', '전단지'), ('04', '간판'),
    ('05', '인터넷'), ('06', '차량 홍보'), ('99', '기타');

-- Award types 01-09 are fixed: the certificates print their own texts for them.
CREATE TABLE T_상장목록 (
    상장코드 TEXT NOT NULL PRIMARY KEY,
    상장명 TEXT,
    상장내용1 TEXT,
    상장내용2 TEXT,
    상장내용3 TEXT,
    상장내용4 TEXT,
    상장내용5 TEXT
);
INSERT INTO T_상장목록 (상장코드, 상장명) VALUES
    ('01', '품새상'), ('02', '겨루기상'), ('03', '우수상'), ('04', '최우수상'), ('05', '개근상'),
    ('06', '노력상'), ('07', '모범상'), ('08', '표창장'), ('09', '감사장');

CREATE TABLE T_벌점항목 (
    벌점코드 TEXT NOT NULL PRIMARY KEY,
    벌점명 TEXT,
    벌점수 INTEGER DEFAULT 0
);
INSERT INTO T_벌점항목 (벌점코드, 벌점명, 벌점수) VALUES
    ('01', '수련태도 우수', 3), ('02', '봉사활동', 5), ('03', '예절 바름', 2),
    ('04', '지각', -1), ('05', '무단결석', -2), ('06', '예절 불량', -2);

CREATE TABLE T_뱃지항목 (
    뱃지코드 TEXT NOT NULL PRIMARY KEY,
    뱃지명 TEXT
);
INSERT INTO T_뱃지항목 (뱃지코드, 뱃지명) VALUES
    ('01', '예절 뱃지'), ('02', '기본동작 뱃지'), ('03', '품새 뱃지'), ('04', '발차기 뱃지'),
    ('05', '겨루기 뱃지'), ('06', '격파 뱃지');

CREATE TABLE T_생활기록문항 (
    생활기록코드 INTEGER NOT NULL PRIMARY KEY,
    생활기록문항 TEXT
);
INSERT INTO T_생활기록문항 (생활기록코드, 생활기록문항) VALUES
    (1, '수련에 적극적으로 참여합니다.'),
    (2, '인사를 잘 하고 예절이 바릅니다.'),
    (3, '친구들과 사이좋게 지냅니다.'),
    (4, '집중력이 좋아지고 있습니다.');

CREATE TABLE T_심사평가공지사항문항 (
    심사평가공지사항코드 INTEGER NOT NULL PRIMARY KEY,
    심사평가공지사항 TEXT
);
INSERT INTO T_심사평가공지사항문항 (심사평가공지사항코드, 심사평가공지사항) VALUES
    (1, '이번 달 심사를 위해 품새를 꾸준히 연습해 주세요.'),
    (2, '도복과 띠를 깨끗하게 준비해 주세요.'),
    (3, '결석하지 않도록 가정에서 지도 부탁드립니다.');

-- Fitness test items A01-A12 (edited on the item settings screen; no new rows). A01 is the height and
-- A02 the weight: the obesity index is computed from them.
CREATE TABLE T_체력측정항목 (
    측정항목코드 TEXT NOT NULL PRIMARY KEY,
    측정항목명 TEXT
);
INSERT INTO T_체력측정항목 (측정항목코드, 측정항목명) VALUES
    ('A01', '신장'), ('A02', '체중'), ('A03', '제자리멀리뛰기'),
    ('A04', '윗몸일으키기'), ('A05', '앉아윗몸앞으로굽히기'), ('A06', '50m달리기'),
    ('A07', '왕복오래달리기'), ('A08', '팔굽혀펴기'), ('A09', '눈감고외발서기'),
    ('A10', '사이드스텝'), ('A11', '악력'), ('A12', '줄넘기');

CREATE TABLE T_심사결과평가내용 (
    심사결과평가코드 INTEGER NOT NULL PRIMARY KEY,
    심사결과평가내용 TEXT
);
INSERT INTO T_심사결과평가내용 (심사결과평가코드, 심사결과평가내용) VALUES
    (1, '기본동작이 정확하고 자세가 바릅니다.'),
    (2, '품새의 흐름이 좋아졌습니다. 힘 조절을 더 연습합시다.'),
    (3, '발차기가 힘차고 정확합니다.');

-- Event types 01-02 are fixed (their certificate text is built in).
CREATE TABLE T_행사목록 (
    행사코드 TEXT NOT NULL PRIMARY KEY,
    행사명 TEXT,
    행사내용1 TEXT,
    행사내용2 TEXT,
    행사내용3 TEXT,
    행사내용4 TEXT,
    행사내용5 TEXT
);
INSERT INTO T_행사목록 (행사코드, 행사명) VALUES ('01', '하계 극기훈련'), ('02', '동계 극기훈련');

-- One row of reusable letter texts.
CREATE TABLE T_가정통신문 (
    개인 TEXT,
    단체 TEXT,
    심사 TEXT,
    심사신청서내용 TEXT,
    체력측정평가 TEXT
);
INSERT INTO T_가정통신문 (개인, 단체, 심사, 심사신청서내용, 체력측정평가) VALUES ('', '', '', '', '');
