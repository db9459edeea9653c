#include "members/PersonalPrintouts.h"

#include "db/Query.h"
#include "fitness/Fitness.h"
#include "text/Cp949.h"
#include "text/Money.h"

#include <QHash>
#include <functional>

namespace PersonalPrintouts {

namespace {

report::TextStyle ts(double size = 10, bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    report::TextStyle s;
    s.size = size;
    s.bold = bold;
    s.align = align;
    return s;
}

QString text(db::Query& q, const char* column) { return q.str(QString::fromUtf8(column)); }

QList<QStringList> rowsOf(const QString& sql, const QString& no, const QStringList& columns, const db::Params& more = {})
{
    db::Query q(sql);
    q.bind(QStringLiteral("no"), no);
    for (auto it = more.begin(); it != more.end(); ++it)
        q.bind(it->first, it->second);
    q.open();
    QList<QStringList> out;
    while (q.next()) {
        QStringList r;
        for (const QString& c : columns)
            r << q.str(c);
        out << r;
    }
    return out;
}

QString wonText(const QVariant& v) { return v.isNull() ? QString() : moneyText(v.toLongLong()) + QStringLiteral(" 원"); }

// The labels of the personal data page; the registration adds fee, bank, motive and stop.
QList<QPair<QString, QString>> profileFields(const QString& no, const std::function<QString(const char*)>& v, const QDate& today,
                                             const QString& fee, bool registration)
{
    QList<QPair<QString, QString>> f = {{QStringLiteral("등 록 번 호 : "), no},
                                        {QStringLiteral("성    명 :"), v("회원명")},
                                        {QStringLiteral("입 관 일 : "), v("입관일")},
                                        {QStringLiteral("부    별 : "), v("부명")},
                                        {QStringLiteral("생년월일 : "), v("생년월일")},
                                        {QStringLiteral("성    별 : "), v("성별")}};
    if (registration)
        f.append({QStringLiteral("입관동기 : "), v("사유명")});
    f << QPair<QString, QString>{QStringLiteral("나    이 : "), QString::number(koreanAge(v("생년월일"), today))}
      << QPair<QString, QString>{QStringLiteral("지    역 : "), v("지역명")}
      << QPair<QString, QString>{QStringLiteral("전화번호 : "), v("전화번호").trimmed()}
      << QPair<QString, QString>{QStringLiteral("주    소 : "), v("주소")}
      << QPair<QString, QString>{QStringLiteral("우편번호 : "), v("우편번호")}
      << QPair<QString, QString>{QStringLiteral("학    교 : "), v("학교")}
      << QPair<QString, QString>{QStringLiteral("학 년 반 : "), v("학년") + u'/' + v("반")};
    if (registration)
        f << QPair<QString, QString>{QStringLiteral("수 련 비 : "), fee}
          << QPair<QString, QString>{QStringLiteral("납부은행 : "), v("납부은행")};
    f << QPair<QString, QString>{QStringLiteral("현 품 급 : "), v("급품명")};
    if (registration) {
        const QString stop = v("장소").trimmed();
        f << QPair<QString, QString>{QStringLiteral("탑승장소 : "), stop.isEmpty() ? QString() : stop + u'(' + v("시간") + u')'};
    }
    f << QPair<QString, QString>{QStringLiteral("납 부 일 : "), v("납부일자")}
      << QPair<QString, QString>{QStringLiteral("타 학 원 : "), v("타학원수강")}
      << QPair<QString, QString>{QStringLiteral("기    타 : "), v("기타사항")};
    return f;
}

} // namespace

Pages::Pages(QString memberName, QDate printed, QList<Section> sections)
    : m_name(std::move(memberName)), m_printed(printed), m_sections(std::move(sections))
{
}

void Pages::build(report::PageBuilder& pages) const
{
    const double left = 15, width = pages.paperMm().width() - 30, bottom = pages.paperMm().height() - 18;
    for (const Section& s : m_sections) {
        double y = 0;
        auto head = [&] {
            pages.newPage();
            y = 14;
            pages.text(QRectF(left, y, width, 12), s.title, ts(18, true, Qt::AlignCenter));
            y += 16;
            pages.text(QRectF(left, y, width / 2, 6), QStringLiteral("자료출력일자 : ") + m_printed.toString(QStringLiteral("yyyy-MM-dd")), ts(9));
            pages.text(QRectF(left + width / 2, y, width / 2, 6), QStringLiteral("회원명 : ") + m_name, ts(9, false, Qt::AlignRight | Qt::AlignVCenter));
            y += 8;
            pages.line(QPointF(left, y), QPointF(left + width, y), 0.3);
            y += 4;
        };
        head();
        for (const auto& [label, value] : s.fields) {
            if (y > bottom)
                head();
            pages.text(QRectF(left, y, 32, 7), label, ts(10, true));
            pages.text(QRectF(left + 32, y, width - 32, 7), value, ts());
            y += 7.5;
        }
        for (const QString& l : s.lines) {
            if (y > bottom)
                head();
            pages.text(QRectF(left, y, width, 7), l, ts());
            y += 7.5;
        }
        if (!s.headers.isEmpty()) {
            const int n = int(s.headers.size());
            const double cw = width / n;
            auto headerRow = [&] {
                pages.box(QRectF(left, y, width, 7), 0.2, QColor(235, 235, 235));
                for (int c = 0; c < n; ++c)
                    pages.text(QRectF(left + c * cw + 1, y, cw - 2, 7), s.headers[c], ts(8, true, Qt::AlignCenter));
                y += 8;
            };
            y += 2;
            headerRow();
            for (const QStringList& r : s.rows) {
                if (y > bottom) {
                    head();
                    headerRow();
                }
                for (int c = 0; c < n; ++c)
                    pages.text(QRectF(left + c * cw + 1, y, cw - 2, 6), r.value(c), ts(8));
                y += 6.5;
            }
        }
    }
}

int koreanAge(const QString& birthDate, const QDate& today)
{
    const int year = fitness::birthYear(birthDate);
    return year > 0 ? today.year() - year + 1 : 0;
}

QList<QPair<QString, QString>> registrationMembers(bool newOnly, const QDate& today)
{
    db::Query q(QStringLiteral(" SELECT 회원명, 회원번호   FROM T_회원         WHERE 퇴관일 is null      AND 휴관일 is null  ")
                + (newOnly ? QStringLiteral("  AND 입관일 =:입관일  ") : QString()) + QStringLiteral("  Order by 회원명    "));
    if (newOnly)
        q.bind(QStringLiteral("입관일"), today);
    q.open();
    QList<QPair<QString, QString>> out;
    while (q.next())
        out.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명"))});
    return out;
}

QList<Section> registration(const QString& no, const QDate& today)
{
    db::Query school(QStringLiteral("SELECT 관장명, 전화번호, 인사말 FROM T_도장정보"));
    school.open();
    const bool hasSchool = school.next();
    const QString head = hasSchool ? text(school, "관장명") : QString();
    const QString phone = hasSchool ? text(school, "전화번호") : QString();
    const QString greeting = hasSchool ? text(school, "인사말") : QString();

    const QVariant paid = db::scalar(QStringLiteral("SELECT 납부액 FROM T_수련비납부 WHERE 회원번호 = :no And 년월분 = :YYMM "),
                                     {{"no", no}, {"YYMM", today.toString(QStringLiteral("yyyyMM"))}});
    const QString amount = paid.isNull() ? QString() : QString::number(paid.toLongLong()) + QStringLiteral(" 원");
    const QString month = paid.isNull() ? QString() : QString::number(today.month());

    db::Query m(QStringLiteral(
        "SELECT a.회원명, a.입관일, a.생년월일, a.성별, a.전화번호, a.주소, a.우편번호, a.학교, a.학년, a.반, a.납부일자, a.타학원수강, "
        "a.기타사항, a.수련비,a.납부은행, b.급품명, c.부명, d.지역명, f.기본예절, f.기본동작, f.품새, f.발차기, f.정신교육, f.비고1 ,f.비고2 ,"
        "e.사유명,g.장소,a.시간 FROM ((((((T_회원 a LEFT JOIN  T_급품코드 b ON a.급품코드 = b.급품코드) "
        "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드) LEFT JOIN T_입관동기 e ON a.입관동기코드 = e.사유코드) "
        "LEFT JOIN T_장소코드 g ON (a.코스코드 = g.코스코드 AND a.장소코드 = g.장소코드)) "
        "LEFT JOIN T_지역코드 d ON a.지역코드 = d.지역코드) LEFT JOIN T_급별수련내용 f ON a.급품코드 = f.급품코드) "
        "WHERE a.회원번호 = :no "));
    m.bind(QStringLiteral("no"), no).open();
    const bool found = m.next();
    auto v = [&](const char* c) { return found ? text(m, c) : QString(); };

    Section data;
    data.title = QStringLiteral("신 상 명 세 서");
    data.fields = profileFields(no, v, today, found ? wonText(m.value(QStringLiteral("수련비"))) : QString(), true);

    Section suggestions;
    suggestions.title = QStringLiteral("건 의 사 항");
    for (const QStringList& r : rowsOf(QStringLiteral("SELECT * from T_건의사항 where 회원번호 = :no"), no, {QStringLiteral("건의사항")}))
        suggestions.lines << r.first();

    Section training;
    training.title = QStringLiteral("수 련 사 항");
    for (const char* c : {"기본예절", "기본동작", "품새", "발차기", "정신교육", "비고1", "비고2"})
        training.lines << v(c);

    Section receipt;
    receipt.title = QStringLiteral("수련비 납부 영수증");
    receipt.lines = {v("회원명") + QStringLiteral("군(양)의 인적 사항은 위와 같습니다."),
                     QString(),
                     month + QStringLiteral("월분 수련비") + amount + QStringLiteral("을 정히 영수 하였습니다."),
                     QStringLiteral("매월 수련비의 납부는 입관일을 기준으로 합니다."),
                     QStringLiteral("감사합니다."),
                     QString(),
                     QStringLiteral("%1년 %2월 %3일").arg(today.year()).arg(today.month()).arg(today.day()),
                     QStringLiteral("관장 ") + head + QStringLiteral(" 인"),
                     QStringLiteral("전화 ") + phone,
                     QString()};
    receipt.lines << greeting.split(u'\n');
    return {data, suggestions, training, receipt};
}

QStringList partCaptions()
{
    return {QStringLiteral("신 상 명 세 서"),       QStringLiteral("건 의 사 항 내 역"),   QStringLiteral("생 활 기 록 내 역"),
            QStringLiteral("심 사 결 과 내 역"),    QStringLiteral("상 장 지 급 내 역"),   QStringLiteral("체 력 측 정 내 역"),
            QStringLiteral("출 석 현 황 내 역"),    QStringLiteral("수 련 비 납 부 내 역"), QStringLiteral("뱃 지 지 급 현 황 내 역"),
            QStringLiteral("벌 점 내 역"),          QStringLiteral("집 중 도"),            QStringLiteral("공 지 사 항")};
}

QList<Section> personal(const QString& no, const QList<Part>& parts, const QDate& today)
{
    const QString year = QString::number(today.year());
    QList<Section> out;
    for (Part p : parts) {
        Section s;
        switch (p) {
        case Profile: {
            s.title = QStringLiteral("신 상 명 세 서");
            db::Query m(QStringLiteral(
                " SELECT a.회원명, a.입관일, a.생년월일, a.성별,  a.전화번호, a.주소, a.우편번호, a.학교,  a.학년, a.반, a.납부일자, "
                "a.타학원수강,  a.기타사항, b.급품명, c.부명, d.지역명, e.건의사항  FROM ((((T_회원 a LEFT JOIN T_급품코드 b ON "
                "a.급품코드 = b.급품코드)  LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드) LEFT JOIN T_지역코드 d ON a.지역코드 = "
                "d.지역코드) LEFT JOIN T_건의사항 e ON a.회원번호 = e.회원번호)  WHERE a.회원번호 = :no "));
            m.bind(QStringLiteral("no"), no).open();
            const bool found = m.next();
            auto v = [&](const char* c) { return found ? text(m, c) : QString(); };
            s.fields = profileFields(no, v, today, QString(), false);
            s.headers = {QStringLiteral("관계"), QStringLiteral("성명"), QStringLiteral("생 년 월 일"), QStringLiteral("양/음"),
                         QStringLiteral("직업"), QStringLiteral("비고")};
            s.rows = rowsOf(QStringLiteral("SELECT  * from T_가족사항 WHERE 회원번호 = :no"), no,
                            {"관계", "성명", "생일", "양력음력", "직업", "비고"});
            break;
        }
        case Suggestions:
            s.title = QStringLiteral("건 의 사 항 내 역");
            s.headers = {QStringLiteral("건 의 일 자"), QStringLiteral("건의사항")};
            s.rows = rowsOf(QStringLiteral("SELECT * from T_건의사항 where 회원번호 = :no"), no, {"건의일자", "건의사항"});
            break;
        case Conduct:
            s.title = QStringLiteral("생 활 기 록 내 역");
            s.headers = {QStringLiteral("기 록 일 자"), QStringLiteral("생활기록")};
            s.rows = rowsOf(QStringLiteral("SELECT * from T_생활기록 where 회원번호 = :no"), no, {"기록일자", "생활기록"});
            break;
        case Exams: {
            s.title = QStringLiteral("심 사 결 과");
            s.headers = {QStringLiteral("띠구분"), QStringLiteral("품급"), QStringLiteral("승급일자"), QStringLiteral("심사명"),
                         QStringLiteral("심사일자")};
            db::Query items(QStringLiteral("select * from T_심사항목"));
            items.open();
            for (int i = 0; i < 6 && items.next(); ++i)
                s.headers << cp949::cut(items.str(QStringLiteral("심사항목명")), 6);
            while (s.headers.size() < 11)
                s.headers << QStringLiteral("E%1").arg(s.headers.size() - 4);
            s.headers << QStringLiteral("출석") << QStringLiteral("벌점") << QStringLiteral("평균") << QStringLiteral("단증번호")
                      << QStringLiteral("평가");
            s.rows = rowsOf(QStringLiteral("SELECT  T_심사.* ,T_급품코드.띠색,T_급품코드.급품명  from T_심사  LEFT JOIN   T_급품코드  "
                                           "ON T_심사.급품코드=T_급품코드.급품코드 where 회원번호 = :no"),
                            no, {"띠색", "급품명", "승급일자", "심사명", "심사일자", "E1", "E2", "E3", "E4", "E5", "E6", "출석률", "승벌점",
                                 "평균", "단증번호", "심사결과평가내용"});
            break;
        }
        case Awards:
            s.title = QStringLiteral("상 장 지 급 내 역");
            s.headers = {QStringLiteral("상 장 내 역"), QStringLiteral("발 급 일 자"), QStringLiteral("비고")};
            s.rows = rowsOf(QStringLiteral("SELECT a.지급일자, a.비고, b.상장명 from T_상장지급 a, T_상장목록 b where 회원번호 = :no AND "
                                           "a.상장코드 = b.상장코드 ORDER BY a.상장코드, a.지급일자"),
                            no, {"상장명", "지급일자", "비고"});
            break;
        case Fitness: {
            s.title = QStringLiteral("체 력 측 정 내 역");
            const QStringList labels = fitness::itemLabels();
            s.headers << QStringLiteral("측 정 일 자");
            for (int i = 0; i < fitness::kItems; ++i)
                s.headers << labels.value(i, fitness::itemCode(i + 1));
            s.headers << labels.value(fitness::kItems, QStringLiteral("비만도"));
            db::Query m(QStringLiteral("SELECT A01, A02, A03, A04, A05, A06, A07, A08, A09, A10,A11, A12, 비만도, 측정일자 from "
                                       "T_체력측정 where 회원번호 = :no ORDER BY 측정일자"));
            m.bind(QStringLiteral("no"), no).open();
            while (m.next()) {
                QStringList r{m.str(QStringLiteral("측정일자"))};
                for (int i = 0; i < fitness::kItems + 1; ++i)
                    r << fitness::fmt1(m.value(i).toDouble());
                s.rows << r;
            }
            out << s;
            // The comparison page: change since the first measurement, the national row, the school average.
            Section cmp;
            cmp.title = QStringLiteral("체 력 측 정 비 교");
            cmp.headers = s.headers;
            cmp.headers[0] = QString();
            const fitness::Measurement first = fitness::firstMeasurement(no);
            const fitness::Measurement latest = fitness::latestMeasurement(no);
            QStringList change{QStringLiteral("증    감")};
            for (int i = 0; i <= fitness::kItems; ++i)
                change << (first.found() ? fitness::fmt1(latest.v[i] - first.v[i]) : QString());
            const QString birth = db::scalarText(QStringLiteral("Select 생년월일 From T_회원 where 회원번호=:회원번호 "), {{"회원번호", no}});
            const QString sex = db::scalarText(QStringLiteral("Select 성별 From T_회원 where 회원번호=:회원번호 "), {{"회원번호", no}});
            const fitness::Measurement national =
                fitness::nationalValues(today.year() - fitness::birthYear(birth), fitness::sexCode(sex));
            QStringList nationalRow{QStringLiteral("문 체 부")};
            for (int i = 0; i <= fitness::kItems; ++i)
                nationalRow << (national.found() ? fitness::fmt1(national.v[i]) : QString());
            fitness::GroupAverages groups;
            const fitness::Values school = groups.of(birth.left(4), sex);
            QStringList schoolRow{QStringLiteral("체 육 관")};
            for (int i = 0; i <= fitness::kItems; ++i)
                schoolRow << fitness::fmt1(school[i]);
            cmp.rows = {change, nationalRow, schoolRow};
            out << cmp;
            continue;
        }
        case Attendance:
            s.title = QStringLiteral("출 석 현 황 내 역");
            s.headers = {QStringLiteral("결 석 일 자"), QStringLiteral("결 석 사 유"), QStringLiteral("비고")};
            s.rows = rowsOf(QStringLiteral("SELECT a.결석일자, a.비고, b.결석사유 from T_결석 a, T_결석사유 b where 회원번호 = :no AND "
                                           "a.결석사유코드 = b.결석사유코드 AND year(a.결석일자) = :year ORDER BY a.결석일자"),
                            no, {"결석일자", "결석사유", "비고"}, {{"year", today.year()}});
            break;
        case Fees:
            s.title = QStringLiteral("수 련 비 납 부 현 황");
            s.headers = {QStringLiteral("납 부 년 월"), QStringLiteral("납 부 일 자"), QStringLiteral("금액"), QStringLiteral("비고")};
            s.rows = rowsOf(QStringLiteral("SELECT 년월분, 납부일자, 납부액, 비고 from T_수련비납부 where 회원번호 = :no AND 년월분 >= :year "
                                           "AND 년월분 < :next ORDER BY 년월분"),
                            no, {"년월분", "납부일자", "납부액", "비고"}, {{"year", year}, {"next", QString::number(today.year() + 1)}});
            for (QStringList& r : s.rows)
                r[2] = moneyText(r[2].toLongLong());
            break;
        case Badges:
            s.title = QStringLiteral("뱃 지 지 급 현 황");
            s.headers = {QStringLiteral("지 급 일 자"), QStringLiteral("뱃지명"), QStringLiteral("비고")};
            s.rows = rowsOf(QStringLiteral("SELECT  a.지급일자, b.뱃지명 from T_뱃지지급 a, T_뱃지항목 b where 회원번호 = :no AND "
                                           "a.뱃지코드 = b.뱃지코드 ORDER BY a.뱃지코드"),
                            no, {"지급일자", "뱃지명"});
            for (QStringList& r : s.rows)
                r << QString();
            break;
        case Points: {
            s.title = QStringLiteral("벌 점 내 역 현 황");
            s.headers = {QStringLiteral("벌 점 일 자"), QStringLiteral("벌점명"), QStringLiteral("벌점")};
            s.rows = rowsOf(QStringLiteral("SELECT  a.벌점일자, b.벌점명, b.벌점수 from T_벌점 a, T_벌점항목 b WHERE 회원번호 = :no AND "
                                           "year(벌점일자) = :year AND a.벌점코드 = b.벌점코드"),
                            no, {"벌점일자", "벌점명", "벌점수"}, {{"year", today.year()}});
            s.lines << QStringLiteral("누 적 벌 점 : ")
                           + db::scalarText(QStringLiteral("SELECT sum(b.벌점수) FROM T_벌점 a, T_벌점항목 b WHERE 회원번호 = :no "
                                                           "AND a.벌점코드 = b.벌점코드 "),
                                            {{"no", no}});
            break;
        }
        case Concentration:
            s.title = QStringLiteral("집 중 도");
            s.headers = {QStringLiteral("측정일자")};
            for (const QString& kind : {QStringLiteral("시각"), QStringLiteral("청각"), QStringLiteral("종합")})
                for (const QString& of : {QStringLiteral("자신"), QStringLiteral("나이"), QStringLiteral("기간"), QStringLiteral("전체")})
                    s.headers << kind + u' ' + of;
            s.rows = rowsOf(QStringLiteral("SELECT * from T_집중도 where 회원번호 = :no Order by 측정일자 desc"), no,
                            {"측정일자", "시각본인평균", "시각나이평균", "시각기간평균", "시각전체평균", "청각본인평균", "청각나이평균",
                             "청각기간평균", "청각전체평균", "종합본인평균", "종합나이평균", "종합기간평균", "종합전체평균"});
            break;
        case Notices:
            s.title = QStringLiteral("심 사 평 가 공 사 항");
            s.headers = {QStringLiteral("공 지 일 자"), QStringLiteral("공지사항")};
            s.rows = rowsOf(QStringLiteral("SELECT * from T_심사평가공지사항 where 회원번호 = :no Order by 공지일자 asc"), no,
                            {"공지일자", "공지사항"});
            break;
        case PartCount:
            continue;
        }
        out << s;
    }
    return out;
}

} // namespace PersonalPrintouts
