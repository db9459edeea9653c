#include "members/PersonalRecord.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "members/MemberNumber.h"
#include "members/MemberRecords.h"
#include "members/MemberStatus.h"
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
    static const TableDef none{"", {}, {}, "", ""};
    switch (l) {
    case PersonalRecord::Family: return family;
    case PersonalRecord::Suggestions: return suggestions;
    case PersonalRecord::Conduct: return conduct;
    case PersonalRecord::Awards: return awards;
    case PersonalRecord::Points: return points;
    case PersonalRecord::Notices: return notices;
    case PersonalRecord::Badges: return badges;
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

bool PersonalRecord::handles(List l)
{
    return l == Family || l == Suggestions || l == Conduct || l == Awards || l == Points || l == Badges || l == Notices;
}

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
    // The fields of the screen. The status dates, the fee settings and the first enrolment date are
    // kept by their own screens and are not written from here, so an edit here never undoes them.
    return {QStringLiteral("회원명"),   QStringLiteral("회원명영"),   QStringLiteral("회원명한문"), QStringLiteral("성별"),
            QStringLiteral("부별코드"), QStringLiteral("급품코드"),   QStringLiteral("주민등록번호"), QStringLiteral("양력음력"),
            QStringLiteral("생년월일"), QStringLiteral("지역코드"),   QStringLiteral("입관일"),     QStringLiteral("전화번호"),
            QStringLiteral("우편번호"), QStringLiteral("주소"),       QStringLiteral("학교"),       QStringLiteral("학년"),
            QStringLiteral("반"),       QStringLiteral("타학원수강"), QStringLiteral("기타사항"),   QStringLiteral("입관동기코드"),
            QStringLiteral("코스코드"), QStringLiteral("장소코드"),   QStringLiteral("시간"),       QStringLiteral("핸드폰번호"),
            QStringLiteral("이메일")};
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

void PersonalRecord::setCell(List l, int row, const QString& column, const QVariant& value)
{
    ListData& d = m_lists[l];
    if (!d.open || row < 0 || row >= d.set.count())
        return;
    const QVariant cur = d.set.value(row, column);
    if (cur.toString() == value.toString() && cur.isNull() == value.isNull())
        return;
    if (cur.isNull() && blank(value))
        return;
    d.set.setValue(row, column, value);
    d.flag = true;
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
    if (!m_loaded || !handles(l) || l == Badges)
        return -1;
    if (!m_lists[l].open)
        prepare(l);
    const int serial = nextSerial(l);
    ListData& d = m_lists[l];
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
    if (!d.open || l == Badges || row < 0 || row >= d.set.count())
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
    if (l != Awards && l != Points)
        return;
    setCell(l, row, QStringLiteral("비고2"), itemText);
    const QString code = codeOf(itemText);
    setCell(l, row, l == Awards ? QStringLiteral("상장코드") : QStringLiteral("벌점코드"), code);
    if (l == Points) {
        // Shown beside the item, never written.
        const QVariant pts = pointsOf(code);
        ListData& d = m_lists[l];
        if (d.set.value(row, QStringLiteral("벌점수")) != pts)
            d.set.setValue(row, QStringLiteral("벌점수"), pts);
    }
}

QList<int> PersonalRecord::pointRows(int year, int month) const
{
    QList<int> out;
    const db::BufferedSet& s = m_lists[Points].set;
    const QString prefix = QStringLiteral("%1-%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
    for (int r = 0; r < s.count(); ++r)
        if (s.state(r) == db::BufferedSet::State::Inserted || s.value(r, QStringLiteral("벌점일자")).toString().startsWith(prefix))
            out.append(r);
    return out;
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

    // Rows that would be written: a journal row needs a real date (its identity and the month views
    // depend on it), an award or point row its item.
    for (int i = 0; i < ListCount; ++i) {
        const List l = List(i);
        if (!handles(l) || l == Badges || !changed(l))
            continue;
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
