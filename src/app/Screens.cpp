// The screens of the program and where the user reaches them.
//
// To add a screen:
//   1. Write the screen class (QWidget subclass; a screen with pages also implements IScreenPages from
//      ui/ScreenPages.h). It sets its own window title and size and closes itself with close().
//   2. Add ONE line to kFactories below:   {"TfFee0010", Kind::Child, false, make<TfFee0010>},
//      (window kind; true for screens that always open maximised, such as the cash book).
// Its menu items and launch-screen buttons are already in kEntries and become enabled by that line;
// entries whose class has no factory stay disabled. A guard (a function that may refuse to open, such
// as the cash-book closing check) goes to kGuards under the name its entries use, and a menu item that
// runs a function instead of opening a screen (backup, restore) goes to kActions under its "@" name.
// An entry whose guard or action is not listed is disabled as well.
//
// Other screens open a screen through ScreenHost (ui/ScreenHost.h): ScreenHost::current()->open("TfPer0020").

#include "app/Screens.h"

#include "ui/Dialogs.h"
#include "backup/DataBackup.h"
#include "app/DataRestore.h"
#include "app/uDel10.h"
#include "app/uExit.h"
#include "app/uSM_env.h"
#include "app/uSM_form.h"
#include "app/uSM_input.h"
#include "app/uSM_query.h"
#include "app/uSM_ret.h"
#include "app/uSM_sim.h"
#include "attendance/uAtt0010.h"
#include "attendance/uPri0020.h"
#include "attendance/uPri0022.h"
#include "attendance/uPri6020.h"
#include "attendance/uCheckIn.h"
#include "settings/uAbsRsn.h"
#include "settings/uEnv0030.h"
#include "settings/uEnviron.h"
#include "settings/uGymInfo.h"
#include "settings/uRReason.h"
#include "cashbook/CheckMonthClosing.h"
#include "cashbook/uEndCancel.h"
#include "cashbook/uEndYesNo.h"
#include "cashbook/uMoneyMaster.h"
#include "cashbook/uMon0010.h"
#include "members/uDanNoInput.h"
#include "members/uInp0020.h"
#include "members/uRet0010.h"
#include "stats/uMem0010.h"
#include "stats/uTot0010.h"
#include "fees/uFee0010.h"
#include "members/uPer0010.h"
#include "members/uPer0020.h"
#include "members/uInp0010.h"
#include "members/uPer0030.h"
#include "members/uPer0040.h"
#include "members/uLife.h"
#include "members/uRequire.h"
#include "members/uSimsaGongji.h"
#include "members/uBuljum.h"
#include "members/uJibjung.h"
#include "operations/uBuEvent.h"
#include "operations/uCarTime1.h"
#include "operations/uCon0010.h"
#include "operations/uDaily.h"
#include "operations/uEve0010.h"
#include "operations/uHoliday.h"
#include "fitness/uAdultEstimate.h"
#include "fitness/uBod0010.h"
#include "fitness/uEstimate.h"
#include "fitness/uMunche.h"
#include "operations/uMainTrain.h"
#include "operations/uPlanPrint.h"
#include "exams/uExamSet.h"
#include "exams/uInp0011.h"
#include "exams/uPri0050.h"
#include "exams/uPri0070.h"
#include "exams/uPri0090.h"
#include "exams/uPriSinchung.h"
#include "exams/uSimsaSinchungCode.h"
#include "exams/uPri4030.h"
#include "exams/uPri4040.h"
#include "exams/uPriSimsaTongji.h"
#include "exams/uSimsaEst.h"
#include "exams/uSimsaInfoCode.h"
#include "exams/uTrSet.h"
#include "fitness/uPri5050.h"
#include "fitness/uPri5060.h"
#include "fitness/uPri8040.h"
#include "forms/uPri0010.h"
#include "forms/uPri8010.h"
#include "forms/uPri8020.h"
#include "forms/uPri8030.h"
#include "forms/uPri0040.h"
#include "forms/uDmPrint.h"
#include "fitness/uFat.h"
#include "fitness/uSimpleFat.h"
#include "fitness/uAdultEstimateCode.h"
#include "fitness/uAdultLevel.h"
#include "fitness/uAdultResult.h"
#include "exchange/uAssSend.h"
#include "exchange/uDataReceive.h"
#include "exchange/uDataSend.h"
#include "exchange/uUploadCreate1.h"
#include "exchange/uUploadCreate2.h"
#include "exchange/uUploadCreate9.h"

#include <QAbstractButton>
#include <QWidget>

namespace screens {

namespace {

template <class T>
QWidget* make()
{
    return new T();
}

// Page rules written short in the table below.
Entry item(const QStringList& place, const QString& target)
{
    Entry e;
    e.place = place;
    e.target = target;
    return e;
}

Entry paged(const QStringList& place, const QString& target, int page, Select select, Change change, bool busy = false)
{
    Entry e = item(place, target);
    e.page = page;
    e.select = select;
    e.change = change;
    e.busy = busy;
    return e;
}

Entry guarded(Entry e, const QString& guard)
{
    e.guard = guard;
    return e;
}

// A page of a screen that is not built yet: the guard "later" is not listed, so its entries stay
// disabled. Drop the wrapper when the page lands.
[[maybe_unused]] Entry later(Entry e) { return guarded(std::move(e), QStringLiteral("later")); }

Entry withAfter(Entry e, std::function<void(QWidget*)> after)
{
    e.after = std::move(after);
    return e;
}

const Select Always = Select::Always;
const Select NewOnly = Select::NewOnly;
const Change Never = Change::Never;
const Change Chg = Change::Always;
const Change WhenNew = Change::WhenNew;
const Change WhenExisting = Change::WhenExisting;

const QList<Factory> kFactories = {
    {"TfSM_input", Kind::Child, true, make<TfSM_input>},
    {"TfSM_query", Kind::Child, true, make<TfSM_query>},
    {"TfSM_ret", Kind::Child, true, make<TfSM_ret>},
    {"TfSM_form", Kind::Child, true, make<TfSM_form>},
    {"TfSM_sim", Kind::Child, true, make<TfSM_sim>},
    {"TfSM_env", Kind::Child, true, make<TfSM_env>},
    {"TfDel10", Kind::Child, false, make<TfDel10>},
    {"Tfexit", Kind::Child, true, make<Tfexit>},
    {"TfGymInfo", Kind::Separate, false, make<TfGymInfo>},
    {"TfEnviron", Kind::StayOnTop, false, make<TfEnviron>},
    {"TfEnv0030", Kind::StayOnTop, false, make<TfEnv0030>},
    {"TfAbsRsn", Kind::StayOnTop, false, make<TfAbsRsn>},
    {"TfRReason", Kind::StayOnTop, false, make<TfRReason>},
    {"TfMon0010", Kind::Child, true, make<TfMon0010>},
    {"TfMoneyMaster", Kind::Separate, false, make<TfMoneyMaster>},
    {"TfEndYesNo", Kind::Separate, false, make<TfEndYesNo>},
    {"TfEndCancel", Kind::Separate, false, make<TfEndCancel>},
    {"TfMem0010", Kind::Child, false, make<TfMem0010>},
    {"TfTot0010", Kind::Child, false, make<TfTot0010>},
    {"TfFee0010", Kind::Child, false, make<TfFee0010>},
    {"TfPer0010", Kind::Child, false, make<TfPer0010>},
    {"TfRet0010", Kind::Child, false, make<TfRet0010>},
    {"TfPer0020", Kind::Child, false, make<TfPer0020>},
    {"TfInp0010", Kind::Child, false, make<TfInp0010>},
    {"TfPer0040", Kind::StayOnTop, false, make<TfPer0040>},
    {"TfPer0030", Kind::StayOnTop, false, make<TfPer0030>},
    {"TfLife", Kind::Child, false, make<TfLife>},
    {"TfRequire", Kind::Child, false, make<TfRequire>},
    {"TfSimsaGongji", Kind::Child, false, make<TfSimsaGongji>},
    {"TfBuljum", Kind::Child, false, make<TfBuljum>},
    {"TfJibjung", Kind::Child, false, make<TfJibjung>},
    {"TfCarTime1", Kind::Separate, false, make<TfCarTime1>},
    {"TfHoliday", Kind::StayOnTop, false, make<TfHoliday>},
    {"TfBuEvent", Kind::Child, false, make<TfBuEvent>},
    {"TfBod0010", Kind::Child, false, make<TfBod0010>},
    {"TfMunche", Kind::Separate, false, make<TfMunche>},
    {"TfEstimate", Kind::Child, false, make<TfEstimate>},
    {"TfAdultEstimate", Kind::Separate, false, make<TfAdultEstimate>},
    {"TfMainTrain", Kind::Child, false, make<TfMainTrain>},
    {"TfPlanPrint", Kind::Child, false, make<TfPlanPrint>},
    {"TfEve0010", Kind::Child, false, make<TfEve0010>},
    {"TfCon0010", Kind::Child, false, make<TfCon0010>},
    {"TfDaily", Kind::Child, false, make<TfDaily>},
    {"TfInp0011", Kind::Child, false, make<TfInp0011>},
    {"TfPri4040", Kind::StayOnTop, false, make<TfPri4040>},
    {"TfPri4030", Kind::StayOnTop, false, make<TfPri4030>},
    {"TfPri0070", Kind::Child, false, make<TfPri0070>},
    {"TfPri0090", Kind::StayOnTop, false, make<TfPri0090>},
    {"TfPri0050", Kind::Child, false, make<TfPri0050>},
    {"TfPriSinchung", Kind::Child, false, make<TfPriSinchung>},
    {"TfSimsaSinchungCode", Kind::Separate, false, make<TfSimsaSinchungCode>},
    {"TfInp0020", Kind::Child, false, make<TfInp0020>},
    {"TfrmDanNoInput", Kind::Child, false, make<TfrmDanNoInput>},
    {"TfExamSet", Kind::StayOnTop, false, make<TfExamSet>},
    {"TfSimsaEst", Kind::Child, false, make<TfSimsaEst>},
    {"TfPriSimsaTongji", Kind::Child, false, make<TfPriSimsaTongji>},
    {"TfSimsaInfoCode", Kind::Separate, false, make<TfSimsaInfoCode>},
    {"TfTrSet", Kind::StayOnTop, false, make<TfTrSet>},
    {"TfPri5050", Kind::Child, false, make<TfPri5050>},
    {"TfPri5060", Kind::Child, false, make<TfPri5060>},
    {"TfPri8040", Kind::StayOnTop, false, make<TfPri8040>},
    {"TfPri0010", Kind::StayOnTop, false, make<TfPri0010>},
    {"TfPri8010", Kind::Child, false, make<TfPri8010>},
    {"TfPri8020", Kind::Child, false, make<TfPri8020>},
    {"TfPri8030", Kind::Child, false, make<TfPri8030>},
    {"TfDmPrint", Kind::Child, false, make<TfDmPrint>},
    {"TfPri0040", Kind::StayOnTop, false, make<TfPri0040>},
    {"TfSimpleFat", Kind::Child, false, make<TfSimpleFat>},
    {"TfFat", Kind::Child, false, make<TfFat>},
    {"TfAdultResult", Kind::Child, false, make<TfAdultResult>},
    {"TfAdultLevel", Kind::Separate, false, make<TfAdultLevel>},
    {"TfAdultEstimateCode", Kind::StayOnTop, false, make<TfAdultEstimateCode>},
    {"TfAtt0010", Kind::Child, false, make<TfAtt0010>},
    {"TfPri0020", Kind::StayOnTop, false, make<TfPri0020>},
    {"TfPri0022", Kind::StayOnTop, false, make<TfPri0022>},
    {"TfPri6020", Kind::StayOnTop, false, make<TfPri6020>},
    {"TfCheckIn", Kind::Child, false, make<TfCheckIn>},
    {"TfDataSend", Kind::Child, false, make<TfDataSend>},
    {"TfDataReceive", Kind::Child, false, make<TfDataReceive>},
    {"TfAssSend", Kind::Child, false, make<TfAssSend>},
    {"TfUploadCreate1", Kind::Child, false, make<TfUploadCreate1>},
    {"TfUploadCreate2", Kind::Child, false, make<TfUploadCreate2>},
    {"TfUploadCreate9", Kind::Child, false, make<TfUploadCreate9>},
};

const QList<NamedGuard> kGuards = {
    {"CheckMonthClosing", [](QWidget* main) { return CheckMonthClosing(main); }},
};

const QList<NamedAction> kActions = {
    {"@close", [](QWidget* main) { main->close(); }},
    {"@backup",
     [](QWidget* main) {
         const QString target = Dialogs::current().saveFile(main, QStringLiteral("보관할 곳을 선택하세요 "),
                                                            DataBackup::suggestedFile(), DataBackup::fileFilter());
         Dialogs::show(DataBackup::backUp(target), main);
     }},
    {"@restore", [](QWidget* main) { Dialogs::show(DataRestore::handOver(Dialogs::asker(main)), main); }},
};

const QStringList kTopMenus = {"개인관리", "종합관리", "인원현황", "일괄입력", "체력측정", "심사관리", "출석관리",
                               "수련비", "퇴관처리", "양식출력", "금전출납", "환경설정", "기  타"};

const QList<Entry> kEntries = {
    // 개인관리
    item({"개인관리", "신규등록", "입관원서"}, "TfPer0010"),
    item({"개인관리", "신규등록", "등록확인"}, "TfPer0040"),
    paged({"개인관리", "신상명세서"}, "TfPer0020", 0, Always, WhenExisting),
    paged({"개인관리", "건의사항"}, "TfPer0020", 1, Always, Chg),
    paged({"개인관리", "생활기록"}, "TfPer0020", 2, Always, Chg),
    paged({"개인관리", "심사결과"}, "TfPer0020", 3, Always, Chg),
    paged({"개인관리", "시상내역"}, "TfPer0020", 4, Always, Chg),
    paged({"개인관리", "체력측정"}, "TfPer0020", 5, Always, Chg),
    paged({"개인관리", "출석현황"}, "TfPer0020", 6, Always, Chg),
    paged({"개인관리", "수련비납부"}, "TfPer0020", 7, Always, Chg),
    paged({"개인관리", "뱃지지급"}, "TfPer0020", 8, Always, Chg),
    paged({"개인관리", "상벌점내역"}, "TfPer0020", 9, Always, Chg),
    paged({"개인관리", "집중도"}, "TfPer0020", 10, Always, Chg),
    paged({"개인관리", "공지사항"}, "TfPer0020", 11, Always, Chg),
    item({"개인관리", "개인자료일괄출력"}, "TfPer0030"),
    item({"개인관리", "종료"}, "@close"),

    // 종합관리
    paged({"종합관리", "명단/부별/입관일조회"}, "TfTot0010", 0, Always, Chg, true),
    paged({"종합관리", "학교/학년/성별조회"}, "TfTot0010", 1, Always, Chg),
    paged({"종합관리", "급품/단증번호조회"}, "TfTot0010", 2, Always, Chg),
    paged({"종합관리", "주소/지역별조회"}, "TfTot0010", 3, Always, Chg),
    paged({"종합관리", "수련생/가족/생일조회"}, "TfTot0010", 4, Always, Chg),
    paged({"종합관리", "시상내역조회"}, "TfTot0010", 5, Always, Chg),
    paged({"종합관리", "상벌점내역조회"}, "TfTot0010", 6, Always, Chg),
    paged({"종합관리", "건의사항내용조회"}, "TfTot0010", 7, Always, Chg),
    paged({"종합관리", "종합시상내역조회"}, "TfTot0010", 8, Always, Chg),
    paged({"종합관리", "심사신청서/접수증"}, "TfTot0010", 9, Always, Chg),
    paged({"종합관리", "생활기록내용조회"}, "TfTot0010", 10, Always, Chg, true),
    paged({"종합관리", "심사결과평가내용조회"}, "TfTot0010", 13, Always, Chg, true),
    paged({"종합관리", "코스별탑승현황조회"}, "TfTot0010", 11, Always, Chg, true),
    paged({"종합관리", "집중도현황조회"}, "TfTot0010", 12, Always, Chg, true),
    paged({"종합관리", "개인공지사항조회"}, "TfTot0010", 14, Always, Chg, true),
    item({"종합관리", "일일현황/업무일지작성"}, "TfDaily"),
    paged({"종합관리", "입관상담내용입력/조회"}, "TfCon0010", 0, NewOnly, Never),
    item({"종합관리", "행사참가현황입력/조회"}, "TfEve0010"),
    paged({"종합관리", "뱃지지급현황입력/조회", "일괄/개인 지급"}, "TfInp0020", 0, Always, WhenNew),
    paged({"종합관리", "뱃지지급현황입력/조회", "지급현황"}, "TfInp0020", 1, Always, WhenNew),
    paged({"종합관리", "뱃지지급현황입력/조회", "주문현황"}, "TfInp0020", 2, Always, WhenNew),
    item({"종합관리", "수료증발급현황조회"}, "TfPri8020"),

    // 인원현황
    paged({"인원현황", "전체인원현황"}, "TfMem0010", 0, NewOnly, Never),
    paged({"인원현황", "당해년도증감현황"}, "TfMem0010", 1, NewOnly, Never),
    paged({"인원현황", "년간대비증감현황"}, "TfMem0010", 2, NewOnly, Never),
    paged({"인원현황", "퇴관사유별현황"}, "TfMem0010", 3, NewOnly, Never),
    paged({"인원현황", "휴관사유별현황"}, "TfMem0010", 4, NewOnly, Never),
    paged({"인원현황", "입관동기별현황"}, "TfMem0010", 5, NewOnly, Never),

    // 일괄입력
    item({"일괄입력", "부/학년/반/수련비"}, "TfInp0010"),
    item({"일괄입력", "생활기록내용일괄입력"}, "TfLife"),
    item({"일괄입력", "건의사항내용일괄입력"}, "TfRequire"),
    item({"일괄입력", "개인공지사항일괄입력"}, "TfSimsaGongji"),
    item({"일괄입력", "상벌점내역일괄입력"}, "TfBuljum"),
    item({"일괄입력", "집중도일괄입력"}, "TfJibjung"),
    item({"일괄입력", "단증번호일괄입력"}, "TfrmDanNoInput"),

    // 체력측정
    paged({"체력측정", "측정결과입력/조회"}, "TfBod0010", 0, NewOnly, Chg),
    paged({"체력측정", "측정자료그래프출력"}, "TfBod0010", 1, NewOnly, Chg),
    paged({"체력측정", "체력측정표인쇄"}, "TfBod0010", 2, NewOnly, Chg),
    item({"체력측정", "측정결과일괄출력"}, "TfPri5050"),
    item({"체력측정", "측정결과평가일괄출력"}, "TfPri5060"),
    item({"체력측정", "체력측정시상"}, "TfPri8040"),
    item({"체력측정", "비만도측정"}, "TfSimpleFat"),
    paged({"체력측정", "성인기초체력측정"}, "TfAdultResult", 0, NewOnly, Never),

    // 심사관리
    item({"심사관리", "급증발부"}, "TfPri0070"),
    item({"심사관리", "심사채점표"}, "TfPri0090"),
    item({"심사관리", "심사안내문"}, "TfPri0050"),
    item({"심사관리", "심사신청서"}, "TfPriSinchung"),
    item({"심사관리", "심사결과일괄입력"}, "TfInp0011"),
    item({"심사관리", "심사결과평가일괄입력"}, "TfSimsaEst"),
    item({"심사관리", "심사결과통지서일괄발부"}, "TfPriSimsaTongji"),

    // 출석관리
    item({"출석관리", "출석부출력/입관일자"}, "TfPri0020"),
    item({"출석관리", "출석부출력/납부일자"}, "TfPri0022"),
    paged({"출석관리", "일일결석자입력"}, "TfAtt0010", 0, Always, Chg),
    paged({"출석관리", "일일결석자확인"}, "TfAtt0010", 1, Always, Chg),
    paged({"출석관리", "결석현황/월간/일수별"}, "TfAtt0010", 2, Always, Chg),
    paged({"출석관리", "개근상대상자검색/발부"}, "TfAtt0010", 3, Always, Chg),
    item({"출석관리", "출석 체크"}, "TfCheckIn"),

    // 수련비
    paged({"수련비", "수련비납부등록"}, "TfFee0010", 0, Always, Chg),
    paged({"수련비", "수련비납부현황/당월"}, "TfFee0010", 1, Always, Chg),
    paged({"수련비", "미납현황/납부통지서"}, "TfFee0010", 2, Always, Chg),
    paged({"수련비", "납부영수증발부"}, "TfFee0010", 3, Always, Chg),
    paged({"수련비", "미납수련비정산"}, "TfFee0010", 4, Always, Chg),
    paged({"수련비", "연말정산/세무서제출"}, "TfFee0010", 5, Always, Chg),

    // 퇴관처리
    withAfter(paged({"퇴관처리", "퇴관처리"}, "TfRet0010", 0, Always, Chg), buttonCaption("btnInsert", "퇴     관")),
    withAfter(paged({"퇴관처리", "휴관처리"}, "TfRet0010", 1, Always, Chg), buttonCaption("btnInsert", "휴     관")),
    withAfter(paged({"퇴관처리", "복관처리"}, "TfRet0010", 2, Always, Chg), buttonCaption("btnInsert", "복     관")),

    // 양식출력
    item({"양식출력", "상장발부"}, "TfPri0010"),
    item({"양식출력", "관원증발부"}, "TfPri0040"),
    item({"양식출력", "DM발송"}, "TfDmPrint"),
    item({"양식출력", "수료증발부"}, "TfPri8010"),
    item({"양식출력", "수련생명부"}, "TfPri8030"),

    // 금전출납: every item asks the closing guard first. The transaction and partner pages are not built
    // yet: their entries stay disabled instead of showing the register page.
    guarded(paged({"금전출납", "수입/지출등록"}, "TfMon0010", 0, Always, Chg), "CheckMonthClosing"),
    guarded(paged({"금전출납", "거래내역"}, "TfMon0010", 1, Always, Chg), "CheckMonthClosing"),
    guarded(paged({"금전출납", "거래처등록"}, "TfMon0010", 2, Always, Chg), "CheckMonthClosing"),
    guarded(paged({"금전출납", "입/출금항목등록"}, "TfMon0010", 3, Always, Chg), "CheckMonthClosing"),
    guarded(paged({"금전출납", "입/출금내역조회"}, "TfMon0010", 4, Always, Chg), "CheckMonthClosing"),

    // 환경설정
    item({"환경설정", "사용자정의1"}, "TfEnviron"),
    item({"환경설정", "사용자정의2"}, "TfEnv0030"),
    item({"환경설정", "탑승현황코드"}, "TfCarTime1"),
    item({"환경설정", "심사항목설정"}, "TfExamSet"),
    item({"환경설정", "급별수련내용"}, "TfTrSet"),
    item({"환경설정", "급별심사내용"}, "TfSimsaSinchungCode"),
    item({"환경설정", "결석사유설정"}, "TfAbsRsn"),
    item({"환경설정", "휴퇴관사유설정"}, "TfRReason"),
    item({"환경설정", "문체부값설정"}, "TfMunche"),
    item({"환경설정", "체육관등록정보"}, "TfGymInfo"),
    item({"환경설정", "비만평가내용설정"}, "TfFat"),
    item({"환경설정", "체력측정결과평가"}, "TfEstimate"),
    item({"환경설정", "심사결과안내문"}, "TfSimsaInfoCode"),
    item({"환경설정", "성인체력측정항목"}, "TfAdultEstimateCode"),
    item({"환경설정", "성인체력등급표"}, "TfAdultLevel"),
    item({"환경설정", "성인체력측정평가"}, "TfAdultEstimate"),
    item({"환경설정", "금전출납초기값설정"}, "TfMoneyMaster"),
    item({"환경설정", "공휴일/공통행사등록"}, "TfHoliday"),
    item({"환경설정", "부별행사등록"}, "TfBuEvent"),
    item({"환경설정", "주운동/세부운동등록"}, "TfMainTrain"),

    // 기  타
    item({"기  타", "자료보관"}, "@backup"),
    item({"기  타", "자료복구"}, "@restore"),
    item({"기  타", "자료삭제"}, "TfDel10"),
    item({"기  타", "월마감작업"}, "TfEndYesNo"),
    item({"기  타", "월마감취소"}, "TfEndCancel"),
    item({"기  타", "분석자료"}, "TfAssSend"),
    item({"기  타", "온라인퇴관자료"}, "TfDataSend"),
    item({"기  타", "온라인입관자료"}, "TfDataReceive"),
    item({"기  타", "인터넷통보자료", "수련생자료"}, "TfUploadCreate1"),
    item({"기  타", "인터넷통보자료", "통신문"}, "TfUploadCreate2"),
    item({"기  타", "인터넷통보자료", "심사결과"}, "TfPriSimsaTongji"),
    item({"기  타", "인터넷통보자료", "심사안내문"}, "TfPri0050"),
    paged({"기  타", "인터넷통보자료", "납부통지서"}, "TfFee0010", 2, Always, Chg),
    item({"기  타", "인터넷통보자료", "체력측정"}, "TfPri5060"),
    paged({"기  타", "인터넷통보자료", "일일결석자"}, "TfAtt0010", 1, Always, Chg),
    paged({"기  타", "인터넷통보자료", "납부확인"}, "TfFee0010", 3, Always, Chg),
    item({"기  타", "인터넷통보자료", "SMS 전송"}, "TfUploadCreate9"),
    item({"기  타", "수련계획안작성"}, "TfPlanPrint"),

    // 등록업무 launch screen
    item({"TfSM_input", "입관원서작성"}, "TfPer0010"),
    item({"TfSM_input", "체력측정입력"}, "TfBod0010"),
    paged({"TfSM_input", "결석자입력"}, "TfAtt0010", 0, Always, Never),
    item({"TfSM_input", "수련비납부"}, "TfFee0010"),
    // The cash book opens through the closing check from here too, as from the menu.
    guarded(paged({"TfSM_input", "수입지출등록"}, "TfMon0010", 0, Always, Chg), "CheckMonthClosing"),
    guarded(paged({"TfSM_input", "거래처관리"}, "TfMon0010", 2, Always, Chg), "CheckMonthClosing"),
    item({"TfSM_input", "상벌점일괄입력"}, "TfBuljum"),
    item({"TfSM_input", "행사관리"}, "TfEve0010"),
    paged({"TfSM_input", "입관상담"}, "TfCon0010", 1, NewOnly, Never),
    paged({"TfSM_input", "뺏지지급"}, "TfInp0020", 0, Always, WhenNew),
    item({"TfSM_input", "부/학년/수련비"}, "TfInp0010"),
    item({"TfSM_input", "집중도"}, "TfJibjung"),
    item({"TfSM_input", "단증번호"}, "TfrmDanNoInput"),
    item({"TfSM_input", "심사채점"}, "TfInp0011"),
    item({"TfSM_input", "생활기록"}, "TfLife"),
    item({"TfSM_input", "심사결과"}, "TfInp0011"),
    item({"TfSM_input", "심사결과평가"}, "TfSimsaEst"),
    item({"TfSM_input", "개인공지사항"}, "TfSimsaGongji"),
    item({"TfSM_input", "건의사항"}, "TfRequire"),

    // 조회업무
    paged({"TfSM_query", "개인검색"}, "TfPer0020", 0, Always, WhenExisting),
    paged({"TfSM_query", "종합관리"}, "TfTot0010", 0, Always, Never),
    item({"TfSM_query", "인원현황"}, "TfMem0010"),
    item({"TfSM_query", "뺏지지급"}, "TfInp0020"),
    item({"TfSM_query", "출석관리"}, "TfAtt0010"),
    item({"TfSM_query", "수련비납부"}, "TfFee0010"),
    guarded(paged({"TfSM_query", "금전출납"}, "TfMon0010", 0, Always, Chg), "CheckMonthClosing"),
    paged({"TfSM_query", "입관상담"}, "TfCon0010", 0, NewOnly, Never),
    item({"TfSM_query", "일일현황"}, "TfDaily"),
    item({"TfSM_query", "행사관리"}, "TfEve0010"),
    item({"TfSM_query", "수료증발급"}, "TfPri8010"),
    paged({"TfSM_query", "체력측정"}, "TfBod0010", 0, NewOnly, Chg),
    item({"TfSM_query", "비만도"}, "TfSimpleFat"),

    // 퇴관업무
    item({"TfSM_ret", "퇴관처리"}, "TfRet0010"),
    item({"TfSM_ret", "휴관처리"}, "TfRet0010"),
    item({"TfSM_ret", "복관처리"}, "TfRet0010"),

    // 양식출력
    item({"TfSM_form", "급증 발부"}, "TfPri0070"),
    item({"TfSM_form", "심사채점표"}, "TfPri0090"),
    item({"TfSM_form", "심사안내문"}, "TfPri0050"),
    item({"TfSM_form", "출석부"}, "TfPri0020"),
    paged({"TfSM_form", "체력측정표"}, "TfBod0010", 2, Always, Never),
    item({"TfSM_form", "수련비납부"}, "TfFee0010"),
    item({"TfSM_form", "DM발송"}, "TfDmPrint"),
    item({"TfSM_form", "관원증발부"}, "TfPri0040"),
    item({"TfSM_form", "상장발부"}, "TfPri0010"),
    item({"TfSM_form", "수료증발부"}, "TfPri8010"),
    item({"TfSM_form", "체력측정결과"}, "TfPri5050"),
    item({"TfSM_form", "참가증서"}, "TfEve0010"),
    item({"TfSM_form", "개근상발부"}, "TfAtt0010"),
    item({"TfSM_form", "체력측정시상"}, "TfPri8040"),

    // 심사업무
    item({"TfSM_sim", "일괄승급"}, "TfInp0011"),
    item({"TfSM_sim", "체점승급"}, "TfInp0011"),
    item({"TfSM_sim", "단보승급"}, "TfInp0011"),
    paged({"TfSM_sim", "국기원"}, "TfTot0010", 9, Always, Chg, true),
    paged({"TfSM_sim", "심사접수증"}, "TfTot0010", 9, Always, Chg, true),
    item({"TfSM_sim", "심사안내문"}, "TfPri0050"),
    item({"TfSM_sim", "심사신청서"}, "TfPriSinchung"),
    item({"TfSM_sim", "심사결과평가"}, "TfSimsaEst"),
    item({"TfSM_sim", "심사결과통지서"}, "TfPriSimsaTongji"),

    // 환경정의
    item({"TfSM_env", "사용자정의 1"}, "TfEnviron"),
    item({"TfSM_env", "사용자정의 2"}, "TfEnv0030"),
    item({"TfSM_env", "결석사유"}, "TfAbsRsn"),
    item({"TfSM_env", "급별수련내용"}, "TfTrSet"),
    item({"TfSM_env", "체육관정보"}, "TfGymInfo"),
    item({"TfSM_env", "문체부평균값"}, "TfMunche"),
    item({"TfSM_env", "심사항목설정"}, "TfExamSet"),
    item({"TfSM_env", "휴/퇴관 사유"}, "TfRReason"),
    item({"TfSM_env", "탑승현황"}, "TfCarTime1"),
    item({"TfSM_env", "비만평가내용"}, "TfFat"),
    item({"TfSM_env", "체력측정결과평가"}, "TfEstimate"),
    item({"TfSM_env", "성인체력측정항목"}, "TfAdultEstimateCode"),
    item({"TfSM_env", "심사결과안내문"}, "TfSimsaInfoCode"),
    item({"TfSM_env", "성인체력등급표"}, "TfAdultLevel"),
};

} // namespace

const QList<Entry>& entries() { return kEntries; }
const QList<Factory>& factories() { return kFactories; }
const QList<NamedGuard>& guards() { return kGuards; }
const QList<NamedAction>& actions() { return kActions; }
const QStringList& topMenus() { return kTopMenus; }

namespace {
const Tables& programTables()
{
    static const Tables t{kEntries, kFactories, kGuards, kActions};
    return t;
}
// Every ScreenHost made without tables of its own (the main window, screen tests) uses these.
[[maybe_unused]] const bool kRegistered = (ScreenHost::setProgramTables(&programTables), true);
} // namespace

std::function<void(QWidget*)> buttonCaption(const QString& objectName, const QString& caption)
{
    return [objectName, caption](QWidget* screen) {
        if (auto* b = screen->findChild<QAbstractButton*>(objectName))
            b->setText(caption);
    };
}

} // namespace screens
