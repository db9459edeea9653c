-- The member record and the family table.
CREATE TABLE T_회원 (
    회원번호 TEXT NOT NULL PRIMARY KEY,
    회원명 TEXT,
    회원명영 TEXT,
    회원명한문 TEXT,
    성별 TEXT,
    부별코드 TEXT,
    급품코드 TEXT,
    주민등록번호 TEXT,
    양력음력 TEXT,
    생년월일 TEXT,
    지역코드 INTEGER,
    최초입관일 TEXT,
    입관일 TEXT,
    퇴관일 TEXT,
    휴관일 TEXT,
    휴관사유코드 TEXT,
    퇴관사유코드 TEXT,
    복관일휴 TEXT,
    복관일퇴 TEXT,
    전화번호 TEXT,
    우편번호 TEXT,
    주소 TEXT,
    학교 TEXT,
    학년 TEXT,
    반 TEXT,
    타학원수강 TEXT,
    기타사항 TEXT,
    납부일자 INTEGER,
    입관동기코드 TEXT,
    최종휴관일 TEXT,
    최종퇴관일 TEXT,
    최종휴관사유코드 TEXT,
    최종퇴관사유코드 TEXT,
    수련비 INTEGER,
    납부은행 TEXT,
    코스코드 TEXT,
    장소코드 TEXT,
    시간 TEXT,
    핸드폰번호 TEXT,
    이메일 TEXT
);
CREATE INDEX ix_회원_회원명 ON T_회원 (회원명);
CREATE INDEX ix_회원_부별코드 ON T_회원 (부별코드);
CREATE INDEX ix_회원_퇴관일 ON T_회원 (퇴관일);

CREATE TABLE T_가족사항 (
    회원번호 TEXT NOT NULL,
    순번 INTEGER NOT NULL,
    관계 TEXT,
    성명 TEXT,
    생일 TEXT,
    양력음력 TEXT,
    직업 TEXT,
    비고 TEXT,
    결혼기념일 TEXT,
    PRIMARY KEY (회원번호, 순번)
);
