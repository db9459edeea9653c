#include "support/TestDb.h"

#include "cashbook/uEndCancel.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "members/Enrolment.h"
#include "db/MemberNumber.h"
#include "members/uPer0010.h"
#include "ui/ListModel.h"
#include "ui/DateEdit.h"
#include "ui/ResidentNoEdit.h"
#include "ui/CodeCombo.h"
#include "ui/StatusLine.h"
#include "app/Application.h"
#include "stats/MovementCounter.h"
#include "support/ServerTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace {

// A complete application as a parent would fill it in; the clock stands on 2024-05-15.
EnrolmentForm filledForm(const QString& name = QStringLiteral("김민준"))
{
    EnrolmentForm f;
    f.name = name;
    f.nameEnglish = QStringLiteral("Kim Minjun");
    f.nameHanja = QStringLiteral("金旼俊");
    f.birthDate = QStringLiteral("2015-03-02");
    f.calendar = QStringLiteral("양");
    f.sex = QStringLiteral("남");
    f.residentNo = QStringLiteral("150302-3123456");
    f.divisionCode = QStringLiteral("03");
    f.enrolDate = QStringLiteral("2024-05-15");
    f.school = QStringLiteral("중앙초등학교");
    f.grade = Enrolment::grades().at(8);
    f.classNo = QStringLiteral("3");
    f.rankCode = QStringLiteral("01");
    f.regionCode = QStringLiteral("2");
    f.phone = QStringLiteral("-");
    f.mobile = QStringLiteral("010-1234-5678");
    f.postalItem = QStringLiteral("135-080)  역삼동");
    f.address = QStringLiteral("서울 강남구 역삼동 1");
    f.payDay = QStringLiteral("15");
    f.fee = QStringLiteral("130000");
    f.motiveCode = QStringLiteral("03");
    return f;
}

int count(const QString& table, const QString& where = QString())
{
    return db::scalar(QStringLiteral("SELECT Count(*) FROM ") + table + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where))
        .toInt();
}

QString text(const QString& sql) { return db::scalar(sql).toString(); }

void choose(QComboBox* box, const QString& prefix)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).startsWith(prefix)) {
            box->setCurrentIndex(i);
            return;
        }
    }
    QFAIL(qPrintable("no item " + prefix));
}

// Types a valid application into the screen after "입     력".
void typeForm(TfPer0010& w, const QString& name)
{
    w.edt_Name->setText(name);
    w.edt_NameChange();
    w.edt_Birth->setDateText(QStringLiteral("2016-07-09"));
    w.edt_BirthExit();
    choose(w.com_Calendar, QStringLiteral("양"));
    choose(w.com_Sex, QStringLiteral("여"));
    w.edt_Jumin->setText(QStringLiteral("1607094123456"));
    choose(w.com_bu, QStringLiteral("03)"));
    w.com_buChange();
    choose(w.com_Grade, QStringLiteral("초등 2"));
    choose(w.com_Rank, QStringLiteral("01)"));
    choose(w.com_Region, QStringLiteral("1)"));
    choose(w.com_Motive, QStringLiteral("01)"));
}

TfEndCancel* openCancelScreen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<TfEndCancel*>(w); c && c->isVisible())
            return c;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* c = qobject_cast<TfEndCancel*>(w); c && c->isVisible())
            return c;
    return nullptr;
}

const QStringList kWrittenTables = {"T_회원", "T_가족사항", "T_건의사항", "T_수련비납부", "T_금전출납", "T_입관동기별현황", "T_인원현황"};

} // namespace

class TstEnrolment : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            windows.append(w);
        for (const QPointer<QWidget>& w : windows)
            delete w.data();
        m_db.reset();
    }

    void validation_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        using F = Enrolment::Field;
        QTest::newRow("empty form reports the name") << "empty" << "이름은(는) 필수 입력입니다." << int(F::Name);
        QTest::newRow("name only reports the birth date") << "nameOnly" << "생년월일은(는) 필수 입력입니다." << int(F::BirthDate);
        QTest::newRow("masked empty birth date") << "birth--" << "생년월일은(는) 필수 입력입니다." << int(F::BirthDate);
        QTest::newRow("only the motive missing") << "noMotive" << "입관동기은(는) 필수 입력입니다." << int(F::Motive);
        QTest::newRow("fee and region missing: region") << "noFeeRegion" << "지역은(는) 필수 입력입니다." << int(F::Region);
        QTest::newRow("resident number of six digits") << "jumin6" << "주민등록번호를 13자리로 입력하세요." << int(F::ResidentNo);
        QTest::newRow("resident number blank") << "jumin-" << "주민등록번호를 13자리로 입력하세요." << int(F::ResidentNo);
        QTest::newRow("born 1899-12-31") << "birth1899" << "생년월일은 1900년 이후로 입력하세요." << int(F::BirthDate);
        QTest::newRow("born 1900-01-01 passes") << "birth1900" << "" << int(F::None);
        QTest::newRow("enrolled 1899-12-31") << "enrol1899" << "입관일은 1900년 이후로 입력하세요." << int(F::EnrolDate);
        QTest::newRow("not a date") << "birth0230" << "생년월일을 바른 날짜로 입력하세요. (예: 2015-03-02)" << int(F::BirthDate);
        QTest::newRow("pay day 32") << "payDay32" << "납부일자는 1에서 31 사이의 날짜로 입력하세요." << int(F::PayDay);
        QTest::newRow("enrolled in the closed month")
            << "closed202405" << "입관월 2024-05은 이미 마감처리된 월입니다.\n\n마감취소후 입관원서등록을 하세요." << int(F::EnrolDate);
        QTest::newRow("enrolled before the closed month")
            << "closed202406" << "입관월 2024-05은 이미 마감처리된 월입니다.\n\n마감취소후 입관원서등록을 하세요." << int(F::EnrolDate);
        QTest::newRow("enrolled after the closed month") << "closed202404" << "" << int(F::None);
        QTest::newRow("bad family date") << "familyDate"
                                         << "가족사항 1번째 줄의 날짜를 YYYY-MM-DD 형식의 바른 날짜로 입력하세요." << int(F::Family);
        QTest::newRow("class wider than 2") << "class" << "반은(는) 2자까지 입력할 수 있습니다. (3자 입력)" << int(F::None);
        QTest::newRow("name wider than 10") << "name" << "회원명은(는) 10자까지 입력할 수 있습니다. (11자 입력)" << int(F::Name);
        QTest::newRow("family job wider than 20")
            << "familyJob" << "가족사항 1번째 줄: 직업은(는) 20자까지 입력할 수 있습니다. (21자 입력)" << int(F::Family);
    }
    void validation()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(int, field);
        EnrolmentForm f = filledForm();
        if (change == "empty" || change == "nameOnly") {
            f = EnrolmentForm();
            if (change == "nameOnly")
                f.name = QStringLiteral("김민준");
        } else if (change == "birth--") f.birthDate = "--";
        else if (change == "noMotive") f.motiveCode.clear();
        else if (change == "noFeeRegion") { f.fee.clear(); f.regionCode.clear(); }
        else if (change == "jumin6") f.residentNo = "150302-";
        else if (change == "jumin-") f.residentNo = "-";
        else if (change == "birth1899") f.birthDate = "1899-12-31";
        else if (change == "birth1900") f.birthDate = "1900-01-01";
        else if (change == "enrol1899") f.enrolDate = "1899-12-31";
        else if (change == "birth0230") f.birthDate = "2015-02-30";
        else if (change == "payDay32") f.payDay = "32";
        else if (change.startsWith("closed")) closeBooksThrough(change.mid(6));
        else if (change == "familyDate") f.family.append({"부", "김철수", "1985-13-01", "양", "", "", ""});
        else if (change == "class") f.classNo = "가나다";
        else if (change == "name") f.name = QString(11, u'김');
        else if (change == "familyJob") f.family.append({"부", "김철수", "", "양", QString(21, u'업'), "", ""});

        const Enrolment::Problem p = Enrolment::validate(f);
        QCOMPARE(p.message, message);
        QCOMPARE(int(p.field), field);
        QCOMPARE(p.closedMonth, change == "closed202405" || change == "closed202406");
    }

    void savesEverythingOfTheForm()
    {
        sqlExec("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202404007', '202405', 4, '2024-05-02', 1)");
        EnrolmentForm f = filledForm();
        f.paidNow = true;
        f.fee = "125000"; // the division's fee, changed by the user
        f.family = {{"부", "김철수", "1985-01-20", "양", "회사원", "", "2012-10-03"},
                    {"", "", "--", "", "", "", "--"}, // an untouched row is not written
                    {"모", "이영희", "1987-04-11", "음", "", "", ""}};
        f.suggestions = {{"2024-05-15", "겨루기반 희망"}};
        f.courseCode = "1";
        f.stopCode = "02";
        f.time = "15:30";

        const QString no = Enrolment::save(f);
        QCOMPARE(no, QString("202405001"));

        db::Query m("SELECT * FROM T_회원 WHERE 회원번호 = '202405001'");
        m.open();
        QVERIFY(m.next());
        QCOMPARE(m.str("회원명"), QString("김민준"));
        QCOMPARE(m.str("학년"), QString("초등 5"));
        QCOMPARE(db::scalar("SELECT Count(*) FROM T_학년코드 WHERE 학년 = :g", {{"g", m.str("학년")}}).toInt(), 1);
        QCOMPARE(m.str("입관일"), QString("2024-05-15"));
        QCOMPARE(m.str("최초입관일"), QString("2024-05-15"));
        QCOMPARE(m.str("생년월일"), QString("2015-03-02"));
        QCOMPARE(m.str("우편번호"), QString("135-080"));
        QCOMPARE(m.integer("수련비"), 125000);
        QCOMPARE(m.integer("납부일자"), 15);
        QCOMPARE(m.integer("지역코드"), 2);
        QCOMPARE(m.str("시간"), QString("15:30"));
        QVERIFY(m.isNull("전화번호"));
        QVERIFY(m.isNull("퇴관일"));
        QVERIFY(m.isNull("휴관일"));

        QCOMPARE(joinedRows("SELECT 순번 || 관계 || 성명 FROM T_가족사항 ORDER BY 순번", ","),
                 QString("1부김철수,2모이영희"));
        QCOMPARE(text("SELECT 순번 || ' ' || 건의일자 || ' ' || 건의사항 FROM T_건의사항 WHERE 회원번호 = '202405001'"),
                 QString("1 2024-05-15 겨루기반 희망"));

        // The first fee: the month's next 순번, dated on the enrolment, and its own cash-book line.
        const auto fee = FeePayments::find("202405001", "202405");
        QVERIFY(fee.has_value());
        QCOMPARE(fee->seq, 5);
        QCOMPARE(fee->amount, 125000);
        QCOMPARE(fee->note, QString("신규입관"));
        QCOMPARE(db::dateText(fee->payDate), QString("2024-05-15"));
        db::Query c("SELECT * FROM T_금전출납 WHERE 수련비순번 = '202405001-0005'");
        c.open();
        QVERIFY(c.next());
        QCOMPARE(c.str("일자"), QString("2024-05-15"));
        QCOMPARE(c.str("대항목"), QString("수련비"));
        QCOMPARE(c.str("소항목"), QString("김민준"));
        QCOMPARE(c.integer("입금액"), 125000);
        QCOMPARE(c.str("적요"), QString("신규입관"));

        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), 1);
        QCOMPARE(text("SELECT 입관일 || 입관동기코드 FROM T_입관동기별현황 WHERE 회원번호 = '202405001'"), QString("2024-05-1503"));
        QCOMPARE(Enrolment::enrolledCount(), 1);

        // The next trainee gets the next number and the counter goes on.
        QCOMPARE(Enrolment::save(filledForm("박서연")), QString("202405002"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), 2);
    }

    void gradeListMatchesGradeTable()
    {
        const QStringList grades = Enrolment::grades();
        QCOMPARE(grades.size(), count("T_학년코드"));
        for (const QString& g : grades)
            QVERIFY2(db::scalar("SELECT Count(*) FROM T_학년코드 WHERE 학년 = :g", {{"g", g}}).toInt() == 1, qPrintable(g));
    }

    void unpaidWritesNoFee()
    {
        EnrolmentForm f = filledForm();
        f.paidNow = false;
        Enrolment::save(f);
        QCOMPARE(count("T_회원"), 1);
        QCOMPARE(count("T_수련비납부"), 0);
        QCOMPARE(count("T_금전출납"), 0);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Enrolment, 5), 1);
    }

    void failureLeavesNothing_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("fee row") << "T_수련비납부";
        QTest::newRow("cash-book line") << "T_금전출납";
        QTest::newRow("suggestion") << "T_건의사항";
        QTest::newRow("motive log") << "T_입관동기별현황";
        QTest::newRow("headcount") << "T_인원현황";
    }
    void failureLeavesNothing()
    {
        QFETCH(QString, table);
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server rolls back the same transaction");
        sqlExec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(table));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const QString source = m_db->dir() + "/choice.png";
        QVERIFY(picture.save(source));

        EnrolmentForm f = filledForm();
        f.paidNow = true;
        f.family = {{"부", "김철수", "", "양", "", "", ""}};
        f.suggestions = {{"2024-05-15", "차량 이용"}};
        f.photoFile = source;
        QVERIFY_THROWS_EXCEPTION(db::Error, Enrolment::save(f));

        for (const QString& t : kWrittenTables)
            QCOMPARE(count(t, t == "T_인원현황" ? "입관05 <> 0" : QString()), 0);
        QVERIFY(!QFile::exists(MemberNumber::photoPath("202405001")));
    }

    void photoWrittenAsBitmap()
    {
        QImage picture(30, 40, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const QString source = m_db->dir() + "/face.png";
        QVERIFY(picture.save(source));
        EnrolmentForm f = filledForm();
        f.photoFile = source;
        bool saved = false;
        const QString no = Enrolment::save(f, &saved);
        QVERIFY(saved);
        QFile file(MemberNumber::photoPath(no));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("BM"));
        file.close();
        const QImage back(MemberNumber::photoPath(no));
        QCOMPARE(back.size(), QSize(30, 40));
        QCOMPARE(back.pixelColor(5, 5), QColor(Qt::blue));
    }

    void screenNumber_data()
    {
        QTest::addColumn<QString>("orphan");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first of the month") << "" << "등록번호 : 202405001";
        QTest::newRow("fee rows of a deleted member")
            << "INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202405001', '202405', 1, '2024-05-03', 1)"
            << "등록번호 : 202405002";
        QTest::newRow("family rows of a deleted member")
            << "INSERT INTO T_가족사항 (회원번호, 순번, 성명) VALUES ('202405003', 1, '부')" << "등록번호 : 202405004";
    }
    void screenNumber()
    {
        QFETCH(QString, orphan);
        QFETCH(QString, shown);
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('202404031', '이전달', '2024-04-30')");
        if (!orphan.isEmpty())
            sqlExec(orphan);
        TfPer0010 w;
        w.BitBtn1Click();
        QCOMPARE(w.id->text(), shown);
        QCOMPARE(w.edt_EnrolDate->dateText(), QString("2024-05-15"));
        QCOMPARE(w.edt_PayDay->text(), QString("15"));
        QVERIFY(w.rb_Unpaid->isChecked());
    }

    void screenEnrolsWithFamily()
    {
        TfPer0010 w;
        QVERIFY(!w.BitBtn5->isEnabled());
        QVERIFY(!w.edt_Name->isEnabled());
        QVERIFY(!w.BitBtn2->isEnabled() && !w.BitBtn3->isEnabled() && !w.BitBtn4->isEnabled());
        w.BitBtn1Click();
        QVERIFY(w.entering());
        QVERIFY(!w.BitBtn1->isEnabled() && !w.BitBtn7->isEnabled());
        typeForm(w, QStringLiteral("최지우"));
        QCOMPARE(w.edt_NameHanja->text(), QString("최지우"));
        QCOMPARE(w.edt_Jumin->text(), QString("160709-4123456"));
        QCOMPARE(w.edt_Fee->text(), QString("130000")); // division 03's fee
        w.edt_Fee->setText("110000");
        w.rb_Paid->setChecked(true);
        w.BitBtn8Click();
        w.BitBtn8Click();
        QVERIFY(w.family->type(0, TfPer0010::FamRelation, "모"));
        QVERIFY(w.family->type(0, TfPer0010::FamName, "한가인"));
        QVERIFY(w.family->type(1, TfPer0010::FamRelation, "형제"));
        QVERIFY(w.family->type(1, TfPer0010::FamName, "최지호"));
        w.BitBtn10Click();
        QVERIFY(w.suggestions->type(0, TfPer0010::SugText, "저녁반 희망"));

        w.BitBtn5Click();
        QVERIFY2(m_db->dialogs().log.isEmpty(), qPrintable(m_db->dialogs().lastText()));
        QVERIFY(!w.entering());
        QVERIFY(w.BitBtn1->isEnabled() && !w.BitBtn5->isEnabled());
        QCOMPARE(w.edt_Name->text(), QString());
        QCOMPARE(w.lbl_Total->text(), QString("총 입관원 : 1"));
        QCOMPARE(text("SELECT 수련비 || 학년 || 성별 FROM T_회원 WHERE 회원번호 = '202405001'"), QString("110000초등 2여"));
        QCOMPARE(joinedRows("SELECT 순번 || 성명 FROM T_가족사항 ORDER BY 순번", ","),
                 QString("1한가인,2최지호"));
        QCOMPARE(text("SELECT 건의사항 FROM T_건의사항 WHERE 회원번호 = '202405001'"), QString("저녁반 희망"));
        QCOMPARE(text("SELECT 입금액 || 소항목 FROM T_금전출납"), QString("110000최지우"));
        // The main window's status line says what was saved; the header already shows the next number.
        QCOMPARE(StatusLine::text(), QString("입관 저장: 202405001 최지우"));
        QCOMPARE(w.id->text(), QString("등록번호 : 202405002"));
    }

    // The resident number after 생년월일 pre-filled its front part: the back seven digits, or the whole
    // number typed over the pre-fill, or the whole number with its "-"; a front part that is not the
    // birth date is said on the status line and kept as typed.
    void residentNumberOverPrefill_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("differs");
        QTest::newRow("back seven digits") << "4123456" << "160709-4123456" << false;
        QTest::newRow("whole number over the pre-fill") << "1607094123456" << "160709-4123456" << false;
        QTest::newRow("whole number with its dash") << "160709-4123456" << "160709-4123456" << false;
        QTest::newRow("whole number of another date") << "1607104123456" << "160710-4123456" << true;
    }

    void residentNumberOverPrefill()
    {
        QFETCH(QString, keys);
        QFETCH(QString, stored);
        QFETCH(bool, differs);
        TfPer0010 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.BitBtn1Click();
        typeForm(w, QStringLiteral("최지우"));
        w.edt_Jumin->clear();
        StatusLine::show(QString());
        // Leaving 생년월일 pre-fills the front part; the cursor comes into the number after it.
        w.edt_Birth->setFocus();
        QApplication::processEvents();
        w.edt_Jumin->setFocus();
        QCOMPARE(w.edt_Jumin->text(), QString("160709-"));
        QApplication::processEvents();
        for (const QChar c : keys)
            QTest::keyClick(w.edt_Jumin, c.toLatin1());
        QTest::keyClick(w.edt_Jumin, Qt::Key_Return);
        QCOMPARE(w.edt_Jumin->text(), stored);
        QCOMPARE(StatusLine::text().contains(QStringLiteral("다릅니다")), differs);
        w.BitBtn5Click();
        QVERIFY2(m_db->dialogs().log.isEmpty(), qPrintable(m_db->dialogs().lastText()));
        QCOMPARE(text("SELECT 주민등록번호 FROM T_회원"), stored);
    }

    // A family date is checked as it is typed, with the date field's rules: a date that does not exist
    // keeps the editor open on the typed text; short forms become "YYYY-MM-DD" in place.
    void familyDateCheckedInPlace_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // empty: refused, the editor stays
        QTest::newRow("eight digits") << "19800412" << "1980-04-12";
        QTest::newRow("six digits") << "800412" << "1980-04-12";
        QTest::newRow("with dashes") << "1980-04-12" << "1980-04-12";
        QTest::newRow("no 13th month") << "19801312" << "";
        QTest::newRow("no 30th of February") << "1980-02-30" << "";
        QTest::newRow("words") << "작년" << "";
    }

    void familyDateCheckedInPlace()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TfPer0010 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.BitBtn1Click();
        w.BitBtn8Click();
        w.DBGrid1->setCurrentIndex(w.DBGrid1->model()->index(0, TfPer0010::FamBirthday));
        w.DBGrid1->edit(w.DBGrid1->model()->index(0, TfPer0010::FamBirthday));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->setText(typed);
        StatusLine::show(QString());
        QTest::keyClick(editor, Qt::Key_Return);
        if (kept.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), editor);
            QCOMPARE(editor->text(), typed);
            QCOMPARE(w.DBGrid1->model()->index(0, TfPer0010::FamBirthday).data().toString(), QString());
            QVERIFY(StatusLine::text().contains(QStringLiteral("없는 날짜")));
        } else {
            QTRY_COMPARE(w.DBGrid1->model()->index(0, TfPer0010::FamBirthday).data().toString(), kept); // Enter commits after the key
            QVERIFY(QApplication::focusWidget() != editor);
        }
        QVERIFY(m_db->dialogs().log.isEmpty());
    }

    // A new user fills the whole application with the keyboard alone: Enter moves to the next field,
    // the arrows choose in a drop-down, digits make the dates, and Enter on "확     인" saves.
    void keyboardOnlyEnrolment()
    {
        Application::applyFonts(); // the keyboard flow, as the program has it
        TfPer0010 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.BitBtn1Click();
        const struct {
            QWidget* field;
            const char* keys; // Hangul is committed through the input method; "v" is the Down arrow
        } steps[] = {
            {w.edt_Name, "최지우"}, {w.edt_NameEng, ""}, {w.edt_NameHanja, ""}, {w.edt_Birth, "20160709"},
            {w.com_Calendar, "v"}, {w.com_Sex, "vv"}, {w.edt_Jumin, "4123456"}, {w.com_bu, "vvv"},
            {w.edt_EnrolDate, ""}, {w.edt_School, ""}, {w.com_Grade, ""}, {w.com_Class, ""}, {w.com_Rank, "v"},
            {w.com_Region, "v"}, {w.edt_Phone, ""}, {w.edt_Mobile, ""}, {w.edt_Email, ""}, {w.com_Postal, ""},
            {w.edt_Address, ""}, {w.edt_Academy, ""}, {w.edt_Remarks, ""}, {w.edt_PayDay, ""}, {w.edt_Fee, ""},
            {w.edt_Bank, ""}, {w.com_Motive, "v"}, {w.rb_Paid, ""}, {w.com_Course, ""}, {w.com_Stop, ""},
            {w.edt_Time, ""}, {w.BitBtn5, nullptr},
        };
        for (const auto& step : steps) {
            QApplication::processEvents();
            QWidget* at = QApplication::focusWidget();
            QVERIFY2(at == step.field, qPrintable(QStringLiteral("focus on %1 before %2")
                                                      .arg(at ? at->metaObject()->className() : "nothing")
                                                      .arg(step.field->metaObject()->className())));
            if (!step.keys)
                break;
            const QString keys = QString::fromUtf8(step.keys);
            for (const QChar c : keys) {
                if (c == u'v')
                    QTest::keyClick(at, Qt::Key_Down);
                else if (c.isDigit())
                    QTest::keyClick(at, c.toLatin1());
                else {
                    QInputMethodEvent e;
                    e.setCommitString(QString(c));
                    QApplication::sendEvent(at, &e);
                }
            }
            QTest::keyClick(at, Qt::Key_Return);
        }
        QTest::keyClick(w.BitBtn5, Qt::Key_Return);
        QVERIFY2(m_db->dialogs().log.isEmpty(), qPrintable(m_db->dialogs().lastText()));
        QVERIFY(!w.entering());
        QCOMPARE(text("SELECT 회원명 || 생년월일 || 양력음력 || 성별 || 주민등록번호 || 부별코드 FROM T_회원"),
                 QString("최지우2016-07-09양여160709-412345603"));
        QCOMPARE(StatusLine::text(), QString("입관 저장: 202405001 최지우"));
    }

    // The service refuses a text wider than its column even when the form was never checked.
    void saveRefusesWideText()
    {
        EnrolmentForm f = filledForm();
        f.classNo = "가나다라마바사아자차카타파하";
        try {
            Enrolment::save(f);
            QFAIL("the enrolment was saved");
        } catch (const db::Error& e) {
            QCOMPARE(e.message(), QString("반은(는) 2자까지 입력할 수 있습니다. (14자 입력)"));
        }
        QCOMPARE(count("T_회원"), 0);
    }

    // The form was checked while April was open; another program on the file closed it before saving.
    void saveReadsClosingOfAnotherProgram()
    {
        closeBooksThrough("202403");
        EnrolmentForm f = filledForm();
        f.enrolDate = QStringLiteral("2024-04-20");
        QVERIFY(Enrolment::validate(f).ok());
        closeMonthElsewhere("202404");
        try {
            Enrolment::save(f);
            QFAIL("an enrolment dated in a closed month was saved");
        } catch (const db::Error& e) {
            QCOMPARE(e.message(), Enrolment::closedMonthMessage("2024-04-20"));
        }
        QCOMPARE(count("T_회원"), 0);
        QCOMPARE(count("T_인원현황", "입관04 <> 0"), 0);
    }

    void screenRefusesClosedMonth()
    {
        closeBooksThrough("202405");
        auto* w = new TfPer0010;
        w->show();
        w->BitBtn1Click();
        typeForm(*w, QStringLiteral("정하늘"));
        w->BitBtn5Click();
        QCOMPARE(m_db->dialogs().lastText(), QString("입관월 2024-05은 이미 마감처리된 월입니다.\n\n마감취소후 입관원서등록을 하세요."));
        QCOMPARE(m_db->dialogs().log.last().kind, QString("critical"));
        TfEndCancel* cancel = openCancelScreen();
        QVERIFY(cancel);
        QCOMPARE(cancel->dtpk_Month->date(), QDate(2024, 5, 1));
        QVERIFY(w->entering());
        QCOMPARE(w->edt_Name->text(), QString("정하늘"));
        QCOMPARE(count("T_회원"), 0);
        QCOMPARE(count("T_인원현황", "입관05 <> 0"), 0);
    }

    void screenKeepsFormWhenSaveFails()
    {
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server rolls back the same transaction");
        sqlExec("CREATE TRIGGER refuse BEFORE INSERT ON T_수련비납부 BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        TfPer0010 w;
        w.BitBtn1Click();
        typeForm(w, QStringLiteral("윤서준"));
        w.rb_Paid->setChecked(true);
        w.BitBtn8Click();
        QVERIFY(w.family->type(0, TfPer0010::FamName, "윤아빠"));
        w.BitBtn5Click();
        QVERIFY2(m_db->dialogs().lastText().startsWith("저장 에러 입니다.\n"), qPrintable(m_db->dialogs().lastText()));
        QVERIFY2(m_db->dialogs().lastText().contains("disk full"), qPrintable(m_db->dialogs().lastText()));
        QVERIFY(w.entering());
        QCOMPARE(w.edt_Name->text(), QString("윤서준"));
        QCOMPARE(w.DBGrid1->model()->index(0, TfPer0010::FamName).data().toString(), QString("윤아빠"));
        for (const QString& t : kWrittenTables)
            QCOMPARE(count(t, t == "T_인원현황" ? "입관05 <> 0" : QString()), 0);

        // Once the cause is gone the same form saves as typed.
        sqlExec("DROP TRIGGER refuse");
        w.BitBtn5Click();
        QCOMPARE(count("T_회원"), 1);
        QCOMPARE(count("T_가족사항"), 1);
        QCOMPARE(count("T_수련비납부"), 1);
    }

    // The month's numbers run out between 입력 and 확인: the box says why nothing was saved.
    void screenSaysWhyTheSaveFailed()
    {
        TfPer0010 w;
        w.BitBtn1Click();
        typeForm(w, QStringLiteral("윤서준"));
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('202405999', '마지막', '2024-05-01')");
        w.BitBtn5Click();
        const QString said = m_db->dialogs().lastText();
        QVERIFY2(said.startsWith("저장 에러 입니다.\n") && said.contains("999개"), qPrintable(said));
        QVERIFY(w.entering());
        QCOMPARE(count("T_회원"), 1);
    }

    void screenDownKeyAddsRowsAndCloseAsks()
    {
        auto* w = new TfPer0010;
        w->show();
        w->BitBtn1Click();
        w->BitBtn8Click();
        w->DBGrid1->setCurrentIndex(w->DBGrid1->model()->index(0, TfPer0010::FamRelation));
        QTest::keyClick(w->DBGrid1, Qt::Key_Down); // 관계: no new row
        QCOMPARE(w->DBGrid1->model()->rowCount(), 1);
        w->DBGrid1->setCurrentIndex(w->DBGrid1->model()->index(0, TfPer0010::FamName));
        QTest::keyClick(w->DBGrid1, Qt::Key_Down);
        QCOMPARE(w->DBGrid1->model()->rowCount(), 2);
        w->BitBtn10Click();
        w->DBGrid2->setCurrentIndex(w->DBGrid2->model()->index(0, TfPer0010::SugText));
        QTest::keyClick(w->DBGrid2, Qt::Key_Down);
        QCOMPARE(w->DBGrid2->model()->rowCount(), 2);
        QCOMPARE(w->DBGrid2->model()->index(1, TfPer0010::SugDate).data().toString(), QString("2024-05-15"));

        // Closing while a form is typed asks first; "아니오" keeps it.
        m_db->dialogs().answers = {QMessageBox::No};
        QVERIFY(!w->close());
        QVERIFY(w->entering());
        QVERIFY(m_db->dialogs().saw("저장하지 않고 종료하시겠습니까?"));
    }

    void screenShuttleLists()
    {
        sqlExec("INSERT INTO T_코스코드 (코스코드, 코스이름) VALUES ('1', '오전 1호차'), ('2', '오후 2호차')");
        sqlExec("INSERT INTO T_장소코드 (코스코드, 장소코드, 장소) VALUES ('1', '01', '정문'), ('2', '01', '후문'), ('2', '02', '시장앞')");
        sqlExec("INSERT INTO T_시간코드 (코스코드, 장소코드, 시간) VALUES ('2', '02', '16:40'), ('1', '01', '08:10')");
        TfPer0010 w;
        w.BitBtn1Click();
        choose(w.com_Course, "2)");
        w.com_CourseChange();
        QStringList stops;
        for (int i = 0; i < w.com_Stop->count(); ++i)
            stops << w.com_Stop->itemText(i);
        QCOMPARE(stops, QStringList({"", "01)  후문", "02)  시장앞"}));
        choose(w.com_Stop, "02)");
        w.com_StopChange();
        QCOMPARE(w.edt_Time->text(), QString("16:40"));
        choose(w.com_Course, "1)");
        w.com_CourseChange();
        QCOMPARE(w.edt_Time->text(), QString());
        QCOMPARE(w.form().courseCode, QString("1"));
    }
};

QTEST_MAIN(TstEnrolment)
#include "tst_enrolment.moc"
