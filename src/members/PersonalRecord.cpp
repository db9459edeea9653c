#include "members/PersonalRecord.h"

#include "attendance/Absences.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "fees/FeePayments.h"
#include "fitness/Fitness.h"
#include "db/MemberNumber.h"
#include "db/MemberRecords.h"
#include "db/MemberStatus.h"
#include "stats/MovementCounter.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace {

// How one journal table is read and written.
struct TableDef {
    const char* table;
    QStringList columns;  // every column the statements write
    QStringList identity; // old values that find a row
    const char* select;   // :no = the member
    const char* dateColumn;
};

const TableDef& defOf(PersonalRecord::List l)
{
    static const TableDef family{"T_가족사항",
                                 {"회원번호", "순번", "관계", "성명", "생일", "양력음력", "직업", "비고", "결혼기념일"},
                                 {"회원번호", "순번"},
                                 "SELECT * FROM T_가족사항 WHERE 회원번호 = :no ORDER BY 순번",
                                 ""};
    static const TableDef suggestions{"T_건의사항",
                                      {"회원번호", "순번", "건의일자", "건의사항"},
                                      {"회원번호", "순번", "건의일자"},
                                      "SELECT * FROM T_건의사항 WHERE 회원번호 = :no ORDER BY 건의일자, 순번",
                                      "건의일자"};
    static const TableDef conduct{"T_생활기록",
                                  {"회원번호", "순번", "기록일자", "생활기록"},
                                  {"회원번호", "순번", "기록일자"},
                                  "SELECT * FROM T_생활기록 WHERE 회원번호 = :no ORDER BY 기록일자, 순번",
                                  "기록일자"};
    static const TableDef awards{"T_상장지급",
                                 {"회원번호", "지급일자", "상장코드", "순번", "비고", "비고2"},
                                 {"회원번호", "지급일자", "순번"},
                                 "SELECT * FROM T_상장지급 WHERE 회원번호 = :no ORDER BY 상장코드, 지급일자, 순번",
                                 "지급일자"};
    // Every month of the member at once: the tab shows one month of it, so choosing another month
    // keeps what was typed. A row whose item was removed from the item list still shows.
    static const TableDef points{"T_벌점",
                                 {"회원번호", "순번", "벌점일자", "벌점코드", "비고2"},
                                 {"회원번호", "순번", "벌점일자"},
                                 "SELECT a.회원번호, a.순번, a.벌점일자, a.벌점코드, a.비고2, b.벌점수 "
                                 "FROM T_벌점 a LEFT JOIN T_벌점항목 b ON a.벌점코드 = b.벌점코드 "
                                 "WHERE a.회원번호 = :no Order By a.벌점일자 asc, a.순번",
                                 "벌점일자"};
    static const TableDef notices{"T_심사평가공지사항",
                                  {"회원번호", "순번", "공지일자", "공지사항"},
                                  {"회원번호", "순번", "공지일자"},
                                  "SELECT * FROM T_심사평가공지사항 WHERE 회원번호 = :no ORDER BY 공지일자, 순번",
                                  "공지일자"};
    static const TableDef badges{"T_뱃지지급",
                                 {},
                                 {},
                                 "SELECT b.뱃지코드, b.뱃지명, a.회원번호, a.지급일자, "
                                 "iif(IsNull(a.회원번호), '0', '1') AS YN "
                                 "FROM T_뱃지항목 AS b LEFT JOIN T_뱃지지급 AS a "
                                 "ON (a.뱃지코드 = b.뱃지코드 and a.회원번호 = :no) ORDER BY b.뱃지코드",
                                 ""};
    // Examinations are told apart by kind as well: school and national examinations are numbered
    // apart, so 심사명 alone may name two rows. None of the identity columns is typed here.
    static const TableDef exams{"T_심사",
                                {"회원번호", "승급일자", "심사명", "단증번호", "심사일자", "E1", "E2", "E3", "E4", "E5", "E6",
                                 "출석률", "승벌점", "평균", "평가"},
                                {"회원번호", "승급일자", "심사구분", "급품코드"},
                                "SELECT a.회원번호, a.단증번호, iif(a.심사일자 = '1899-12-30', '', a.심사일자) As 심사일자, "
                                "a.심사명, a.E1, a.E2, a.E3, a.E4, a.E5, a.E6, a.출석률, a.승벌점, a.평균, a.평가, b.급품명, "
                                "a.승급일자, b.띠색, a.심사결과평가내용, a.심사구분, a.급품코드 "
                                "FROM T_심사 AS a INNER JOIN T_급품코드 AS b ON a.급품코드=b.급품코드 "
                                "WHERE a.회원번호 = :no Order By b.급품코드 Desc, a.승급일자 Desc",
                                ""};
    // Absences and fees of every month at once, shown a month or a year at a time, so choosing another
    // month keeps what was typed; both are written through their own rules.
    static const TableDef absences{"T_결석",
                                   {},
                                   {},
                                   "SELECT * FROM T_결석 WHERE 회원번호 = :no ORDER BY 결석일자",
                                   "결석일자"};
    static const TableDef fees{"T_수련비납부",
                               {},
                               {},
                               "SELECT * FROM T_수련비납부 WHERE 회원번호 = :no Order By 년월분 Desc",
                               "납부일자"};
    static const TableDef fitness{"T_체력측정",
                                  {"회원번호", "측정일자", "A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09", "A10",
                                   "A11", "A12", "비만도"},
                                  {"회원번호", "측정일자"},
                                  "select a.회원번호, a.측정일자, Format(a.A01, '##0.0') As A01, Format(a.A02, '##0.0') As A02, "
                                  "Format(a.A03, '##0.0') As A03, Format(a.A04, '##0.0') As A04, Format(a.A05, '##0.0') As A05, "
                                  "Format(a.A06, '##0.0') As A06, Format(a.A07, '##0.0') As A07, Format(a.A08, '##0.0') As A08, "
                                  "Format(a.A09, '##0.0') As A09, Format(a.A10, '##0.0') As A10, Format(a.A11, '##0.0') As A11, "
                                  "Format(a.A12, '##0.0') As A12, Format(a.비만도, '##0.0') As 비만도 "
                                  "FROM T_체력측정 a WHERE a.회원번호 = :no ORDER BY a.측정일자 desc",
                                  "측정일자"};
    static const TableDef concentration{"T_집중도", {}, {}, "SELECT * FROM T_집중도 WHERE  회원번호 = :no Order By 측정일자 Desc", ""};
    static const TableDef none{"", {}, {}, "", ""};
    switch (l) {
    case PersonalRecord::Family: return family;
    case PersonalRecord::Suggestions: return suggestions;
    case PersonalRecord::Conduct: return conduct;
    case PersonalRecord::Awards: return awards;
    case PersonalRecord::Points: return points;
    case PersonalRecord::Notices: return notices;
    case PersonalRecord::Badges: return badges;
    case PersonalRecord::Exams: return exams;
    case PersonalRecord::Absences: return absences;
    case PersonalRecord::Fees: return fees;
    case PersonalRecord::Fitness: return fitness;
    case PersonalRecord::Concentration: return concentration;
    default: return none;
    }
}

QString insertSql(const TableDef& d)
{
    QStringList params;
    for (const QString& c : d.columns)
        params.append(u':' + c);
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(QString::fromUtf8(d.table), d.columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
}

QString whereOld(const TableDef& d)
{
    QStringList parts;
    for (const QString& c : d.identity)
        parts.append(QStringLiteral("%1 = :OLD_%1").arg(c));
    return QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
}

QString updateSql(const TableDef& d)
{
    QStringList sets;
    for (const QString& c : d.columns)
        sets.append(QStringLiteral("%1 = :%1").arg(c));
    return QStringLiteral("update %1 set %2").arg(QString::fromUtf8(d.table), sets.join(QStringLiteral(", "))) + whereOld(d);
}

QString deleteSql(const TableDef& d) { return QStringLiteral("delete from %1").arg(QString::fromUtf8(d.table)) + whereOld(d); }

bool isDateText(const QString& s)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return re.match(s).hasMatch() && QDate::fromString(s, QStringLiteral("yyyy-MM-dd")).isValid();
}

bool blank(const QVariant& v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

QStringList itemsOf(const QString& sql)
{
    QStringList out;
    db::Query q(sql);
    q.open();
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

const QString kCheckCaption = QStringLiteral("확인");

} // namespace

bool PersonalRecord::handles(List l) { return l >= Family && l < ListCount; }

namespace {

// The lists of the journal pattern: a 순번 per member, a date, rows written by the buffered set.
bool isJournal(PersonalRecord::List l)
{
    using R = PersonalRecord;
    return l == R::Family || l == R::Suggestions || l == R::Conduct || l == R::Awards || l == R::Points || l == R::Notices;
}

const QStringList& examNumbers()
{
    static const QStringList c{"심사명", "E1", "E2", "E3", "E4", "E5", "E6", "출석률", "승벌점", "평균"};
    return c;
}

bool isFitnessValue(const QString& column)
{
    return column.size() == 3 && column.startsWith(u'A') && column.mid(1).toInt() >= 1 && column.mid(1).toInt() <= fitness::kItems;
}

// A whole number typed into a cell: blank is null, digits a number; anything else stays text for the
// check to name.
QVariant wholeNumber(const QVariant& v)
{
    const QString t = v.toString().trimmed();
    if (t.isEmpty())
        return QVariant();
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? QVariant(n) : QVariant(t);
}

bool isWhole(const QVariant& v)
{
    if (v.isNull() || v.toString().trimmed().isEmpty())
        return true;
    bool ok = false;
    v.toString().trimmed().toLongLong(&ok);
    return ok;
}

} // namespace

QString PersonalRecord::tableOf(List l) { return QString::fromUtf8(defOf(l).table); }

QString PersonalRecord::dateColumnOf(List l) { return QString::fromUtf8(defOf(l).dateColumn); }

// --- the member ----------------------------------------------------------------------------------

bool PersonalRecord::load(const QString& no)
{
    clear();
    const QString key = no.trimmed();
    if (key.isEmpty())
        return false;
    // The district comes by a sub-select: a zip code with several districts must not double the row.
    m_member.open(QStringLiteral("SELECT T_회원.*, (SELECT Min(z.동) FROM T_우편번호 z WHERE z.우편번호 = T_회원.우편번호) AS 동 "
                                 "FROM T_회원 Where 회원번호 = :no"),
                  {{QStringLiteral("no"), key}});
    QStringList sets;
    for (const QString& c : editableColumns())
        sets.append(QStringLiteral("%1 = :%1").arg(c));
    m_member.setStatements(QString(), QStringLiteral("Update T_회원 Set ") + sets.join(QStringLiteral(", "))
                                          + QStringLiteral(" Where 회원번호 = :OLD_회원번호"),
                           QString());
    if (m_member.isEmpty())
        return false;
    m_no = key;
    m_loaded = true;
    return true;
}

void PersonalRecord::clear()
{
    m_member = db::BufferedSet();
    m_no.clear();
    m_loaded = false;
    for (ListData& d : m_lists) {
        d.set = db::BufferedSet();
        d.open = false;
        d.flag = false;
    }
}

QStringList PersonalRecord::editableColumns()
{
    // The fields of the screen. The status dates and the first enrolment date are kept by their own
    // screens and are not written from here, so an edit here never undoes them.
    return {QStringLiteral("회원명"),   QStringLiteral("회원명영"),   QStringLiteral("회원명한문"), QStringLiteral("성별"),
            QStringLiteral("부별코드"), QStringLiteral("급품코드"),   QStringLiteral("주민등록번호"), QStringLiteral("양력음력"),
            QStringLiteral("생년월일"), QStringLiteral("지역코드"),   QStringLiteral("입관일"),     QStringLiteral("전화번호"),
            QStringLiteral("우편번호"), QStringLiteral("주소"),       QStringLiteral("학교"),       QStringLiteral("학년"),
            QStringLiteral("반"),       QStringLiteral("타학원수강"), QStringLiteral("기타사항"),   QStringLiteral("입관동기코드"),
            QStringLiteral("코스코드"), QStringLiteral("장소코드"),   QStringLiteral("시간"),       QStringLiteral("핸드폰번호"),
            QStringLiteral("이메일"),   QStringLiteral("납부일자"),   QStringLiteral("수련비"),     QStringLiteral("납부은행")};
}

bool PersonalRecord::hasName() const { return m_loaded && !blank(m_member.value(0, QStringLiteral("회원명"))); }

bool PersonalRecord::onLeave() const
{
    return m_loaded
           && MemberStatus::stateOf(field(QStringLiteral("퇴관일")).toString(), field(QStringLiteral("휴관일")).toString())
                  == MemberStatus::State::OnLeave;
}

QVariant PersonalRecord::field(const QString& column) const
{
    return m_loaded ? m_member.value(0, column) : QVariant();
}

void PersonalRecord::setField(const QString& column, const QVariant& value)
{
    if (!m_loaded)
        return;
    const QVariant cur = m_member.value(0, column);
    if (cur.isNull() && blank(value))
        return;
    if (cur.toString() == value.toString() && cur.isNull() == value.isNull())
        return;
    m_member.setValue(0, column, value);
}

// --- the lists -----------------------------------------------------------------------------------

void PersonalRecord::prepare(List l)
{
    const TableDef& d = defOf(l);
    ListData& data = m_lists[l];
    data.set.open(QString::fromUtf8(d.select), {{QStringLiteral("no"), m_no}});
    if (!d.columns.isEmpty())
        data.set.setStatements(insertSql(d), updateSql(d), deleteSql(d));
    data.open = true;
    data.flag = false;
}

bool PersonalRecord::openList(List l, bool force)
{
    if (!m_loaded || !handles(l))
        return false;
    if (!force && m_lists[l].open && changed(l))
        return false;
    prepare(l);
    return true;
}

void PersonalRecord::setCell(List l, int row, const QString& column, const QVariant& typed)
{
    ListData& d = m_lists[l];
    if (!d.open || row < 0 || row >= d.set.count() || l == Concentration)
        return;
    QVariant value = typed;
    if ((l == Exams && examNumbers().contains(column)) || (l == Fees && column == u"납부액"))
        value = wholeNumber(typed);
    if (l == Fitness && isFitnessValue(column)) {
        double x = 0;
        if (fitness::parseValue(typed.toString(), &x))
            value = fitness::fmt1(x);
    }
    const QVariant cur = d.set.value(row, column);
    if (cur.toString() == value.toString() && cur.isNull() == value.isNull())
        return;
    if (cur.isNull() && blank(value))
        return;
    d.set.setValue(row, column, value);
    d.flag = true;
    if (l == Fitness && (column == u"A01" || column == u"A02")) {
        // The index follows height and weight as typed.
        double h = 0, w = 0;
        if (fitness::parseValue(d.set.value(row, QStringLiteral("A01")).toString(), &h)
            && fitness::parseValue(d.set.value(row, QStringLiteral("A02")).toString(), &w))
            d.set.setValue(row, QStringLiteral("비만도"),
                           fitness::fmt1(fitness::obesityIndex(h, w, fitness::traineeOffset(field(QStringLiteral("성별")).toString().trimmed()))));
    }
    if (l == Fees && column == u"년월분")
        d.set.setValue(row, QStringLiteral("순번"), FeePayments::nextSeq(value.toString().trimmed()));
}

bool PersonalRecord::editable(List l, int row, const QString& column) const
{
    const ListData& d = m_lists[l];
    if (!d.open || row < 0 || row >= d.set.count())
        return false;
    switch (l) {
    case Exams:
        return column == u"단증번호" || column == u"심사일자" || examNumbers().contains(column);
    case Fitness:
        return isFitnessValue(column);
    case Fees:
        if (d.set.state(row) == db::BufferedSet::State::Inserted)
            return column == u"비고" || column == u"년월분" || column == u"납부일자" || column == u"납부액";
        // A payment of a closed month stays as it was closed, note included.
        return column == u"비고"
               && !FeePayments::isClosed(QDate::fromString(d.set.oldValue(row, QStringLiteral("납부일자")).toString(), QStringLiteral("yyyy-MM-dd")));
    case Badges:
    case Concentration:
        return false;
    default:
        return true;
    }
}

bool PersonalRecord::changed(List l) const { return m_lists[l].open && (m_lists[l].flag || m_lists[l].set.isDirty()); }

bool PersonalRecord::anyChange() const
{
    if (m_loaded && m_member.isDirty())
        return true;
    for (int i = 0; i < ListCount; ++i)
        if (changed(List(i)))
            return true;
    return false;
}

int PersonalRecord::nextSerial(List l) const
{
    // One above every 순번 of the member in the table, also those of rows listed but not saved yet
    // and of saved rows deleted in the list but still in the table until the save.
    qint64 top = db::scalar(QStringLiteral("SELECT Max(순번) FROM %1 WHERE 회원번호 = :no").arg(tableOf(l)),
                            {{QStringLiteral("no"), m_no}})
                     .toLongLong();
    const db::BufferedSet& s = m_lists[l].set;
    for (int r = 0; r < s.count(); ++r)
        top = std::max(top, s.value(r, QStringLiteral("순번")).toLongLong());
    return int(top + 1);
}

int PersonalRecord::addRow(List l)
{
    if (!m_loaded || l == Badges || l == Exams || l == Concentration || !handles(l))
        return -1;
    if (!m_lists[l].open)
        prepare(l);
    ListData& d = m_lists[l];
    if (!isJournal(l)) {
        const int row = d.set.append();
        d.set.setValue(row, QStringLiteral("회원번호"), m_no);
        d.set.setValue(row, dateColumnOf(l), Clock::todayText());
        if (l == Fees) {
            const QString month = Clock::today().toString(QStringLiteral("yyyyMM"));
            d.set.setValue(row, QStringLiteral("년월분"), month);
            d.set.setValue(row, QStringLiteral("납부액"), field(QStringLiteral("수련비")).toLongLong());
            d.set.setValue(row, QStringLiteral("순번"), FeePayments::nextSeq(month));
        }
        if (l == Fitness)
            for (int i = 1; i <= fitness::kItems + 1; ++i)
                d.set.setValue(row, i > fitness::kItems ? QStringLiteral("비만도") : fitness::itemCode(i), fitness::fmt1(0));
        d.flag = true;
        return row;
    }
    const int serial = nextSerial(l);
    const int row = d.set.append();
    d.set.setValue(row, QStringLiteral("회원번호"), m_no);
    d.set.setValue(row, QStringLiteral("순번"), serial);
    const QString dateCol = dateColumnOf(l);
    if (!dateCol.isEmpty())
        d.set.setValue(row, dateCol, Clock::todayText());
    d.flag = true;
    return row;
}

bool PersonalRecord::deleteRow(List l, int row)
{
    ListData& d = m_lists[l];
    if (!d.open || l == Badges || l == Fees || l == Concentration || row < 0 || row >= d.set.count())
        return false;
    d.set.remove(row);
    d.flag = true;
    return true;
}

void PersonalRecord::cancelList(List l)
{
    ListData& d = m_lists[l];
    d.set.cancel();
    d.flag = false;
}

QString PersonalRecord::codeOf(const QString& itemText)
{
    const int p = itemText.indexOf(u')');
    return p < 0 ? QString() : itemText.left(p).trimmed();
}

qint64 PersonalRecord::pointsOf(const QString& code)
{
    db::Query q;
    q << "SELECT 벌점수 FROM T_벌점항목 " << "WHERE 벌점코드 =:벌점코드 ";
    q.bind(QStringLiteral("벌점코드"), code).open();
    return q.next() ? q.integer(QStringLiteral("벌점수")) : 0;
}

QStringList PersonalRecord::awardItems()
{
    return itemsOf(QStringLiteral("SELECT 상장코드 & ')' & '  ' & 상장명 FROM T_상장목록 ORDER BY 상장코드"));
}

QStringList PersonalRecord::pointItems()
{
    return itemsOf(QStringLiteral("SELECT 벌점코드 & ')' & '  ' & 벌점명 FROM T_벌점항목 ORDER BY 벌점코드"));
}

void PersonalRecord::chooseItem(List l, int row, const QString& itemText)
{
    if (l != Awards && l != Points && l != Absences)
        return;
    setCell(l, row, QStringLiteral("비고2"), itemText);
    const QString code = codeOf(itemText);
    setCell(l, row, l == Awards ? QStringLiteral("상장코드") : l == Points ? QStringLiteral("벌점코드") : QStringLiteral("결석사유코드"), code);
    if (l == Points) {
        // Shown beside the item, never written.
        const QVariant pts = pointsOf(code);
        ListData& d = m_lists[l];
        if (d.set.value(row, QStringLiteral("벌점수")) != pts)
            d.set.setValue(row, QStringLiteral("벌점수"), pts);
    }
}

QList<int> PersonalRecord::rowsWithPrefix(List l, const QString& column, const QString& prefix) const
{
    QList<int> out;
    const db::BufferedSet& s = m_lists[l].set;
    for (int r = 0; r < s.count(); ++r)
        if (s.state(r) == db::BufferedSet::State::Inserted || s.value(r, column).toString().startsWith(prefix))
            out.append(r);
    return out;
}

QList<int> PersonalRecord::pointRows(int year, int month) const
{
    return rowsWithPrefix(Points, QStringLiteral("벌점일자"),
                          QStringLiteral("%1-%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')));
}

QList<int> PersonalRecord::absenceRows(int year, int month) const
{
    return rowsWithPrefix(Absences, QStringLiteral("결석일자"),
                          QStringLiteral("%1-%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0')));
}

QList<int> PersonalRecord::feeRows(int year) const
{
    return rowsWithPrefix(Fees, QStringLiteral("년월분"), QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')));
}

std::array<std::array<int, 12>, 2> PersonalRecord::absenceCounts(int year) const
{
    std::array<std::array<int, 12>, 2> out{};
    if (!m_loaded)
        return out;
    db::Query q(QStringLiteral("SELECT year(결석일자) AS yy, month(결석일자) AS mm, Count(결석일자) AS cnt FROM T_결석 "
                               "WHERE 회원번호 = :no AND year(결석일자) IN (:Y1, :Y2) GROUP BY year(결석일자), month(결석일자)"));
    q.bind({{QStringLiteral("no"), m_no}, {QStringLiteral("Y1"), year - 1}, {QStringLiteral("Y2"), year}}).open();
    while (q.next()) {
        const int y = int(q.integer(QStringLiteral("yy"))), m = int(q.integer(QStringLiteral("mm")));
        if (m >= 1 && m <= 12 && (y == year - 1 || y == year))
            out[y == year ? 1 : 0][m - 1] = int(q.integer(QStringLiteral("cnt")));
    }
    return out;
}

QStringList PersonalRecord::feeMarks(int year) const
{
    QStringList out;
    for (int m = 0; m < 12; ++m)
        out.append(QString());
    if (!m_loaded)
        return out;
    db::Query q(QStringLiteral("SELECT MID(년월분, 5, 2) AS mm, Count(년월분) AS cnt FROM T_수련비납부 "
                               "WHERE 회원번호 = :no AND MID(년월분, 1, 4) = :YYYY GROUP BY MID(년월분, 5, 2)"));
    q.bind({{QStringLiteral("no"), m_no}, {QStringLiteral("YYYY"), QString::number(year)}}).open();
    while (q.next()) {
        const int m = q.str(QStringLiteral("mm")).toInt();
        if (m >= 1 && m <= 12 && q.integer(QStringLiteral("cnt")) == 1)
            out[m - 1] = QStringLiteral("V");
    }
    return out;
}

PersonalRecord::FitnessComparison PersonalRecord::fitnessComparison() const
{
    FitnessComparison c;
    const auto texts = [](const fitness::Values& v) {
        QStringList out;
        for (double x : v)
            out.append(fitness::fmt1(x));
        return out;
    };
    const auto blanks = [] { return QStringList(fitness::kItems + 1, QString()); };
    c.first = c.national = c.change = c.school = blanks();
    if (!m_loaded)
        return c;
    const QString birth = field(QStringLiteral("생년월일")).toString().trimmed();
    const QString sex = field(QStringLiteral("성별")).toString().trimmed();
    const int year = Clock::today().year();
    const fitness::Measurement first = fitness::firstMeasurement(m_no);
    if (first.found()) {
        c.firstDate = first.date;
        c.first = texts(first.v);
        const fitness::Measurement last = fitness::latestMeasurement(m_no);
        fitness::Values d{};
        for (int i = 0; i <= fitness::kItems; ++i)
            d[i] = last.v[i] - first.v[i];
        c.change = texts(d);
    }
    if (birth.size() > 3) {
        const fitness::Measurement n = fitness::nationalValues(fitness::yearDifference(birth, year), fitness::sexCode(sex));
        if (n.found()) {
            c.national = texts(n.v);
            c.national[fitness::kItems].clear(); // the national row has no index of its own there
            c.nationalA13 = fitness::fmt1(n.v[fitness::kItems]);
        }
    }
    c.school = texts(fitness::GroupAverages().of(birth.left(4), sex));
    return c;
}

QStringList PersonalRecord::examCriteria()
{
    QStringList out = itemsOf(QStringLiteral("select 심사항목명 from T_심사항목 ORDER BY 심사항목코드"));
    while (out.size() < 6)
        out.append(QString());
    return out.mid(0, 6);
}

QString PersonalRecord::PointSums::summary() const
{
    return QStringLiteral("년 : ") + QString::number(year) + QStringLiteral("  누적 : ") + QString::number(total);
}

PersonalRecord::PointSums PersonalRecord::pointSums(int year) const
{
    PointSums s;
    for (int m = 0; m < 12; ++m)
        s.months.append(QString());
    if (!m_loaded)
        return s;
    const QString base = QStringLiteral("SELECT sum(b.벌점수) FROM T_벌점 a, T_벌점항목 b "
                                        "WHERE 회원번호 = :no AND a.벌점코드 = b.벌점코드 ");
    s.total = db::scalar(base, {{QStringLiteral("no"), m_no}}).toLongLong();
    db::Query q(QStringLiteral("SELECT Month(벌점일자) AS mm, sum(b.벌점수) AS pts FROM T_벌점 a, T_벌점항목 b "
                               "WHERE 회원번호 = :no AND a.벌점코드 = b.벌점코드 AND year(벌점일자) = :YYYY "
                               "GROUP BY Month(벌점일자)"));
    q.bind({{QStringLiteral("no"), m_no}, {QStringLiteral("YYYY"), year}}).open();
    while (q.next()) {
        const int m = int(q.integer(QStringLiteral("mm")));
        if (m < 1 || m > 12 || q.isNull(QStringLiteral("pts")))
            continue;
        const qint64 v = q.integer(QStringLiteral("pts"));
        s.months[m - 1] = QString::number(v);
        s.year += v;
    }
    return s;
}

bool PersonalRecord::awardBadge(const QDate& day)
{
    ListData& d = m_lists[Badges];
    if (!d.open)
        return false;
    for (int r = 0; r < d.set.count(); ++r) {
        if (d.set.value(r, QStringLiteral("YN")).toString() == u"1")
            continue;
        d.set.setValue(r, QStringLiteral("YN"), QStringLiteral("1"));
        d.set.setValue(r, QStringLiteral("회원번호"), m_no);
        d.set.setValue(r, QStringLiteral("지급일자"), db::dateText(day));
        d.flag = true;
        return true;
    }
    return false;
}

bool PersonalRecord::takeBackBadge()
{
    ListData& d = m_lists[Badges];
    if (!d.open)
        return false;
    for (int r = d.set.count() - 1; r >= 0; --r) {
        if (d.set.value(r, QStringLiteral("YN")).toString() != u"1")
            continue;
        d.set.setValue(r, QStringLiteral("YN"), QStringLiteral("0"));
        d.set.setValue(r, QStringLiteral("회원번호"), QVariant());
        d.set.setValue(r, QStringLiteral("지급일자"), QVariant());
        d.flag = true;
        return true;
    }
    return false;
}

// --- confirm, cancel, delete ---------------------------------------------------------------------

std::optional<PersonalRecord::Problem> PersonalRecord::check() const
{
    if (!m_loaded)
        return std::nullopt;
    static const QRegularExpression resident(QStringLiteral("^\\d{6}-\\d{7}$"));
    if (!resident.match(field(QStringLiteral("주민등록번호")).toString().trimmed()).hasMatch())
        return Problem{kCheckCaption, QStringLiteral("주민등록번호를 13자리로 입력하세요."), QStringLiteral("주민등록번호")};
    const auto from1900 = [this](const char* column) {
        const QString t = field(QString::fromUtf8(column)).toString().trimmed();
        return isDateText(t) && t >= u"1900-01-01";
    };
    if (!from1900("생년월일"))
        return Problem{kCheckCaption, QStringLiteral("생년월일은 1900년 이후로 입력하세요."), QStringLiteral("생년월일")};
    if (!from1900("입관일"))
        return Problem{kCheckCaption, QStringLiteral("입관일은 1900년 이후로 입력하세요."), QStringLiteral("입관일")};
    if (blank(field(QStringLiteral("회원명"))))
        return Problem{kCheckCaption, QStringLiteral("회원명을 입력해 주십시요."), QStringLiteral("회원명")};
    if (!isWhole(field(QStringLiteral("수련비"))) || !isWhole(field(QStringLiteral("납부일자"))))
        return Problem{kCheckCaption, QStringLiteral("숫자로 입력하세요."),
                       isWhole(field(QStringLiteral("수련비"))) ? QStringLiteral("납부일자") : QStringLiteral("수련비")};

    if (auto p = widthProblem())
        return p;

    // New fee rows may not fall in a closed month.
    if (changed(Fees)) {
        const db::BufferedSet& s = m_lists[Fees].set;
        for (int r = 0; r < s.count(); ++r) {
            if (s.state(r) != db::BufferedSet::State::Inserted)
                continue;
            const QString day = s.value(r, QStringLiteral("납부일자")).toString().trimmed();
            if (!isDateText(day))
                return Problem{kCheckCaption, QStringLiteral("납부일자를 yyyy-mm-dd 형식으로 입력하세요."), QStringLiteral("납부일자"),
                               Fees, r};
            if (FeePayments::isClosed(QDate::fromString(day, QStringLiteral("yyyy-MM-dd"))))
                return Problem{QStringLiteral("오류"), FeePayments::closedEntryMessage(), QStringLiteral("납부일자"), Fees, r};
        }
    }

    // Rows that would be written: a journal row needs a real date (its identity and the month views
    // depend on it), an award or point row its item.
    for (int i = 0; i < ListCount; ++i) {
        const List l = List(i);
        if (!changed(l))
            continue;
        if (!isJournal(l)) {
            if (auto p = checkList(l))
                return p;
            continue;
        }
        const db::BufferedSet& s = m_lists[l].set;
        for (int r = 0; r < s.count(); ++r) {
            if (s.state(r) == db::BufferedSet::State::Unchanged)
                continue;
            const QStringList dates = l == Family ? QStringList{QStringLiteral("생일"), QStringLiteral("결혼기념일")}
                                                  : QStringList{dateColumnOf(l)};
            for (const QString& c : dates) {
                const QString t = s.value(r, c).toString().trimmed();
                if ((l != Family || !t.isEmpty()) && !isDateText(t))
                    return Problem{kCheckCaption, QStringLiteral("날짜 형식을 확인하세요. (yyyy-mm-dd)"), c, l, r};
            }
            if ((l == Awards || l == Points)
                && blank(s.value(r, l == Awards ? QStringLiteral("상장코드") : QStringLiteral("벌점코드"))))
                return Problem{kCheckCaption, QStringLiteral("내역을 선택하세요."), QStringLiteral("비고2"), l, r};
        }
    }
    return std::nullopt;
}

std::optional<PersonalRecord::Problem> PersonalRecord::widthProblem() const
{
    for (const QString& c : editableColumns())
        if (QString p = db::widthProblem(QStringLiteral("T_회원"), c, field(c).toString()); !p.isEmpty())
            return Problem{kCheckCaption, p, c};
    for (int i = 0; i < ListCount; ++i) {
        const List l = List(i);
        if (!changed(l))
            continue;
        const db::BufferedSet& s = m_lists[l].set;
        for (int r = 0; r < s.count(); ++r) {
            if (s.state(r) == db::BufferedSet::State::Unchanged)
                continue;
            for (const QString& c : s.columns())
                if (QString p = db::widthProblem(tableOf(l), c, s.value(r, c).toString()); !p.isEmpty())
                    return Problem{kCheckCaption, p, c, l, r};
        }
    }
    return std::nullopt;
}

std::optional<PersonalRecord::Problem> PersonalRecord::checkList(List l) const
{
    const db::BufferedSet& s = m_lists[l].set;
    const auto problem = [l](const QString& message, const QString& column, int row) {
        return Problem{kCheckCaption, message, column, l, row};
    };
    // The key date of every listed row: the list holds all the member's rows, so a date twice in it
    // is a date twice in the table.
    QHash<QString, int> seen;
    for (int r = 0; r < s.count(); ++r) {
        const bool pending = s.state(r) != db::BufferedSet::State::Unchanged;
        if (l == Exams && pending) {
            const QString day = s.value(r, QStringLiteral("심사일자")).toString().trimmed();
            if (!day.isEmpty() && !isDateText(day))
                return problem(QStringLiteral("심사일자 '%1' : yyyy-mm-dd 형식으로 입력하세요.").arg(day), QStringLiteral("심사일자"), r);
            for (const QString& c : examNumbers())
                if (!isWhole(s.value(r, c)))
                    return problem(QStringLiteral("%1 '%2' : 숫자로 입력하세요.").arg(c, s.value(r, c).toString()), c, r);
        }
        if (l == Fitness && pending)
            for (int i = 1; i <= fitness::kItems; ++i) {
                double x = 0;
                const QString c = fitness::itemCode(i);
                if (!fitness::parseValue(s.value(r, c).toString(), &x))
                    return problem(QStringLiteral("%1 측정 %2 '%3' : 숫자로 입력하세요.")
                                       .arg(s.value(r, QStringLiteral("측정일자")).toString(), c, s.value(r, c).toString()),
                                   c, r);
            }
        if (l == Fees && s.state(r) == db::BufferedSet::State::Inserted && !isWhole(s.value(r, QStringLiteral("납부액"))))
            return problem(QStringLiteral("%1 금액 '%2' : 숫자로 입력하세요.")
                               .arg(s.value(r, QStringLiteral("년월분")).toString(), s.value(r, QStringLiteral("납부액")).toString()),
                           QStringLiteral("납부액"), r);
        if (l == Absences || l == Fitness) {
            const QString column = dateColumnOf(l);
            const QString what = l == Absences ? QStringLiteral("결석일자") : QStringLiteral("측정일자");
            const QString day = s.value(r, column).toString().trimmed();
            if (pending && !isDateText(day))
                return problem(QStringLiteral("%1 '%2' : yyyy-mm-dd 형식의 날짜로 입력하세요.").arg(what, day), column, r);
            if (seen.contains(day))
                return problem(QStringLiteral("%1 %2 은(는) 이미 입력되어 있습니다.").arg(what, day), column, pending ? r : seen.value(day));
            seen.insert(day, r);
        }
    }
    return std::nullopt;
}

void PersonalRecord::writeExams()
{
    db::BufferedSet& s = m_lists[Exams].set;
    // An examination day left blank is none at all, as the other screens store it.
    for (int r = 0; r < s.count(); ++r)
        if (s.state(r) == db::BufferedSet::State::Modified && blank(s.value(r, QStringLiteral("심사일자")))
            && !s.value(r, QStringLiteral("심사일자")).isNull())
            s.setValue(r, QStringLiteral("심사일자"), QVariant());
    s.apply();
}

void PersonalRecord::writeAbsences()
{
    const db::BufferedSet& s = m_lists[Absences].set;
    const auto day = [](const QVariant& v) { return QDate::fromString(v.toString().trimmed(), QStringLiteral("yyyy-MM-dd")); };
    const auto entry = [&](int r) {
        return ::Absences::Entry{m_no, day(s.value(r, QStringLiteral("결석일자"))), s.value(r, QStringLiteral("비고2")).toString(),
                                 s.value(r, QStringLiteral("비고")).toString()};
    };
    // Rows leave their old day first, so a day given up by one row can be taken by another.
    for (int i = 0; i < s.deletedCount(); ++i)
        ::Absences::remove(m_no, day(s.deletedValue(i, QStringLiteral("결석일자"))));
    for (int r = 0; r < s.count(); ++r)
        if (s.state(r) == db::BufferedSet::State::Modified
            && s.value(r, QStringLiteral("결석일자")) != s.oldValue(r, QStringLiteral("결석일자")))
            ::Absences::remove(m_no, day(s.oldValue(r, QStringLiteral("결석일자"))));
    // The tab corrects the record; the penalty of an unexcused absence is booked by the daily entry.
    for (int r = 0; r < s.count(); ++r) {
        if (s.state(r) == db::BufferedSet::State::Inserted
            || (s.state(r) == db::BufferedSet::State::Modified
                && s.value(r, QStringLiteral("결석일자")) != s.oldValue(r, QStringLiteral("결석일자"))))
            ::Absences::add(entry(r), false);
        else if (s.state(r) == db::BufferedSet::State::Modified)
            ::Absences::correct(m_no, day(s.value(r, QStringLiteral("결석일자"))), entry(r));
    }
}

void PersonalRecord::writeFees()
{
    const db::BufferedSet& s = m_lists[Fees].set;
    try {
        for (int r = 0; r < s.count(); ++r) {
            const QString month = s.value(r, QStringLiteral("년월분")).toString().trimmed();
            const QString note = s.value(r, QStringLiteral("비고")).toString();
            if (s.state(r) == db::BufferedSet::State::Modified)
                FeePayments::update(m_no, s.oldValue(r, QStringLiteral("년월분")).toString(),
                                    s.oldValue(r, QStringLiteral("납부액")).toLongLong(), note);
            else if (s.state(r) == db::BufferedSet::State::Inserted)
                FeePayments::add(m_no, month,
                                 QDate::fromString(s.value(r, QStringLiteral("납부일자")).toString().trimmed(), QStringLiteral("yyyy-MM-dd")),
                                 s.value(r, QStringLiteral("납부액")).toLongLong(), note);
        }
    } catch (const FeeError& e) {
        throw db::Error(e.message(), QString());
    }
}

std::optional<PersonalRecord::Problem> PersonalRecord::feeDeleteProblem(int row) const
{
    const db::BufferedSet& s = m_lists[Fees].set;
    if (row < 0 || row >= s.count() || s.state(row) == db::BufferedSet::State::Inserted)
        return std::nullopt;
    const QDate paid = QDate::fromString(s.oldValue(row, QStringLiteral("납부일자")).toString(), QStringLiteral("yyyy-MM-dd"));
    if (FeePayments::isClosed(paid))
        return Problem{QStringLiteral("오류"), FeePayments::closedDeleteMessage(), QStringLiteral("납부일자"), Fees, row};
    return std::nullopt;
}

void PersonalRecord::deleteFeeNow(int row)
{
    ListData& d = m_lists[Fees];
    if (!d.open || row < 0 || row >= d.set.count())
        return;
    if (d.set.state(row) == db::BufferedSet::State::Inserted) {
        d.set.remove(row);
        return;
    }
    // Exactly this payment and its own cash-book line, whatever else was paid that day.
    FeePayments::remove(m_no, d.set.oldValue(row, QStringLiteral("년월분")).toString());
    d.set.forget(row);
}

void PersonalRecord::writeBadges()
{
    // Only the badges of the item list are rewritten; a row of a badge since removed from the list
    // is left alone.
    db::Query del;
    del << " DELETE FROM  T_뱃지지급" << " WHERE 회원번호 =:회원번호 "
        << " AND 뱃지코드 IN (SELECT 뱃지코드 FROM T_뱃지항목)";
    del.bind(QStringLiteral("회원번호"), m_no).exec();
    const db::BufferedSet& s = m_lists[Badges].set;
    for (int r = 0; r < s.count(); ++r) {
        if (s.value(r, QStringLiteral("YN")).toString() != u"1")
            continue;
        db::Query ins;
        ins << "  insert into T_뱃지지급" << "(회원번호, 뱃지코드, 지급일자) " << " values     " << " (:회원번호, :뱃지코드, :지급일자) ";
        ins.bind({{QStringLiteral("회원번호"), m_no},
                  {QStringLiteral("뱃지코드"), s.value(r, QStringLiteral("뱃지코드"))},
                  {QStringLiteral("지급일자"), s.value(r, QStringLiteral("지급일자"))}});
        ins.exec();
    }
}

void PersonalRecord::save()
{
    if (!m_loaded)
        return;
    if (const auto p = widthProblem())
        throw db::Error(p->message, p->list == ListCount ? QStringLiteral("T_회원") : tableOf(p->list));
    QList<List> written;
    {
        db::Transaction tx;
        // Deleted on another screen while this one was editing: his journals must not come back
        // as rows of nobody.
        if (db::scalar(QStringLiteral("SELECT Count(*) FROM T_회원 WHERE 회원번호 = :no"), {{QStringLiteral("no"), m_no}}).toInt() == 0)
            throw db::Error(QStringLiteral("회원번호 %1 의 회원 자료가 삭제되어 저장할 수 없습니다.").arg(m_no), QString());
        m_member.apply();
        for (int i = 0; i < ListCount; ++i) {
            const List l = List(i);
            if (!handles(l) || !changed(l))
                continue;
            if (l == Badges)
                writeBadges();
            else if (l == Exams)
                writeExams();
            else if (l == Absences)
                writeAbsences();
            else if (l == Fees)
                writeFees();
            else
                m_lists[l].set.apply();
            written.append(l);
        }
        tx.commit();
    }
    m_member.markApplied();
    for (List l : written) {
        m_lists[l].set.markApplied();
        m_lists[l].flag = false;
    }
    // The fee rules number the rows themselves: read them as stored.
    if (written.contains(Fees))
        prepare(Fees);
}

void PersonalRecord::cancel()
{
    if (!m_loaded)
        return;
    m_member.cancel();
    for (int i = 0; i < ListCount; ++i)
        cancelList(List(i));
}

bool PersonalRecord::storePhoto(const QString& memberNo, const QString& pictureFile)
{
    const QImage img(pictureFile);
    if (img.isNull())
        return false;
    const QString target = MemberNumber::photoPath(memberNo);
    QFile::remove(target);
    return img.save(target, "BMP");
}

void PersonalRecord::deleteMember(const QString& no, const QDate& today)
{
    {
        db::Transaction tx;
        // The counter reads the member's row, so it runs before the row goes.
        MovementCounter::countDeletion(no, today);
        MemberRecords::deleteMember(no);
        tx.commit();
    }
    QFile::remove(MemberNumber::photoPath(no));
}

QList<QPair<QString, QString>> PersonalRecord::memberList()
{
    QList<QPair<QString, QString>> out;
    db::Query q(QStringLiteral("Select 회원번호, 회원명 from T_회원 where ") + MemberStatus::notWithdrawn()
                + QStringLiteral(" ORDER BY 회원명, 회원번호"));
    q.open();
    while (q.next())
        out.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명"))});
    return out;
}
