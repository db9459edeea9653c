#include "support/TestDb.h"

#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "db/Query.h"
#include "db/Session.h"
#include "db/MemberNumber.h"
#include "members/PersonalJournalPanel.h"
#include "ui/ListModel.h"
#include <QTableView>
#include <QApplication>
#include "members/uPer0020.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QInputMethodEvent>
#include "ui/DateEdit.h"
#include "ui/MemberChooser.h"
#include "ui/StatusLine.h"
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

void addMember(const QString& no, const QString& name, const QString& leave = QString())
{
    sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 생년월일, 입관일, 최초입관일, 부별코드, 급품코드, 휴관일) "
                           "VALUES ('%1', '%2', '150301-3123456', '2015-03-01', '2024-01-05', '2024-01-05', '03', '02', %3)")
                .arg(no, name, leave.isEmpty() ? QStringLiteral("NULL") : u'\'' + leave + u'\''));
}

QString text(const QString& sql) { return db::scalarText(sql); }

QString fieldOf(TfPer0020& w, const QString& column)
{
    QWidget* f = w.fieldWidget(column);
    if (auto* e = qobject_cast<QLineEdit*>(f))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(f))
        return c->currentText();
    return QString();
}

} // namespace

class TstPer0020 : public QObject {
    Q_OBJECT

private slots:
    void showsTheChosenMemberAndRereadsOnlyForAnother()
    {
        TestDb t;
        addMember("202401001", "김태권");
        addMember("202401002", "이품새", "2024-04-01");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        QCOMPARE(fieldOf(w, "회원명"), QString("김태권"));
        QCOMPARE(fieldOf(w, "부별코드"), QString("초등1학년부"));
        QCOMPARE(w.lbl_No->text(), QString("등록번호 : 202401001"));

        // Same member again: nothing is read.
        sqlExec("UPDATE T_회원 SET 회원명 = '김태권도' WHERE 회원번호 = '202401001'");
        w.Refill();
        QCOMPARE(fieldOf(w, "회원명"), QString("김태권"));

        // Another member: everything is read; a member on leave is named so and cannot be edited.
        Session::setSelectedMemberNo("202401002");
        w.Refill();
        QCOMPARE(fieldOf(w, "회원명"), QString("이품새"));
        QCOMPARE(w.lbl_No->text(), QString("등록번호 : 휴관자"));
        w.Btn_EditClick();
        QVERIFY(!w.editing());
        QCOMPARE(t.dialogs().lastText(), QString("휴관자료는 수정할 수 없습니다."));

        // The arrows walk the member list by name and stop at its ends.
        w.btn_PrevClick();
        QCOMPARE(w.shownMember(), QString("202401001"));
        w.btn_PrevClick();
        QCOMPARE(t.dialogs().lastText(), QString("자료의 처음입니다."));
        QCOMPARE(w.shownMember(), QString("202401001"));
        w.btn_NextClick();
        w.btn_NextClick();
        QCOMPARE(t.dialogs().lastText(), QString("자료의 끝입니다."));
        QCOMPARE(w.shownMember(), QString("202401002"));
    }

    void editDetailsAndJournalsThenConfirm()
    {
        TestDb t;
        addMember("202401001", "김태권");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        QVERIFY(!w.Btn_Ok->isEnabled());
        w.Btn_EditClick();
        QVERIFY(w.editing());
        QVERIFY(w.Btn_Ok->isEnabled());
        QVERIFY(!w.btn_Exit->isEnabled());

        w.setFieldText("주소", "서울시 중구 태평로 1");
        w.setFieldText("학년", "초등 4");

        w.selectPage(TfPer0020::TabSuggestions, true);
        w.ListAddClick(PersonalRecord::Suggestions);
        PersonalJournalPanel* p = w.panel(PersonalRecord::Suggestions);
        QCOMPARE(p->shownRows(), 1);
        QCOMPARE(p->shownText(0, "건의일자"), QString("2024-05-15"));
        p->typeInto(0, "건의사항", "차량 시간을 5시로 바꿔 주세요");

        // Showing another tab and coming back keeps the typed row.
        w.selectPage(TfPer0020::TabAwards, true);
        w.selectPage(TfPer0020::TabSuggestions, true);
        QCOMPARE(p->shownText(0, "건의사항"), QString("차량 시간을 5시로 바꿔 주세요"));

        w.selectPage(TfPer0020::TabBadges, true);
        w.ListAddClick(PersonalRecord::Badges);
        QCOMPARE(w.panel(PersonalRecord::Badges)->shownText(0, "YN"), QString("✔"));

        w.selectPage(TfPer0020::TabPoints, true);
        w.ListAddClick(PersonalRecord::Points);
        PersonalJournalPanel* points = w.panel(PersonalRecord::Points);
        QCOMPARE(points->shownRows(), 1);
        points->typeInto(0, "비고2", "02)  봉사활동");
        QCOMPARE(points->shownText(0, "벌점수"), QString("5"));

        w.Btn_OkClick();
        QVERIFY2(!w.editing(), qPrintable(t.dialogs().lastText()));
        QCOMPARE(text("SELECT 주소 || '/' || 학년 FROM T_회원"), QString("서울시 중구 태평로 1/초등 4"));
        QCOMPARE(text("SELECT 순번 || ' ' || 건의일자 || ' ' || 건의사항 FROM T_건의사항"), QString("1 2024-05-15 차량 시간을 5시로 바꿔 주세요"));
        QCOMPARE(text("SELECT 뱃지코드 FROM T_뱃지지급"), QString("01"));
        QCOMPARE(text("SELECT 벌점코드 FROM T_벌점"), QString("02"));
        QCOMPARE(w.lbl_PointSum->text(), QString("년 : 5  누적 : 5"));
        QCOMPARE(w.lbl_PointMonths[4]->text(), QString("5"));
        QCOMPARE(StatusLine::text(), QString("신상명세서 저장: 202401001 김태권"));
    }

    // Two trainees of one name: the chooser lists both with their birth dates and the one chosen is shown.
    void namesakeChosenByBirthDate()
    {
        TestDb t;
        addMember("202401001", "김태권");
        addMember("202401002", "김태권");
        addMember("202401003", "박태권");
        sqlExec("UPDATE T_회원 SET 생년월일 = '2012-08-20' WHERE 회원번호 = '202401002'");
        Session::setSelectedMemberNo("202401003");
        TfPer0020 w;
        for (const QChar c : QStringLiteral("김태권")) {
            QInputMethodEvent e;
            e.setCommitString(QString(c));
            QApplication::sendEvent(w.Name_Change, &e);
        }
        const QList<MemberNames::Row> found = w.Name_Change->matches();
        QCOMPARE(found.size(), 2);
        const int older = found[0].birth == "2012-08-20" ? 0 : 1;
        QCOMPARE(found[older].birth, QString("2012-08-20"));
        QCOMPARE(found[1 - older].birth, QString("2015-03-01"));
        w.Name_Change->choose(older);
        QCOMPARE(w.shownMember(), QString("202401002"));
        QCOMPARE(qobject_cast<DateEdit*>(w.fieldWidget("생년월일"))->dateText(), QString("2012-08-20"));
        QCOMPARE(Session::selectedMemberNo(), QString("202401002"));
        QVERIFY(w.Name_Change->text().isEmpty()); // ready for the next name
    }

    // A journal date typed wrong stays in its cell to be corrected; a short form becomes the whole date.
    void journalDateCheckedInItsCell()
    {
        TestDb t;
        addMember("202401001", "김태권");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Btn_EditClick();
        w.selectPage(TfPer0020::TabSuggestions, true);
        w.ListAddClick(PersonalRecord::Suggestions);
        PersonalJournalPanel* p = w.panel(PersonalRecord::Suggestions);
        QCOMPARE(p->shownText(0, "건의일자"), QString("2024-05-15"));
        p->grid->setCurrentIndex(p->model->index(0, 0));
        p->grid->edit(p->model->index(0, 0));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText("2024-13-01");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(editor->text(), QString("2024-13-01"));
        QCOMPARE(p->shownText(0, "건의일자"), QString("2024-05-15"));
        editor->setText("241105");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(p->shownText(0, "건의일자"), QString("2024-11-05")); // Enter commits after the key
    }

    void refusedConfirmStaysInEditingWithNothingWritten()
    {
        TestDb t;
        addMember("202401001", "김태권");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        w.Btn_EditClick();
        w.setFieldText("주소", "부산");
        w.setFieldText("주민등록번호", "");
        w.Btn_OkClick();
        QVERIFY(w.editing());
        QCOMPARE(t.dialogs().lastText(), QString("주민등록번호를 13자리로 입력하세요."));
        QCOMPARE(text("SELECT 주소 FROM T_회원"), QString("0"));

        // 취소 brings back what was stored.
        w.Btn_CancelClick();
        QVERIFY(!w.editing());
        QCOMPARE(fieldOf(w, "주민등록번호"), QString("150301-3123456"));
        QCOMPARE(fieldOf(w, "주소"), QString());
    }

    void photoIsStoredOnlyByConfirm()
    {
        TestDb t;
        addMember("202401001", "김태권");
        const QString picture = t.dir() + "/사진.bmp";
        QImage img(8, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(picture, "BMP"));
        const QString stored = MemberNumber::photoPath("202401001");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;

        w.PhotoAttachClick(); // browsing: nothing to attach
        QVERIFY(t.dialogs().log.isEmpty());
        w.Btn_EditClick();
        t.dialogs().files = {picture};
        w.PhotoAttachClick();
        QVERIFY(!w.img_Photo->pixmap().isNull());
        w.Btn_CancelClick();
        QVERIFY(!QFile::exists(stored));
        QVERIFY(w.img_Photo->pixmap().isNull());

        w.Btn_EditClick();
        t.dialogs().files = {picture};
        w.PhotoAttachClick();
        w.Btn_OkClick();
        QVERIFY(QFile::exists(stored));
        QCOMPARE(QImage(stored).size(), QSize(8, 10));
        QVERIFY(!w.img_Photo->pixmap().isNull());
    }

    void deleteMemberShowsTheNextOne()
    {
        TestDb t;
        addMember("202401001", "김태권");
        addMember("202401002", "이품새");
        sqlExec("INSERT INTO T_생활기록 (회원번호, 순번, 기록일자, 생활기록) VALUES ('202401001', 1, '2024-02-01', '성실함')");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;

        t.dialogs().answers = {QMessageBox::No};
        w.Btn_DeleteClick();
        QCOMPARE(text("SELECT Count(*) FROM T_회원"), QString("2"));

        t.dialogs().answers = {QMessageBox::Yes};
        w.Btn_DeleteClick();
        QCOMPARE(t.dialogs().log.last().text, QString("본 자료는 퇴관자료에 남지를 않고 완전 삭제가 됩니다."));
        QCOMPARE(text("SELECT Count(*) FROM T_회원 WHERE 회원번호 = '202401001'"), QString("0"));
        QCOMPARE(text("SELECT Count(*) FROM T_생활기록"), QString("0"));
        QCOMPARE(w.shownMember(), QString("202401002"));
        QCOMPARE(fieldOf(w, "회원명"), QString("이품새"));
    }

    void feeTabAddsAndDeletesWithTheCashBook()
    {
        TestDb t;
        addMember("202401001", "김태권");
        sqlExec("UPDATE T_회원 SET 수련비 = 120000");
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        w.selectPage(TfPer0020::TabFees, true);
        w.Btn_EditClick();
        w.ListAddClick(PersonalRecord::Fees);
        PersonalJournalPanel* p = w.panel(PersonalRecord::Fees);
        QCOMPARE(p->shownText(p->shownRows() - 1, "납부액"), QString("120,000"));
        w.Btn_OkClick();
        QVERIFY(!w.editing());
        QCOMPARE(text("SELECT 입금액 FROM T_금전출납 WHERE 일자 = '2024-05-15'"), QString("120000"));

        w.Btn_EditClick();
        p->selectRow(0);
        t.dialogs().answers = {QMessageBox::Cancel};
        w.ListDeleteClick(PersonalRecord::Fees);
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("1"));
        t.dialogs().answers = {QMessageBox::Ok};
        w.ListDeleteClick(PersonalRecord::Fees);
        QCOMPARE(t.dialogs().log.last().caption, QString("삭제확인"));
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("0"));
        QCOMPARE(text("SELECT Count(*) FROM T_수련비납부"), QString("0"));
        QCOMPARE(p->shownRows(), 0);
        w.Btn_CancelClick();
        QCOMPARE(text("SELECT Count(*) FROM T_수련비납부"), QString("0"));
    }

    // Two years of absences by month under the chosen month's list.
    void attendanceTabCountsTwoYearsByMonth()
    {
        TestDb t;
        addMember("202401001", "김태권");
        for (const char* day : {"2024-03-04", "2024-03-11", "2023-11-20"})
            sqlExec(QStringLiteral("INSERT INTO T_결석 (회원번호, 결석일자, 비고2) VALUES ('202401001', '%1', '01)  병결')").arg(day));
        Session::setSelectedMemberNo("202401001");
        TfPer0020 w;
        QAbstractItemModel* counts = w.grd_AbsCount->model();
        auto cell = [counts](int r, int c) { return counts->index(r, c).data().toString(); };
        QCOMPARE(counts->rowCount(), 2);
        QCOMPARE(cell(0, 0), QString("2023 년"));
        QCOMPARE(cell(1, 0), QString("2024 년"));
        QCOMPARE(cell(0, 11), QString("1"));
        QCOMPARE(cell(1, 3), QString("2"));
        QCOMPARE(cell(1, 4), QString("0"));

        w.selectPage(TfPer0020::TabAttendance, true);
        w.com_AbsMonth->setCurrentIndex(2);
        w.AbsenceMonthChange();
        PersonalJournalPanel* p = w.panel(PersonalRecord::Absences);
        QCOMPARE(p->shownRows(), 2);
        QCOMPARE(p->shownText(1, "결석일자"), QString("2024-03-11"));
        QCOMPARE(p->shownText(1, "비고2"), QString("01)  병결"));
    }

    void menuOpensEveryTab()
    {
        TestDb t;
        QWidget main;
        auto* area = new QMdiArea(&main);
        ScreenHost host(&main, area);
        QStringList enabled;
        for (const screens::Entry& e : screens::entries())
            if (e.target == u"TfPer0020" && host.available(e))
                enabled.append(e.place.last());
        QCOMPARE(enabled, (QStringList{"신상명세서", "건의사항", "생활기록", "심사결과", "시상내역", "체력측정", "출석현황", "수련비납부",
                                       "뱃지지급", "상벌점내역", "집중도", "공지사항", "개인검색"}));

        addMember("202401001", "김태권");
        auto* w = TfPer0020::showMember("202401001");
        QVERIFY(w);
        QCOMPARE(w->shownMember(), QString("202401001"));
        for (const screens::Entry& e : screens::entries())
            if (e.place == QStringList{"개인관리", "공지사항"})
                QCOMPARE(host.run(e), static_cast<QWidget*>(w));
        QCOMPARE(w->currentPage(), int(TfPer0020::TabNotices));
        for (const screens::Entry& e : screens::entries())
            if (e.place == QStringList{"개인관리", "수련비납부"})
                QCOMPARE(host.run(e), static_cast<QWidget*>(w));
        QCOMPARE(w->currentPage(), int(TfPer0020::TabFees));
    }
};

QTEST_MAIN(TstPer0020)
#include "tst_per0020.moc"
