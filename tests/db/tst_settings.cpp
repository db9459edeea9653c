#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QTest>

#include "db/CodeTables.h"
#include "db/DatabaseChoice.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "settings/uEnv0030.h"
#include "settings/uEnviron.h"
#include "settings/uGymInfo.h"
#include "settings/uRReason.h"
#include "support/TestDb.h"
#include "ui/CodeCombo.h"
#include "ui/DivisionFilter.h"

namespace {

QStringList column(const QString& sql, db::Query* prepared = nullptr)
{
    QStringList out;
    db::Query q(sql);
    db::Query& use = prepared ? *prepared : q;
    use.open();
    while (use.next())
        out << use.value(0).toString();
    return out;
}

int rowOf(CodePage& page, const QString& code)
{
    for (int r = 0; r < page.rows().count(); ++r)
        if (page.rows().value(r, page.def().columns.first()).toString() == code)
            return r;
    return -1;
}

QStringList range(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return out;
}

void addMember(const QString& no, const QString& division, const QString& extraColumn = {}, const QVariant& extraValue = {})
{
    if (extraColumn.isEmpty())
        db::run("insert into T_회원 (회원번호, 회원명, 부별코드) values (:no, '홍길동', :bu)", {{"no", no}, {"bu", division}});
    else
        db::run(QStringLiteral("insert into T_회원 (회원번호, 회원명, 부별코드, %1) values (:no, '홍길동', :bu, :v)").arg(extraColumn),
                {{"no", no}, {"bu", division}, {"v", extraValue}});
}

// Typing into a field as the user does (Hangul included).
void type(QLineEdit* field, const QString& text)
{
    field->setText(field->text() + text);
    emit field->textEdited(field->text());
}

} // namespace

class TstSettings : public QObject {
    Q_OBJECT
private slots:
    void newSchoolSeeds();
    void divisionFilter_data();
    void divisionFilter();
    void codeDropDown();
    void fixedCodes();
    void presetCodes();
    void editOnlyStoredColumns();
    void ranksGoFromTheTop();
    void usedCodesAreKept_data();
    void usedCodesAreKept();
    void settingsScreens();
    void schoolRecordSurvivesRestart();
    void databaseChoiceIsKeptBesideTheProgram();
};

void TstSettings::newSchoolSeeds()
{
    TestDb db;
    QCOMPARE(column("select 부별코드 from T_부별코드 order by 부별코드"), range(1, 15));
    QCOMPARE(column("select 상장코드 from T_상장목록 order by 상장코드"), range(1, 9));
    QCOMPARE(column("select 행사코드 from T_행사목록 order by 행사코드"), range(1, 2));
    QCOMPARE(db::scalarText("select 휴퇴사유 from T_휴퇴사유 where 휴퇴사유코드 = '99'"), QStringLiteral("기타"));
    const QStringList grades = column("select 학년 from T_학년코드 order by 학년코드");
    QCOMPARE(grades.size(), 18);
    QCOMPARE(grades.first(), QStringLiteral("유치 4"));
    QCOMPARE(grades[4], QStringLiteral("초등 1"));
    QCOMPARE(grades[16], QStringLiteral("대학교"));
    QCOMPARE(grades.last(), QStringLiteral("일반"));
    // Ranks run in promotion order without gaps; Dan candidates end in 단보.
    const QStringList ranks = column("select 급품코드 from T_급품코드 order by 급품코드");
    QCOMPARE(ranks, range(1, ranks.size()));
    // Every rank from 단보 up is a Poom or Dan rank for the national lists, and each level is one rank.
    const QStringList poomDan = column("SELECT 급품코드 FROM T_급품코드 WHERE Right(Trim(급품명),2) = '단보' "
                                       "Or Right(Trim(급품명),1) = '단' ORDER BY 급품코드 asc");
    QCOMPARE(poomDan, range(11, ranks.size()));
    QCOMPARE(column("SELECT 급품명 FROM T_급품코드 WHERE 급품명 like '1품%' AND NOT (급품명 like '%단보%')").size(), 1);
    QVERIFY(db::scalar("select count(*) from T_급품코드 where 띠색 is null or 띠색 = ''").toInt() == 0);
    QCOMPARE(db::scalar("select count(*) from T_가정통신문").toInt(), 1);
    QCOMPARE(db::scalar("select count(*) from T_도장정보").toInt(), 0);
    QVERIFY(!SchoolInfo::mainScreenLocked());
    QVERIFY(db::scalar("select count(*) from T_결석사유").toInt() > 0);
    QVERIFY(db::scalar("select count(*) from T_입관동기").toInt() > 0);
    QVERIFY(db::scalar("select count(*) from T_지역코드").toInt() > 0);
    QCOMPARE(db::scalar("select count(*) from T_체력측정항목").toInt(), 12);
}

void TstSettings::divisionFilter_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("empty") << "" << (range(1, 16) << "20");
    QTest::newRow("전체") << "전체" << (range(1, 16) << "20");
    QTest::newRow("유치부 up to 02") << "유치부" << range(1, 2);
    QTest::newRow("초등부 03 to 11") << "초등부" << range(3, 11);
    QTest::newRow("중고/일반 12 and up") << "중고/일반" << (range(12, 16) << "20");
    QTest::newRow("division 05") << "05" << QStringList{"05"};
    QTest::newRow("division 12") << "12" << QStringList{"12"};
}

void TstSettings::divisionFilter()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, codes);
    TestDb db;
    db::run("insert into T_부별코드 (부별코드, 부명, 수련비) values ('16', '성인 야간반', 150000), ('20', '선수반', 200000)");
    DivisionFilter filter;
    QCOMPARE(filter.count(), 5 + 17);
    QCOMPARE(filter.itemText(0), QString());
    QCOMPARE(filter.itemText(1), QStringLiteral("     전체"));
    QCOMPARE(filter.itemText(4), QStringLiteral("     중고/일반"));
    int index = -1;
    for (int i = 0; i < filter.count(); ++i) {
        const QString t = filter.itemText(i).trimmed();
        if (t == entry || (i > 4 && codes::codeOf(t) == entry))
            index = i;
    }
    QVERIFY(index >= 0);
    filter.setCurrentIndex(index);
    db::Query q("SELECT a.부별코드 FROM T_부별코드 a WHERE 1 = 1");
    filter.addCondition(q);
    q.add(" ORDER BY a.부별코드");
    QCOMPARE(column(QString(), &q), codes);
    if (index > 4)
        QCOMPARE(filter.condition().buCode, entry + "%");
}

void TstSettings::codeDropDown()
{
    TestDb db;
    QCOMPARE(codes::codeOf("05)  초등3학년부"), QStringLiteral("05"));
    QCOMPARE(codes::codeOf("10) 1급 (빨간띠)"), QStringLiteral("10"));
    QCOMPARE(codes::codeOf(")  "), QString());
    CodeCombo box;
    box.load("T_휴퇴사유", "휴퇴사유코드", "휴퇴사유", true);
    QCOMPARE(box.itemText(0), QString());
    QCOMPARE(box.itemText(1), QStringLiteral("01)  이사"));
    QVERIFY(box.setCode("99"));
    QCOMPARE(box.currentText(), QStringLiteral("99)  기타"));
    QCOMPARE(box.code(), QStringLiteral("99"));
    QVERIFY(!box.setCode("77"));
    QCOMPARE(box.code(), QString());
}

void TstSettings::fixedCodes()
{
    TestDb db;
    db::run("insert into T_부별코드 (부별코드, 부명, 수련비) values ('16', '성인 야간반', 150000)");
    CodePage divisions(codepages::environPages()[2]);
    divisions.load();
    QString message;
    QCOMPARE(divisions.remove(rowOf(divisions, "15"), &message), CodePage::Removal::Fixed);
    QCOMPARE(message, QStringLiteral("삭제 불가능한 코드입니다."));
    QCOMPARE(db::scalar("select count(*) from T_부별코드 where 부별코드 = '15'").toInt(), 1);
    // 16 goes at once, without 확인.
    QCOMPARE(divisions.remove(rowOf(divisions, "16")), CodePage::Removal::Removed);
    QCOMPARE(db::scalar("select count(*) from T_부별코드 where 부별코드 = '16'").toInt(), 0);

    CodePage awards(codepages::env0030Pages()[0]);
    awards.load();
    const int five = rowOf(awards, "05");
    QVERIFY(!awards.editable(five, "상장코드"));
    QVERIFY(!awards.editable(five, "상장명"));
    QCOMPARE(awards.remove(five), CodePage::Removal::Fixed);
    const int ten = awards.insertRow();
    awards.rows().setValue(ten, "상장코드", "10");
    awards.rows().setValue(ten, "상장명", "봉사상");
    QVERIFY(awards.apply());
    QCOMPARE(db::scalarText("select 상장명 from T_상장목록 where 상장코드 = '10'"), QStringLiteral("봉사상"));
    awards.load();
    QVERIFY(awards.editable(rowOf(awards, "10"), "상장명"));
    QCOMPARE(awards.remove(rowOf(awards, "10")), CodePage::Removal::Removed);
    QCOMPARE(db::scalar("select count(*) from T_상장목록 where 상장코드 = '10'").toInt(), 1); // buffered until 확인
    QVERIFY(awards.apply());
    QCOMPARE(db::scalar("select count(*) from T_상장목록 where 상장코드 = '10'").toInt(), 0);

    CodePage events(codepages::env0030Pages()[2]);
    events.load();
    QCOMPARE(events.remove(rowOf(events, "02")), CodePage::Removal::Fixed);
}

void TstSettings::presetCodes()
{
    TestDb db;
    CodePage regions(codepages::environPages()[1]);
    regions.load();
    const int seeded = db::scalar("select Max(지역코드) from T_지역코드").toInt();
    QCOMPARE(regions.rows().value(regions.insertRow(), "지역코드").toInt(), seeded + 1);
    db::run("delete from T_지역코드");
    regions.load();
    const int row = regions.insertRow();
    QCOMPARE(regions.rows().value(row, "지역코드").toInt(), 1);
    regions.rows().setValue(row, "지역명", "신도시");
    QVERIFY(regions.apply());
    QCOMPARE(db::scalarText("select 지역명 from T_지역코드 where 지역코드 = 1"), QStringLiteral("신도시"));

    // The phrase pages number their rows the same way and reread after 확인.
    CodePage phrases(codepages::environPages()[7]);
    phrases.load();
    const int before = db::scalar("select Max(생활기록코드) from T_생활기록문항").toInt();
    QCOMPARE(phrases.rows().value(phrases.insertRow(), "생활기록코드").toInt(), before + 1);
    QVERIFY(phrases.def().reloadAfterApply);
}

void TstSettings::editOnlyStoredColumns()
{
    TestDb db;
    CodePage ranks(codepages::environPages()[3]);
    ranks.load();
    const int r = rowOf(ranks, "05");
    QVERIFY(!ranks.editable(r, "급품코드"));
    QVERIFY(ranks.editable(r, "급품명"));
    // Even a code changed behind the field is not stored: the update does not write it.
    ranks.rows().setValue(r, "급품코드", "55");
    ranks.rows().setValue(r, "급품명", "6급(청띠)");
    QVERIFY(ranks.apply());
    QCOMPARE(db::scalarText("select 급품명 from T_급품코드 where 급품코드 = '05'"), QStringLiteral("6급(청띠)"));
    QCOMPARE(db::scalar("select count(*) from T_급품코드 where 급품코드 = '55'").toInt(), 0);

    CodePage fitness(codepages::environPages()[4]);
    QVERIFY(!fitness.def().canInsert && !fitness.def().canDelete);
    fitness.load();
    QVERIFY(!fitness.editable(0, "측정항목코드"));
    QVERIFY(fitness.editable(0, "측정항목명"));
    // A new row types its own code.
    QVERIFY(ranks.editable(ranks.insertRow(), "급품코드"));
}

// Promotion moves a member to the code + 1, so only the highest rank can be deleted.
void TstSettings::ranksGoFromTheTop()
{
    TestDb db;
    CodePage ranks(codepages::environPages()[3]);
    ranks.load();
    const QString top = db::scalarText("select Max(급품코드) from T_급품코드");
    const QString below = QStringLiteral("%1").arg(top.toInt() - 1, 2, 10, QChar(u'0'));
    QString message;
    for (const QString& code : {QStringLiteral("01"), below}) {
        QCOMPARE(ranks.remove(rowOf(ranks, code), &message), CodePage::Removal::NotHighest);
        QVERIFY2(message.contains(top), qPrintable(message));
    }
    QCOMPARE(ranks.remove(rowOf(ranks, top)), CodePage::Removal::Removed);
    QCOMPARE(db::scalar("select count(*) from T_급품코드 where 급품코드 = :c", {{"c", top}}).toInt(), 0);
    ranks.load();
    QCOMPARE(ranks.remove(rowOf(ranks, below)), CodePage::Removal::Removed); // now the highest
}

void TstSettings::usedCodesAreKept_data()
{
    QTest::addColumn<int>("screen"); // 0 TfEnviron pages, 1 TfEnv0030 pages, 2 leave reasons
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("memberColumn");
    QTest::newRow("division") << 0 << 2 << "16" << "부별코드";
    QTest::newRow("rank") << 0 << 3 << "99" << "급품코드";
    QTest::newRow("region") << 0 << 1 << "2" << "지역코드";
    QTest::newRow("motive") << 1 << 1 << "03" << "입관동기코드";
    QTest::newRow("leave reason") << 2 << 0 << "04" << "휴관사유코드";
    QTest::newRow("withdrawal reason") << 2 << 0 << "05" << "최종퇴관사유코드";
}

void TstSettings::usedCodesAreKept()
{
    QFETCH(int, screen);
    QFETCH(int, page);
    QFETCH(QString, code);
    QFETCH(QString, memberColumn);
    TestDb db;
    db::run("insert into T_부별코드 (부별코드, 부명, 수련비) values ('16', '성인 야간반', 150000)");
    db::run("insert into T_급품코드 (급품코드, 급품명) values ('99', '최고단')"); // the highest rank: the only one that may go
    const CodePageDef def = screen == 0 ? codepages::environPages()[page]
                            : screen == 1 ? codepages::env0030Pages()[page]
                                          : codepages::leaveReasons();
    if (memberColumn == "부별코드")
        addMember("202401001", code);
    else
        addMember("202401001", "03", memberColumn, memberColumn == "지역코드" ? QVariant(code.toInt()) : QVariant(code));
    const QString count = QStringLiteral("select count(*) from %1 where %2 = :c").arg(def.codeTable, def.columns.first());
    CodePage p(def);
    p.load();
    QString message;
    QCOMPARE(p.remove(rowOf(p, code), &message), CodePage::Removal::InUse);
    QVERIFY2(message.contains("회원"), qPrintable(message));
    QCOMPARE(db::scalar(count, {{"c", code}}).toInt(), 1);
    QVERIFY(rowOf(p, code) >= 0);
    // Renaming the key is refused where the page would store it.
    if (def.stored.contains(def.columns.first())) {
        p.rows().setValue(rowOf(p, code), def.columns.first(), "77");
        QVERIFY(!p.apply(&message));
        QCOMPARE(db::scalar(count, {{"c", code}}).toInt(), 1);
    }
    // Once no member holds it, it goes.
    db::run("delete from T_회원");
    p.load();
    QCOMPARE(p.remove(rowOf(p, code)), CodePage::Removal::Removed);
    p.apply();
    QCOMPARE(db::scalar(count, {{"c", code}}).toInt(), 0);
}

void TstSettings::settingsScreens()
{
    TestDb db;
    {
        TfEnviron env;
        env.setPageIndex(2);
        QCOMPARE(env.grid(2)->model()->rowCount(), 15);
        env.setCurrentRow(14);
        env.Btn_DeleteClick();
        QCOMPARE(db.dialogs().lastText(), QStringLiteral("삭제 불가능한 코드입니다."));
        QCOMPARE(env.grid(2)->model()->rowCount(), 15);
        env.Btn_EditClick();
        QVERIFY(env.editing());
        QVERIFY(!env.field(2, "부별코드")->isEnabled());
        QVERIFY(env.field(2, "부명")->isEnabled());
        QVERIFY(env.fixedLabel(2)->isVisibleTo(&env));
        QVERIFY(!env.button("btnInsert")->isEnabled() && env.button("btnOk")->isEnabled());
        type(env.field(2, "부명"), " 야간");
        env.Btn_OkClick();
        QVERIFY(!env.editing());
        QVERIFY(db::scalarText("select 부명 from T_부별코드 where 부별코드 = '15'").endsWith(" 야간"));
        env.setPageIndex(4);
        QVERIFY(!env.button("btnInsert")->isEnabled() && !env.button("btnDelete")->isEnabled());
        env.FormActivate();
        QCOMPARE(env.pageIndex(), 0);
    }
    {
        // A duplicate key is the engine's to refuse; the typed row stays until 취소.
        TfEnv0030 env;
        env.setPageIndex(1);
        const int rows = env.grid(1)->model()->rowCount();
        env.Btn_InsertClick();
        type(env.field(1, "사유코드"), "01");
        type(env.field(1, "사유명"), "중복");
        db.dialogs().clear();
        env.Btn_OkClick();
        QVERIFY(db.dialogs().saw("저장 에러 입니다."));
        QVERIFY(env.editing());
        QCOMPARE(env.grid(1)->model()->rowCount(), rows + 1);
        env.Btn_CancelClick();
        QCOMPARE(env.grid(1)->model()->rowCount(), rows);
    }
    {
        // Leave reasons: delete applies at once and the screen waits for 확인 or 취소.
        TfRReason reasons;
        const int rows = reasons.grid(0)->model()->rowCount();
        reasons.setCurrentRow(0);
        reasons.Btn_DeleteClick();
        QCOMPARE(db::scalar("select count(*) from T_휴퇴사유").toInt(), rows - 1);
        QVERIFY(reasons.editing());
        reasons.Btn_OkClick();
        QVERIFY(!reasons.editing());
        reasons.setCurrentRow(reasons.grid(0)->model()->rowCount() - 1); // 99 기타
        reasons.Btn_DeleteClick();
        QCOMPARE(db::scalar("select count(*) from T_휴퇴사유 where 휴퇴사유코드 = '99'").toInt(), 1);
    }
}

void TstSettings::schoolRecordSurvivesRestart()
{
    TestDb db;
    {
        TfGymInfo gym;
        QVERIFY(!gym.field("도장명")->isEnabled());
        gym.btnEditClick();
        QVERIFY(gym.field("도장명")->isEnabled());
        gym.setText("도장명", "한빛태권도");
        gym.setText("메인화면", "1234");
        gym.setChecked("메인화면체크유무", true);
        gym.btnOkClick();
        QVERIFY(!gym.editing());
    }
    QCOMPARE(db::scalar("select count(*) from T_도장정보").toInt(), 1);
    // No Latin name: the one row is still found and updated.
    QVERIFY(db::scalar("select 도장명영 from T_도장정보").isNull());
    {
        TfGymInfo gym;
        gym.btnEditClick();
        gym.setText("관장명", "김관장");
        gym.setChecked("메인화면체크유무", false);
        gym.btnOkClick();
    }
    db::closeDatabase();
    QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
    QCOMPARE(db::scalar("select count(*) from T_도장정보").toInt(), 1);
    const auto rec = SchoolInfo::load();
    QCOMPARE(rec.value("도장명").toString(), QStringLiteral("한빛태권도"));
    QCOMPARE(rec.value("관장명").toString(), QStringLiteral("김관장"));
    QCOMPARE(rec.value("메인화면체크유무").toString(), QStringLiteral("0"));
    QVERIFY(SchoolInfo::mainPasswordMatches("1234"));
    QVERIFY(!SchoolInfo::mainPasswordMatches("123"));
    QVERIFY(!SchoolInfo::mainScreenLocked());
    QVERIFY(!db.dialogs().saw("에러"));
}

void TstSettings::databaseChoiceIsKeptBesideTheProgram()
{
    TestDb db;
    TfGymInfo gym;
    QCOMPARE(qobject_cast<QComboBox*>(gym.field("@데이터베이스"))->currentText(), QStringLiteral("이 PC"));
    gym.btnEditClick();
    QVERIFY(gym.field("@호스트")->isEnabled());
    qobject_cast<QComboBox*>(gym.field("@데이터베이스"))->setCurrentIndex(1);
    gym.setText("@호스트", "office-pc");
    gym.setText("@포트", "5432");
    gym.setText("@사용자", "front");
    // Without a database name nothing is kept and the user is told.
    gym.btnOkClick();
    QVERIFY(db.dialogs().saw("데이터베이스 이름을 입력하세요."));
    QVERIFY(gym.editing());
    QVERIFY(!DatabaseChoice::load().server);
    gym.setText("@데이터베이스이름", "tamrin");
    gym.btnOkClick();
    QVERIFY(!gym.editing());
    QCOMPARE(DatabaseChoice::load().address(), QStringLiteral("postgresql://front@office-pc:5432/tamrin"));
    // Kept beside the program, not in the school record it points away from.
    QVERIFY(QFile::exists(ProgramDir::file("Tamrin.ini")));
    QCOMPARE(db::scalar("select count(*) from T_도장정보").toInt(), 1);
    QVERIFY(db::scalar("select 주소 from T_도장정보").isNull());
    TfGymInfo again;
    QCOMPARE(qobject_cast<QComboBox*>(again.field("@데이터베이스"))->currentText(), QStringLiteral("서버"));
    QCOMPARE(qobject_cast<QLineEdit*>(again.field("@호스트"))->text(), QStringLiteral("office-pc"));
}

QTEST_MAIN(TstSettings)
#include "tst_settings.moc"
