#include "db/CodeTables.h"

#include "db/Query.h"

namespace codes {

QString codeOf(const QString& item)
{
    const int p = item.indexOf(u')');
    return p < 0 ? item : item.left(p);
}

QString itemText(const QString& code, const QString& name, const QString& blanks) { return code + u')' + blanks + name; }

bool inFixedRange(const QString& code, int from, int to)
{
    if (code.size() != 2 || !code[0].isDigit() || !code[1].isDigit())
        return false;
    const int n = code.toInt();
    return n >= from && n <= to;
}

bool isFixedDivision(const QString& code) { return inFixedRange(code, 1, 15); }
bool isFixedAwardType(const QString& code) { return inFixedRange(code, 1, 9); }
bool isFixedEventType(const QString& code) { return inFixedRange(code, 1, 2); }

int nextNumber(const QString& maxSql)
{
    const QVariant v = db::scalar(maxSql);
    return v.isNull() ? 1 : v.toInt() + 1;
}

// Every table that joins on a code, written once. Tables of screens not built yet are skipped until
// they exist.
QList<Use> usesOf(const QString& codeTable)
{
    static const QHash<QString, QList<Use>> uses = {
        {"T_부별코드", {{"T_회원", "부별코드", "회원"}}},
        {"T_급품코드", {{"T_회원", "급품코드", "회원"}, {"T_심사", "급품코드", "심사 기록"}, {"T_국기원승품", "급품코드", "국기원 승품 신청"}}},
        {"T_휴퇴사유",
         {{"T_회원", "휴관사유코드", "회원"},
          {"T_회원", "퇴관사유코드", "회원"},
          {"T_회원", "최종휴관사유코드", "회원"},
          {"T_회원", "최종퇴관사유코드", "회원"},
          {"T_퇴관사유별현황", "퇴관사유코드", "퇴관 현황"},
          {"T_휴관사유별현황", "휴관사유코드", "휴관 현황"}}},
        {"T_입관동기", {{"T_회원", "입관동기코드", "회원"}, {"T_입관동기별현황", "입관동기코드", "입관 현황"}}},
        {"T_뱃지항목", {{"T_뱃지지급", "뱃지코드", "뱃지 지급"}}},
        {"T_벌점항목", {{"T_벌점", "벌점코드", "상벌점 내역"}}},
        {"T_상장목록", {{"T_상장지급", "상장코드", "시상 내역"}}},
        {"T_행사목록", {{"T_행사참가", "행사코드", "행사 참가"}}},
        {"T_지역코드", {{"T_회원", "지역코드", "회원"}}},
        {"T_결석사유", {{"T_결석", "결석사유코드", "결석 기록"}}},
    };
    return uses.value(codeTable);
}

QStringList usedBy(const QString& codeTable, const QVariant& code)
{
    QStringList out;
    if (code.isNull() || code.toString().isEmpty())
        return out;
    for (const Use& u : usesOf(codeTable)) {
        if (out.contains(u.label) || !db::tableExists(u.table))
            continue;
        db::Query probe(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(u.table));
        probe.open();
        if (probe.columnIndex(u.column) < 0)
            continue;
        probe.close();
        const QVariant n = db::scalar(QStringLiteral("SELECT Count(*) FROM %1 WHERE %2 = :code").arg(u.table, u.column),
                                      {{"code", code}});
        if (n.toInt() > 0)
            out.append(u.label);
    }
    return out;
}

QString inUseMessage(const QStringList& usedBy)
{
    return QStringLiteral("%1 자료에서 사용 중인 코드입니다.\n사용 중인 코드는 삭제하거나 코드를 바꿀 수 없습니다.")
        .arg(usedBy.join(QStringLiteral(", ")));
}

QHash<QString, QString> divisionNames()
{
    QHash<QString, QString> names;
    db::Query q(QStringLiteral("Select 부별코드, 부명 From T_부별코드"));
    q.open();
    while (q.next())
        names.insert(q.str(QStringLiteral("부별코드")), q.str(QStringLiteral("부명")));
    return names;
}

} // namespace codes

CodePage::CodePage(CodePageDef def) : m_def(std::move(def)) {}

void CodePage::load()
{
    m_rows.open(m_def.selectSql);
    m_rows.setStatements(m_def.insertSql, m_def.updateSql, m_def.deleteSql);
}

int CodePage::insertRow()
{
    const int row = m_rows.append();
    if (!m_def.presetSql.isEmpty())
        m_rows.setValue(row, m_def.columns.first(), codes::nextNumber(m_def.presetSql));
    return row;
}

bool CodePage::isFixed(int row) const
{
    if (!m_def.fixed || row < 0 || row >= m_rows.count() || m_rows.state(row) == db::BufferedSet::State::Inserted)
        return false;
    return m_def.fixed(m_rows.oldValue(row, m_def.columns.first()).toString());
}

bool CodePage::editable(int row, const QString& column) const
{
    if (row < 0 || row >= m_rows.count())
        return false;
    if (m_rows.state(row) == db::BufferedSet::State::Inserted)
        return true;
    if (isFixed(row) && (m_def.fixedLocksAll || column == m_def.columns.first()))
        return false;
    return m_def.stored.contains(column);
}

CodePage::Removal CodePage::remove(int row, QString* message)
{
    if (isFixed(row)) {
        if (message)
            *message = QStringLiteral("삭제 불가능한 코드입니다.");
        return Removal::Fixed;
    }
    if (m_rows.state(row) != db::BufferedSet::State::Inserted) {
        const QVariant code = m_rows.oldValue(row, m_def.columns.first());
        const QStringList used = codes::usedBy(m_def.codeTable, code);
        if (!used.isEmpty()) {
            if (message)
                *message = codes::inUseMessage(used);
            return Removal::InUse;
        }
        // Promotion takes a member to the code + 1: a gap in the middle would strand him there.
        const QString higher = m_def.onlyHighestDeleted
            ? db::scalarText(QStringLiteral("SELECT Max(%1) FROM %2 WHERE %1 > :code").arg(m_def.columns.first(), m_def.codeTable),
                             {{"code", code}})
            : QString();
        if (!higher.isEmpty() && higher != QStringLiteral("0")) {
            if (message)
                *message = QStringLiteral("가장 높은 코드(%1)부터 차례로 삭제할 수 있습니다.\n"
                                          "승급은 다음 코드로 이어지므로 중간 코드는 삭제할 수 없습니다.")
                               .arg(higher);
            return Removal::NotHighest;
        }
    }
    m_rows.remove(row);
    if (m_def.immediateDelete) {
        db::Transaction t;
        m_rows.apply();
        t.commit();
        m_rows.markApplied();
    }
    return Removal::Removed;
}

bool CodePage::apply(QString* message)
{
    const QString key = m_def.columns.first();
    if (m_def.stored.contains(key)) {
        for (int r = 0; r < m_rows.count(); ++r) {
            if (m_rows.state(r) != db::BufferedSet::State::Modified)
                continue;
            const QVariant oldCode = m_rows.oldValue(r, key);
            if (m_rows.value(r, key).toString() == oldCode.toString())
                continue;
            const QStringList used = codes::usedBy(m_def.codeTable, oldCode);
            if (!used.isEmpty()) {
                if (message)
                    *message = codes::inUseMessage(used);
                return false;
            }
        }
    }
    db::Transaction t;
    m_rows.apply();
    t.commit();
    m_rows.markApplied();
    return true;
}

namespace codepages {

namespace {

CodePageDef page(const QString& caption, const QString& table, const QString& select, const QStringList& columns,
                 const QStringList& headers, const QStringList& stored)
{
    CodePageDef d;
    d.caption = caption;
    d.codeTable = table;
    d.selectSql = select;
    d.columns = columns;
    d.headers = headers;
    d.stored = stored;
    const QString key = columns.first();
    QStringList names, values, sets;
    for (const QString& c : columns) {
        names << c;
        values << u':' + c;
    }
    for (const QString& c : stored)
        sets << c + " = :" + c;
    d.insertSql = QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(", "), values.join(", "));
    d.updateSql = QStringLiteral("update %1 set %2 where %3 = :OLD_%3").arg(table, sets.join(", "), key);
    d.deleteSql = QStringLiteral("delete from %1 where %2 = :OLD_%2").arg(table, key);
    return d;
}

} // namespace

QList<CodePageDef> environPages()
{
    QList<CodePageDef> out;

    CodePageDef zip = page("우편번호", "T_우편번호", "select 동, 우편번호 from T_우편번호 order by 우편번호 asc", {"우편번호", "동"},
                           {"우편번호", "동"}, {"동", "우편번호"});
    zip.updateSql = "update T_우편번호 set 동 = :동, 우편번호 = :우편번호 where 우편번호 = :OLD_우편번호 and 동 = :OLD_동";
    zip.deleteSql = "delete from T_우편번호 where 우편번호 = :OLD_우편번호 and 동 = :OLD_동";
    zip.immediateDelete = true;
    out << zip;

    CodePageDef region = page("지역코드", "T_지역코드", "select * from T_지역코드 order by    지역명", {"지역코드", "지역명"},
                              {"지역코드", "지역명"}, {"지역명"});
    region.presetSql = " Select  Max(지역코드) FROM T_지역코드 ";
    region.immediateDelete = true;
    region.numberColumns = {"지역코드"};
    out << region;

    CodePageDef division = page("부별코드", "T_부별코드", "select * from T_부별코드 order by 부별코드 asc",
                                {"부별코드", "부명", "수련비"}, {"부별코드", "부명", "수련비"}, {"부명", "수련비"});
    division.immediateDelete = true;
    division.fixed = codes::isFixedDivision;
    division.fixedLabel = "01~15 코드수정불가";
    division.numberColumns = {"수련비"};
    out << division;

    CodePageDef rank = page("급별코드", "T_급품코드", "select * from T_급품코드 order by 급품코드",
                            {"급품코드", "급품명", "띠색"}, {"급품코드", "급품명", "띠색"}, {"급품명", "띠색"});
    rank.immediateDelete = true;
    rank.onlyHighestDeleted = true;
    out << rank;

    CodePageDef fitness = page("체력측정항목", "T_체력측정항목", "select * from T_체력측정항목 order by 측정항목코드",
                               {"측정항목코드", "측정항목명"}, {"항목코드", "측정항목명"}, {"측정항목명"});
    fitness.canInsert = false;
    fitness.canDelete = false;
    out << fitness;

    CodePageDef badge = page("뱃지코드", "T_뱃지항목", "select * from T_뱃지항목 Order By 뱃지코드", {"뱃지코드", "뱃지명"},
                             {"뱃지코드", "뱃지명"}, {"뱃지명"});
    badge.immediateDelete = true;
    out << badge;

    CodePageDef points = page("벌점항목", "T_벌점항목", "select * from T_벌점항목 order by 벌점코드",
                              {"벌점코드", "벌점명", "벌점수"}, {"벌점코드", "벌점명", "벌점수"}, {"벌점코드", "벌점명", "벌점수"});
    points.immediateDelete = true;
    points.numberColumns = {"벌점수"};
    out << points;

    auto phrases = [](const QString& caption, const QString& table, const QString& code, const QString& text) {
        CodePageDef d = page(caption, table, QStringLiteral("select * from %1 order by %2").arg(table, text), {code, text},
                             {"코드", text}, {text});
        d.presetSql = QStringLiteral(" Select  Max(%1) FROM %2 ").arg(code, table);
        d.immediateDelete = true;
        d.reloadAfterApply = true;
        d.numberColumns = {code};
        return d;
    };
    out << phrases("생활 기록 문항", "T_생활기록문항", "생활기록코드", "생활기록문항");
    out << phrases("심사결과평가", "T_심사결과평가내용", "심사결과평가코드", "심사결과평가내용");
    out << phrases("심사평가 공지사항문항", "T_심사평가공지사항문항", "심사평가공지사항코드", "심사평가공지사항");
    return out;
}

QList<CodePageDef> env0030Pages()
{
    CodePageDef award = page("상장명", "T_상장목록", "select * from T_상장목록", {"상장코드", "상장명"},
                             {"상장코드", "상장명"}, {"상장코드", "상장명"});
    award.fixed = codes::isFixedAwardType;
    award.fixedLocksAll = true;
    award.fixedLabel = "01~09 코드수정불가";

    CodePageDef motive = page("입관동기", "T_입관동기", "select * from T_입관동기", {"사유코드", "사유명"},
                              {"사유코드", "사유명"}, {"사유코드", "사유명"});

    CodePageDef event = page("행사명", "T_행사목록", "select * from T_행사목록", {"행사코드", "행사명"},
                             {"행사코드", "행사명"}, {"행사코드", "행사명"});
    event.fixed = codes::isFixedEventType;
    event.fixedLocksAll = true;
    event.fixedLabel = "01~02 코드수정불가";
    return {award, motive, event};
}

CodePageDef absenceReasons()
{
    return page("결석사유", "T_결석사유", "select * from T_결석사유", {"결석사유코드", "결석사유"},
                {"사 유 코 드", "결   석   사   유"}, {"결석사유코드", "결석사유"});
}

CodePageDef leaveReasons()
{
    CodePageDef d = page("휴/퇴관 사유", "T_휴퇴사유", "select * from T_휴퇴사유",
                         {"휴퇴사유코드", "휴퇴사유"}, {"사유 코드", "휴/퇴관 사유"}, {"휴퇴사유"});
    d.immediateDelete = true;
    // "99" (기타) is the reason the program itself records when a member is deleted outright.
    d.fixed = [](const QString& code) { return code == QStringLiteral("99"); };
    return d;
}

} // namespace codepages
