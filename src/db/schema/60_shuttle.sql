-- Shuttle courses, the stops of each course and the pick-up times at each stop. The member record keeps
-- its course, stop and time; members keep their codes when a course or stop is deleted.
CREATE TABLE T_코스코드 (
    코스코드 TEXT NOT NULL PRIMARY KEY,
    코스이름 TEXT
);

CREATE TABLE T_장소코드 (
    코스코드 TEXT NOT NULL,
    장소코드 TEXT NOT NULL,
    장소 TEXT,
    코스이름비고 TEXT,
    PRIMARY KEY (코스코드, 장소코드)
);

CREATE TABLE T_시간코드 (
    코스코드 TEXT NOT NULL,
    장소코드 TEXT NOT NULL,
    시간 TEXT NOT NULL,
    코스이름비고 TEXT,
    장소비고 TEXT,
    PRIMARY KEY (코스코드, 장소코드, 시간)
);
