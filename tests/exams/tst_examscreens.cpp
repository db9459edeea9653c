// The examination screens as the user drives them: the batch screen's buttons and grid, the item
// settings and the result sheet's window.
#include "ExamFixture.h"

#include "exams/uExamSet.h"
#include "exams/uInp0011.h"
#include "exams/uPri4040.h"
#include "exams/uPriSimsaTongji.h"
#include "exams/uSimsaEst.h"
#include "exams/uSimsaInfoCode.h"
#include "exams/uSimsaSinchungCode.h"
#include "exams/uTrSet.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace examfix;

namespace {
// Korean text arrives from the input method, as the user types it.
void type(QWidget* field, const QString& text)
{
    QInputMethodEvent e;
    e.setCommitString(text);
    QCoreApplication::sendEvent(field, &e);
}
} // namespace

class TstExamScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    const QString kim = QStringLiteral("202301001"), lee = QStringLiteral("202301002");

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({kim, QStringLiteral("김태권"), QStringLiteral("03"), QStringLiteral("04")});
        addMember({lee, QStringLiteral("이품새"), QStringLiteral("03"), QStringLiteral("06"), "2023-01-10", {}, "2024-01-05"});
        addRecord(kim, "2024-01-10", 7, "04");
    }
    void cleanup() { m_db.reset(); }

    void refusesANumberThatIsNotWhole_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "7회";
    }
    void refusesANumberThatIsNotWhole()
    {
        QFETCH(QString, typed);
        TfInp0011 w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.edt_num->text(), QStringLiteral("8"));
        QCOMPARE(w.total_num->text(), QStringLiteral("총 원 :1"));
        w.edt_num->setText(typed);
        w.btnInsertClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].kind, QStringLiteral("warning"));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("심사명을 입력하십시오."));
        QCOMPARE(w.batch().state(), ExamBatch::State::Idle);
        QVERIFY(w.edt_num->hasFocus());
        w.btnsearchClick();
        QCOMPARE(m_db->dialogs().log.last().caption, QStringLiteral("확인요망"));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("심사횟수를 입력하세요."));
        QVERIFY(w.btnInsert->isEnabled() && !w.btnOk->isEnabled());
    }

    // Scores typed into the grid, the candidate ticked, the target shown, confirmed: the rank rises.
    void scoreAndConfirm()
    {
        TfInp0011 w;
        w.show();
        QVERIFY(!w.Button1->isEnabled());
        w.rbEvalUp->setChecked(true);
        QVERIFY(w.Button1->isEnabled());
        w.btnInsertClick();
        QCOMPARE(w.search_num->text(), QStringLiteral("검색인원 : 1"));
        QVERIFY(!w.btnInsert->isEnabled() && w.btnOk->isEnabled() && !w.rbgenUp->isEnabled());
        QAbstractItemModel* m = w.gridModel();
        QCOMPARE(m->headerData(TfInp0011::ColE1, Qt::Horizontal).toString(), QStringLiteral("기본동작"));
        QVERIFY(m->flags(m->index(0, TfInp0011::ColE1)) & Qt::ItemIsEditable);
        QVERIFY(!(m->flags(m->index(0, TfInp0011::ColAverage)) & Qt::ItemIsEditable));
        QVERIFY(m->setData(m->index(0, TfInp0011::ColE1), 80, Qt::EditRole));
        QVERIFY(m->setData(m->index(0, TfInp0011::ColE1 + 1), 70, Qt::EditRole));
        QVERIFY(!m->setData(m->index(0, TfInp0011::ColDate), QStringLiteral("2024-13-01"), Qt::EditRole));
        QVERIFY(m->setData(m->index(0, TfInp0011::ColSelect), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(m->data(m->index(0, TfInp0011::ColAverage)).toInt(), 75);
        QCOMPARE(m->data(m->index(0, TfInp0011::ColTarget)).toString(), QStringLiteral("6급"));
        w.btnOkClick();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(records(kim), 2);
        QVERIFY(w.btnInsert->isEnabled() && !w.btnOk->isEnabled() && w.rbgenUp->isEnabled());
        QVERIFY(!(m->flags(m->index(0, TfInp0011::ColE1)) & Qt::ItemIsEditable));
        QCOMPARE(m->rowCount(), 1); // the rows stay in view
        QVERIFY(StatusLine::text().contains(QStringLiteral("1명")));
        QVERIFY(m_db->dialogs().log.isEmpty());
    }

    // A score cell that gets no number says so, naming member and column, instead of dropping it.
    void scoreThatIsNoNumberIsSaid()
    {
        TfInp0011 w;
        w.show();
        w.rbEvalUp->setChecked(true);
        w.btnInsertClick();
        QAbstractItemModel* m = w.gridModel();
        QVERIFY(!m->setData(m->index(0, TfInp0011::ColE1), QStringLiteral("팔십"), Qt::EditRole));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("김태권(202301001) : 기본동작 '팔십' 은(는) 숫자로 입력하세요."));
        QCOMPARE(m->data(m->index(0, TfInp0011::ColE1)).toInt(), 0);
    }

    void failedConfirmKeepsTheEntries()
    {
        sqlExec("CREATE TRIGGER refuse BEFORE INSERT ON T_심사 BEGIN SELECT RAISE(ABORT, 'refused'); END");
        TfInp0011 w;
        w.btnInsertClick();
        w.btnOkClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QVERIFY(m_db->dialogs().lastText().startsWith(QStringLiteral("저장 에러 입니다.")));
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("refused")));
        QCOMPARE(rankOf(kim), QStringLiteral("04"));
        QVERIFY(w.btnOk->isEnabled());
        w.btnCancelClick();
        QCOMPARE(w.gridModel()->rowCount(), 0);
        QVERIFY(w.btnInsert->isEnabled());
    }

    // A member examined under number 7 on a day is not promoted again that day under number 8.
    void secondExamOfTheDayRefused()
    {
        TfInp0011 w;
        w.inToday1->setDate(QDate(2024, 1, 10));
        QCOMPARE(w.edt_num->text(), QStringLiteral("8"));
        w.btnInsertClick();
        QCOMPARE(w.search_num->text(), QStringLiteral("검색인원 : 1"));
        w.btnOkClick();
        QCOMPARE(m_db->dialogs().log.size(), 1);
        QCOMPARE(m_db->dialogs().log[0].kind, QStringLiteral("warning"));
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("김태권")));
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("제7회")));
        QCOMPARE(rankOf(kim), QStringLiteral("04"));
        QCOMPARE(records(kim), 1);
        QVERIFY(w.btnOk->isEnabled()); // the entries stay
    }

    void itemNamesEdited()
    {
        TfExamSet w;
        QAbstractItemModel* m = w.grid->model();
        QCOMPARE(m->rowCount(), 6);
        QVERIFY(!w.Btn_Ok->isEnabled());
        QVERIFY(!(m->flags(m->index(3, 1)) & Qt::ItemIsEditable));
        w.Btn_EditClick();
        QVERIFY(w.Btn_Ok->isEnabled() && !w.Btn_Edit->isEnabled());
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable)); // the codes stay
        QVERIFY(m->setData(m->index(3, 1), QStringLiteral("자유겨루기")));
        w.Btn_CancelClick();
        QCOMPARE(m->index(3, 1).data().toString(), QStringLiteral("겨루기"));
        w.Btn_EditClick();
        QVERIFY(m->setData(m->index(3, 1), QStringLiteral("자유겨루기")));
        w.Btn_OkClick();
        QCOMPARE(count("SELECT Count(*) FROM T_심사항목 WHERE 심사항목코드 = 'E4' AND 심사항목명 = '자유겨루기'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사항목"), 6);
    }

    void evaluationEntered()
    {
        TfSimsaEst w;
        QCOMPARE(w.edt_SimsaName->text(), QStringLiteral("7"));
        w.edt_SimsaName->clear();
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().log.last().caption, QStringLiteral("입력 확인"));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("심사명은 필수 입력입니다."));
        w.edt_SimsaName->setText("7");
        w.Btn_SearchClick();
        QVERIFY(!w.editing() && w.Btn_Edit->isEnabled());
        QAbstractItemModel* m = w.gridModel();
        QCOMPARE(m->rowCount(), 1);
        QVERIFY(!m->setData(m->index(0, TfSimsaEst::ColSentence), "읽기만", Qt::EditRole));
        w.Btn_EditClick();
        QVERIFY(m->setData(m->index(0, TfSimsaEst::ColSentence), QStringLiteral("자세가 바릅니다."), Qt::EditRole));
        w.Btn_CancelClick();
        QCOMPARE(m->data(m->index(0, TfSimsaEst::ColSentence)).toString(), QString());
        w.Btn_InsertClick();
        QVERIFY(w.editing());
        QVERIFY(m->setData(m->index(0, TfSimsaEst::ColSentence), QStringLiteral("자세가 바릅니다."), Qt::EditRole));
        QCOMPARE(m->data(m->index(0, TfSimsaEst::ColSelect), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        w.Btn_OkClick();
        QVERIFY(!w.editing());
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사명 = 7 AND 심사결과평가내용 = '자세가 바릅니다.'"), 1);
    }

    void noticeScreen()
    {
        TfPriSimsaTongji w;
        QCOMPARE(w.sim_num->text(), QStringLiteral("7"));
        QVERIFY(w.opt_InfoAll->isChecked());
        w.btn_EmailClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("자료를 조회하세요."));
        w.opt_Info->setChecked(true);
        w.BitBtn0Click(); // no rank has a notice text
        QCOMPARE(m_db->dialogs().log.last().caption, QStringLiteral("종합관리"));
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("조건에 맞는 자료가 없습니다."));
        w.opt_InfoAll->setChecked(true);
        sqlExec("UPDATE T_회원 SET 이메일 = 'kim@x.kr' WHERE 회원번호 = '202301001'");
        w.BitBtn0Click();
        QCOMPARE(w.rows().size(), 1);
        QCOMPARE(w.search_num->text(), QStringLiteral("검색인원 : 1"));
        w.btn_EmailClick();
        QVERIFY(m_db->dialogs().lastText().endsWith(QStringLiteral("심사결과.txt 파일이 생성되었습니다.")));
        QVERIFY(QFile::exists(m_db->dir() + QStringLiteral("/인터넷통보자료/심사결과/심사결과.txt")));
        w.opt_NotInfo->setChecked(true); // another choice empties the list
        QCOMPARE(w.gridModel()->rowCount(), 0);
    }

    void noticeTextScreen()
    {
        TfSimsaInfoCode w;
        QVERIFY(!w.edt[0]->isEnabled());
        QVERIFY(!w.Btn_Edit->isEnabled());
        w.Btn_InsertClick();
        QCOMPARE(w.lbl_Code->text(), QStringLiteral("1"));
        QVERIFY(w.edt[0]->isEnabled());
        w.dbcbo_LevelRemark->setCurrentIndex(w.dbcbo_LevelRemark->findText("05)6급"));
        emit w.dbcbo_LevelRemark->activated(w.dbcbo_LevelRemark->currentIndex());
        type(w.edt[0], QStringLiteral("축하합니다"));
        w.Btn_OkClick();
        QVERIFY(!w.editing());
        w.Btn_InsertClick();
        QCOMPARE(w.lbl_Code->text(), QStringLiteral("2"));
        w.dbcbo_LevelRemark->setCurrentIndex(w.dbcbo_LevelRemark->findText("05)6급"));
        emit w.dbcbo_LevelRemark->activated(w.dbcbo_LevelRemark->currentIndex());
        w.Btn_OkClick();
        QVERIFY(w.editing());
        QCOMPARE(m_db->dialogs().log.last().kind, QStringLiteral("warning"));
        QVERIFY(m_db->dialogs().lastText().contains(QStringLiteral("05)6급")));
        w.Btn_CancelClick();
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문 WHERE 급품코드 = '05' AND 심사결과안내1 = '축하합니다'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사결과안내문"), 1);
        QCOMPARE(w.lst_Record->count(), 1);
    }

    // 급별심사 내용: read-only until 수정; a typed cell and area name are saved by 확인.
    void rankContentScreen()
    {
        TfSimsaSinchungCode w;
        QAbstractItemModel* m = w.model();
        QVERIFY(m->rowCount() > 3);
        QVERIFY(!w.edt_EstList[0]->isEnabled());
        QVERIFY(!m->setData(m->index(3, 1), QStringLiteral("읽기만"), Qt::EditRole));
        w.Btn_Edit->click();
        QVERIFY(w.Btn_Confirm->isEnabled() && w.edt_EstList[0]->isEnabled());
        QTest::keyClicks(w.edt_EstList[0], "Form");
        QVERIFY(m->setData(m->index(3, 1), QStringLiteral("앞차기 연속"), Qt::EditRole));
        w.Btn_Confirm->click();
        QVERIFY(!w.Btn_Confirm->isEnabled() && w.Btn_Edit->isEnabled());
        QCOMPARE(count("SELECT Count(*) FROM T_급별심사평가내용 WHERE 급품코드 = :c AND E1심사내용 = '앞차기 연속' AND 평가항목1 = 'Form'",
                       {{"c", w.rows()[3].rankCode}}),
                 1);
        QCOMPARE(count("SELECT Count(*) FROM T_급별심사평가내용 WHERE 평가항목1 = 'Form'"), m->rowCount());
    }

    void trainingScreen()
    {
        TfTrSet w;
        QCOMPARE(w.lst_Rank->count(), 23);
        QVERIFY(!w.edt[0]->isEnabled());
        w.selectRank(2);
        w.Btn_EditClick();
        type(w.edt[2], QStringLiteral("태극 1장"));
        w.selectRank(3);
        type(w.edt[0], QStringLiteral("인사"));
        w.Btn_OkClick();
        QCOMPARE(count("SELECT Count(*) FROM T_급별수련내용 WHERE 급품코드 = '03' AND 품새 = '태극 1장'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_급별수련내용 WHERE 급품코드 = '04' AND 기본예절 = '인사'"), 1);
        w.Btn_SearchClick();
        w.selectRank(2);
        QCOMPARE(w.edt[2]->text(), QStringLiteral("태극 1장"));
    }

    // The sheet's window prints what its opener handed over, without the examination screen.
    void sheetWindowOnItsOwn()
    {
        TfPri4040 w;
        QVERIFY(!w.btnPreview->isEnabled());
        w.setExam(QDate(2024, 1, 10), 7);
        QVERIFY(w.btnPreview->isEnabled());
        QCOMPARE(w.lbl_Exam->text(), QStringLiteral("심사 일자 : 2024-01-10   7회"));
    }
};

QTEST_MAIN(TstExamScreens)
#include "tst_examscreens.moc"
