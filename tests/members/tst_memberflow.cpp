// A school's month with the real member screens: three trainees enrolled, one edited, sent on leave,
// brought back, withdrawn and deleted, another deleted from personal management. After every step the
// headcount figures agree with a count of the member table and the cash book keeps the fees.
#include "support/TestDb.h"

#include "ui/ScreenHost.h"
#include "cashbook/uEndCancel.h"
#include "db/Query.h"
#include "db/Session.h"
#include "db/MemberRecords.h"
#include "members/PersonalJournalPanel.h"
#include "members/uPer0010.h"
#include "ui/ListModel.h"
#include "ui/DateEdit.h"
#include "ui/ResidentNoEdit.h"
#include "members/uPer0020.h"
#include "members/uRet0010.h"
#include "stats/HeadcountFigures.h"
#include "stats/MovementCounter.h"

#include "ui/CodeCombo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMdiArea>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableView>
#include <QTest>

namespace {

QString text(const QString& sql) { return db::scalar(sql).toString(); }
int count(const QString& sql) { return db::scalar(sql).toInt(); }

void choose(QComboBox* box, const QString& prefix)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).startsWith(prefix)) {
            box->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable("no item " + prefix));
}

QString enrol(TfPer0010& w, const QString& name, const QString& mother, bool paid)
{
    w.BitBtn1Click();
    const QString no = w.id->text().section(u':', 1).trimmed();
    w.edt_Name->setText(name);
    w.edt_NameChange();
    w.edt_Birth->setDateText(QStringLiteral("2016-07-09"));
    w.edt_BirthExit();
    choose(w.com_Calendar, QStringLiteral("양"));
    choose(w.com_Sex, QStringLiteral("남"));
    w.edt_Jumin->setText(QStringLiteral("1607093123456"));
    choose(w.com_bu, QStringLiteral("03)"));
    w.com_buChange();
    choose(w.com_Rank, QStringLiteral("01)"));
    choose(w.com_Region, QStringLiteral("1)"));
    choose(w.com_Motive, QStringLiteral("01)"));
    (paid ? w.rb_Paid : w.rb_Unpaid)->setChecked(true);
    w.BitBtn8Click();
    w.family->type(0, TfPer0010::FamRelation, QStringLiteral("모"));
    w.family->type(0, TfPer0010::FamName, mother);
    w.BitBtn10Click();
    w.suggestions->type(0, TfPer0010::SugText, QStringLiteral("저녁반 희망"));
    w.BitBtn5Click();
    return no;
}

// Page 1's month-end headcount of May and the opening total against the member table.
void figuresAgree(int line)
{
    const auto y = HeadcountFigures::yearMovement(2024);
    const qint64 training = db::scalar("select count(*) from T_회원 where 퇴관일 is null and 휴관일 is null").toLongLong();
    const qint64 current = db::scalar("select count(*) from T_회원 where 퇴관일 is null").toLongLong();
    QVERIFY2(y.headcount[4] == training, qPrintable(QStringLiteral("line %1: 현재원 %2, members training %3")
                                                        .arg(line).arg(y.headcount[4]).arg(training)));
    QVERIFY2(y.headcount[11] == training, qPrintable(QStringLiteral("line %1: December").arg(line)));
    QVERIFY2(HeadcountFigures::currentMembers() == current, qPrintable(QStringLiteral("line %1: 총원").arg(line)));
    QVERIFY2(HeadcountFigures::comparisonYearCaptions(2024).value(2) == QStringLiteral("2024       총원:  %1").arg(current),
             qPrintable(QStringLiteral("line %1: page 2 총원").arg(line)));
    const auto o = HeadcountFigures::overall();
    qint64 byDivision = 0;
    for (const auto& l : o.divisions)
        byDivision += l.count;
    QVERIFY2(byDivision == current && o.male + o.female == current,
             qPrintable(QStringLiteral("line %1: page 0").arg(line)));
}

// The reason drop-down of a line, opened as the grid opens it for editing.
QComboBox* reasonBox(QTableView* g, int row)
{
    const QModelIndex i = g->model()->index(row, TfRet0010::kReasonColumn);
    g->setCurrentIndex(i);
    if (!g->indexWidget(i))
        g->edit(i);
    return qobject_cast<QComboBox*>(g->indexWidget(i));
}

// A reason taken from the open drop-down as a click in its list takes it.
void pickReason(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY(i >= 0);
    box->setCurrentIndex(i);
    emit box->activated(i);
}

int rowOf(QTableView* g, const QString& no)
{
    for (int r = 0; r < g->model()->rowCount(); ++r)
        if (g->model()->index(r, 0).data().toString() == no)
            return r;
    return -1;
}

// Every column of the member's row as text.
QMap<QString, QString> memberRow(const QString& no)
{
    db::Query q(QStringLiteral("select * from T_회원 where 회원번호 = :no"));
    q.bind("no", no).open();
    QMap<QString, QString> out;
    if (q.next())
        for (int i = 0; i < q.columnCount(); ++i)
            out.insert(q.columnName(i), q.value(i).toString());
    return out;
}

int rowsOfMember(const QString& no)
{
    int n = count(QStringLiteral("select count(*) from T_회원 where 회원번호 = '%1'").arg(no));
    for (const QString& t : MemberRecords::tablesDeletedWithMember())
        if (db::tableExists(t))
            n += count(QStringLiteral("select count(*) from %1 where 회원번호 = '%2'").arg(t, no));
    return n;
}

} // namespace

class TstMemberFlow : public QObject {
    Q_OBJECT

private slots:
    void aMonthOfTheSchool()
    {
        TestDb t;
        RecordingDialogs& dialogs = t.dialogs();

        // Three trainees, two paying the first fee.
        TfPer0010 form;
        const QString a = enrol(form, QStringLiteral("김민준"), QStringLiteral("박은영"), true);
        const QString b = enrol(form, QStringLiteral("이서준"), QStringLiteral("최수진"), true);
        const QString c = enrol(form, QStringLiteral("정도윤"), QStringLiteral("한미래"), false);
        QVERIFY2(dialogs.log.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(QStringList({a, b, c}), QStringList({"202405001", "202405002", "202405003"}));
        QCOMPARE(text("select group_concat(소항목 || ':' || 입금액, ',') from T_금전출납 where 대항목 = '수련비'"),
                 QString("김민준:130000,이서준:130000"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), qint64(3));
        figuresAgree(__LINE__);

        // Personal management on the first trainee: details, a suggestion, a family row, a badge.
        Session::setSelectedMemberNo(a);
        QMap<QString, QString> before = memberRow(a);
        TfPer0020 person;
        QCOMPARE(person.shownMember(), a);
        person.Btn_EditClick();
        QVERIFY(person.editing());
        person.setFieldText("주소", "서울시 중구 태평로 1");
        person.selectPage(TfPer0020::TabSuggestions, true);
        person.ListAddClick(PersonalRecord::Suggestions);
        person.panel(PersonalRecord::Suggestions)->typeInto(1, "건의사항", "차량 시간 변경");
        person.selectPage(TfPer0020::TabDetails, true);
        person.ListAddClick(PersonalRecord::Family);
        person.panel(PersonalRecord::Family)->typeInto(1, "관계", "부");
        person.panel(PersonalRecord::Family)->typeInto(1, "성명", "김철수");
        person.selectPage(TfPer0020::TabBadges, true);
        person.ListAddClick(PersonalRecord::Badges);
        person.Btn_OkClick();
        QVERIFY2(!person.editing(), qPrintable(dialogs.lastText()));
        // Only the typed field changed: codes, dates and masked fields went back as they came.
        before.insert("주소", "서울시 중구 태평로 1");
        QCOMPARE(memberRow(a), before);
        QCOMPARE(text(QStringLiteral("select group_concat(순번, ',') from (select 순번 from T_건의사항 where 회원번호 = '%1' order by 순번)").arg(a)),
                 QString("1,2"));
        QCOMPARE(text(QStringLiteral("select group_concat(순번 || 성명, ',') from (select * from T_가족사항 where 회원번호 = '%1' order by 순번)").arg(a)),
                 QString("1박은영,2김철수"));
        QCOMPARE(count(QStringLiteral("select count(*) from T_뱃지지급 where 회원번호 = '%1'").arg(a)), 1);
        figuresAgree(__LINE__);

        // Leave, return from leave, withdrawal: each on its page of the withdrawal window.
        TfRet0010 ret;
        ret.selectPage(1, true);
        QTest::mouseClick(ret.btnInsert, Qt::LeftButton);
        QComboBox* box = reasonBox(ret.DBCtrlGrid2, rowOf(ret.DBCtrlGrid2, a));
        QVERIFY(box);
        pickReason(box, "07) 방학/여행");
        QTest::mouseClick(ret.btnOk, Qt::LeftButton);
        QVERIFY2(!ret.batchOpen(), qPrintable(dialogs.lastText()));
        QCOMPARE(text(QStringLiteral("select 휴관일 from T_회원 where 회원번호 = '%1'").arg(a)), QString("2024-05-15"));
        figuresAgree(__LINE__);
        Session::setSelectedMemberNo(a);
        person.Refill(true);
        QCOMPARE(person.lbl_No->text(), QString("등록번호 : 휴관자"));

        ret.selectPage(2, true);
        ret.rbo_rsBack->setChecked(true);
        QTest::mouseClick(ret.btnInsert, Qt::LeftButton);
        QVERIFY(ret.DBCtrlGrid3->model()->setData(ret.DBCtrlGrid3->model()->index(rowOf(ret.DBCtrlGrid3, a), TfRet0010::kCheckColumn),
                                                  Qt::Checked, Qt::CheckStateRole));
        QTest::mouseClick(ret.btnOk, Qt::LeftButton);
        QVERIFY2(!ret.batchOpen(), qPrintable(dialogs.lastText()));
        QCOMPARE(text(QStringLiteral("select 복관일휴 || '/' || ifnull(휴관일, '') from T_회원 where 회원번호 = '%1'").arg(a)),
                 QString("2024-05-15/"));
        figuresAgree(__LINE__);

        ret.selectPage(0, true);
        QTest::mouseClick(ret.btnInsert, Qt::LeftButton);
        box = reasonBox(ret.DBCtrlGrid1, rowOf(ret.DBCtrlGrid1, a));
        QVERIFY(box);
        pickReason(box, "01) 이사");
        QTest::mouseClick(ret.btnOk, Qt::LeftButton);
        QVERIFY2(!ret.batchOpen(), qPrintable(dialogs.lastText()));
        QCOMPARE(text(QStringLiteral("select 퇴관일 from T_회원 where 회원번호 = '%1'").arg(a)), QString("2024-05-15"));
        figuresAgree(__LINE__);

        // The second trainee deleted outright from personal management: counted once as a withdrawal.
        Session::setSelectedMemberNo(b);
        person.Refill();
        QCOMPARE(person.shownMember(), b);
        dialogs.answers << QMessageBox::Yes;
        person.Btn_DeleteClick();
        QCOMPARE(rowsOfMember(b), 0);
        QCOMPARE(count("select count(*) from T_퇴관사유별현황 where 퇴관사유코드 = '99'"), 1);
        figuresAgree(__LINE__);

        // The withdrawn first trainee deleted from the withdrawal window: the same cascade, no second count.
        const qint64 outBefore = MovementCounter::counter(2024, MovementCounter::Withdrawal, 5);
        QTest::mouseClick(ret.btnSearch, Qt::LeftButton);
        const int row = rowOf(ret.DBCtrlGrid1, a);
        QVERIFY(row >= 0);
        ret.DBCtrlGrid1->setCurrentIndex(ret.DBCtrlGrid1->model()->index(row, 0));
        dialogs.answers << QMessageBox::Yes;
        QTest::mouseClick(ret.btnDelete, Qt::LeftButton);
        QCOMPARE(rowsOfMember(a), 0);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 5), outBefore);
        figuresAgree(__LINE__);

        // The cash book keeps both first fees; the third trainee is untouched.
        QCOMPARE(text("select sum(입금액) from T_금전출납 where 대항목 = '수련비'"), QString("260000"));
        QCOMPARE(count(QStringLiteral("select count(*) from T_가족사항 where 회원번호 = '%1'").arg(c)), 1);
        QCOMPARE(HeadcountFigures::currentMembers(), qint64(1));

        // The third trainee goes on leave and is deleted while away: his leave ends with him.
        ret.selectPage(1, true);
        QTest::mouseClick(ret.btnInsert, Qt::LeftButton);
        box = reasonBox(ret.DBCtrlGrid2, rowOf(ret.DBCtrlGrid2, c));
        QVERIFY(box);
        pickReason(box, "07) 방학/여행");
        QTest::mouseClick(ret.btnOk, Qt::LeftButton);
        QVERIFY2(!ret.batchOpen(), qPrintable(dialogs.lastText()));
        figuresAgree(__LINE__);
        Session::setSelectedMemberNo(c);
        person.Refill();
        QCOMPARE(person.shownMember(), c);
        dialogs.answers << QMessageBox::Yes;
        person.Btn_DeleteClick();
        QCOMPARE(rowsOfMember(c), 0);
        figuresAgree(__LINE__);
        QCOMPARE(HeadcountFigures::currentMembers(), qint64(0));
    }

    void enrolmentIntoAClosedMonthOpensTheCancelWindow()
    {
        TestDb t;
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        closeBooksThrough("202405");
        auto* form = qobject_cast<TfPer0010*>(host.open("TfPer0010"));
        QVERIFY(form);
        enrol(*form, QStringLiteral("김민준"), QStringLiteral("박은영"), true);

        QCOMPARE(t.dialogs().lastText(), QString("입관월 2024-05은 이미 마감처리된 월입니다.\n\n마감취소후 입관원서등록을 하세요."));
        auto* cancel = qobject_cast<TfEndCancel*>(host.screen("TfEndCancel"));
        QVERIFY(cancel && cancel->isVisible());
        QCOMPARE(cancel->dtpk_Month->date(), QDate(2024, 5, 1));
        QVERIFY(form->entering());
        for (const char* table : {"T_회원", "T_가족사항", "T_건의사항", "T_수련비납부", "T_금전출납", "T_입관동기별현황"})
            QVERIFY2(count(QStringLiteral("select count(*) from ") + QString::fromUtf8(table)) == 0, table);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), qint64(0));
    }
};

QTEST_MAIN(TstMemberFlow)
#include "tst_memberflow.moc"
