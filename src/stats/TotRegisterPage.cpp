// The national promotion register page of the general queries: list, enter, change and delete the applications.
#include "stats/uTot0010.h"
#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "stats/HeadcountFigures.h"
#include "stats/TotModels.h"
#include "report/ExportButtons.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/KeyboardFlow.h"
#include "ui/SchoolYearFilter.h"
#include "ui/StatusLine.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
using namespace tot;
using NationalApplications::Application;

void TfTot0010::setRegisterMode(RegisterMode m)
{
    m_mode = m;
    const bool editing = m == RegisterMode::Entry || m == RegisterMode::Modify;
    switch (m) {
    case RegisterMode::Entered:
        BitBtn1->setEnabled(true);
        BitBtn4->setEnabled(true);
        for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn5, BitBtn6, BitBtn8})
            b->setEnabled(false);
        break;
    case RegisterMode::Browse:
        BitBtn1->setEnabled(false);
        BitBtn4->setEnabled(false);
        BitBtn2->setEnabled(true);
        BitBtn3->setEnabled(true);
        BitBtn5->setEnabled(false);
        BitBtn6->setEnabled(true);
        BitBtn8->setEnabled(!m_apps.isEmpty());
        break;
    case RegisterMode::Entry:
        for (QPushButton* b : {BitBtn1, BitBtn4, BitBtn5, BitBtn6})
            b->setEnabled(true);
        for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn8})
            b->setEnabled(false);
        break;
    case RegisterMode::Modify:
        for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn8})
            b->setEnabled(false);
        BitBtn5->setEnabled(true);
        BitBtn6->setEnabled(true);
        break;
    }
    m_appModel->setEditable(editing);
}

NationalApplications::Filter TfTot0010::registerFilter() const
{
    NationalApplications::Filter f;
    f.name = Com_Name10->currentText();
    f.divisionIndex = Com_bu10->currentIndex();
    f.divisionText = Com_bu10->currentText();
    f.rankCode = Com_Belt10->code().trimmed();
    f.examNo = examname->text();
    f.byDate = CheckBox4->isChecked();
    f.examDate = examdate->date();
    return f;
}

void TfTot0010::queryRegister()
{
    QList<Application> rows;
    Problem problem;
    if (!NationalApplications::query(registerFilter(), &rows, &problem)) {
        refuse(problem);
        return;
    }
    showApplications(rows, rows, RegisterMode::Browse);
}

// Shows loaded rows (`stored`: what 취소 returns to) and enters `mode`, or the page's first state
// with the message when nothing was found.
void TfTot0010::showApplications(const QList<Application>& rows, const QList<Application>& stored, RegisterMode mode)
{
    m_apps = rows;
    m_appsRead = stored;
    m_appModel->reset();
    DBCtrlGrid10->resizeColumnsToContents();
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_apps.size()));
    if (m_apps.isEmpty()) {
        setRegisterMode(RegisterMode::Entered);
        Dialogs::error(QStringLiteral("종합관리"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
        return;
    }
    setRegisterMode(mode);
}

void TfTot0010::BitBtn1Click()
{
    if (currentPage() != Register)
        return;
    QList<Application> rows;
    Problem problem;
    if (!NationalApplications::candidates(registerFilter(), examname->text(), examdate->date(), &rows, &problem)) {
        refuse(problem);
        return;
    }
    showApplications(rows, {}, RegisterMode::Entry); // nothing of these is stored yet
}

void TfTot0010::BitBtn2Click()
{
    if (currentPage() != Register || m_apps.isEmpty())
        return;
    setRegisterMode(RegisterMode::Modify);
    const QModelIndex at = DBCtrlGrid10->currentIndex();
    DBCtrlGrid10->setCurrentIndex(m_appModel->index(at.isValid() ? at.row() : 0, ApplicationModel::Exam));
}

void TfTot0010::BitBtn3Click()
{
    if (currentPage() != Register || m_apps.isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    const QModelIndex at = DBCtrlGrid10->currentIndex();
    const int row = at.isValid() ? at.row() : 0;
    // The row as it was read: its stored key.
    Application stored = m_apps[row];
    for (const Application& r : m_appsRead)
        if (r.memberNo == stored.memberNo && r.rankCode == stored.rankCode)
            stored = r;
    try {
        NationalApplications::remove(stored);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    }
    m_apps.removeAt(row);
    m_appsRead.removeIf([&](const Application& r) { return r.memberNo == stored.memberNo && r.rankCode == stored.rankCode; });
    m_appModel->reset();
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_apps.size()));
    StatusLine::show(QStringLiteral("국기원 승품 삭제: %1 %2").arg(stored.memberNo, stored.name));
    setRegisterMode(RegisterMode::Entry);
    m_appModel->setEditable(false);
}

void TfTot0010::BitBtn5Click()
{
    if (currentPage() != Register)
        return;
    DBCtrlGrid10->setCurrentIndex(QModelIndex()); // closes an open editor so its text is kept
    const Problem p = NationalApplications::check(m_apps);
    if (!p.ok()) {
        Dialogs::warning(QStringLiteral("확인요망"), p.message, this);
        return;
    }
    int written = 0;
    try {
        written = NationalApplications::confirm(m_apps);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    m_appsRead = m_apps;
    setRegisterMode(RegisterMode::Entered);
    Com_Name10->clear();
    Com_Name10->addItems(NationalApplications::registeredNames());
    Com_Name10->setCurrentIndex(-1);
    StatusLine::show(QStringLiteral("국기원 승품 %1건 저장").arg(written));
}

void TfTot0010::BitBtn6Click()
{
    if (currentPage() != Register)
        return;
    m_apps = m_appsRead;
    m_appModel->reset();
    search_num->setText(QStringLiteral("검색인원 : ") + QString::number(m_apps.size()));
    setRegisterMode(RegisterMode::Entered);
}
