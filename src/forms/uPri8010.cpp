#include "forms/uPri8010.h"

#include "ui/ScreenHost.h"
#include "db/Query.h"
#include "db/Session.h"
#include "db/MemberStatus.h"
#include "ui/ScreenHeader.h"
#include "report/Report.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

TfPri8010::TfPri8010(QWidget* parent) : QWidget(parent)
{
    const ScreenHeader::WindowTop frame = ScreenHeader::buildWindowTop(this, QStringLiteral("수료증 발부"), {760, 520}, {"조     회", "발     부", "종     료"});
    Btn_Query = frame.buttons[0];
    Btn_Issue = frame.buttons[1];
    Btn_Close = frame.buttons[2];
    lbl_Total = frame.total;
    lbl_Found = frame.found;
    QHBoxLayout* bar = frame.bar;
    QHBoxLayout* head = frame.head;
    bar->addStretch();

    com_bu = new DivisionFilter;
    com_Name = new QComboBox;
    com_Name->setEditable(true);
    com_Name->setMinimumWidth(110);
    edt_Remark = new QLineEdit;
    edt_Remark->setMaxLength(50);
    rdo_Form = new QRadioButton(QStringLiteral("형식 출력"));
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"));
    rdo_Form->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(rdo_Form);
    group->addButton(rdo_Forms);
    auto* filter = new QGridLayout;
    filter->addWidget(new QLabel(QStringLiteral("부    별")), 0, 0);
    filter->addWidget(com_bu, 0, 1);
    filter->addWidget(new QLabel(QStringLiteral("이    름")), 1, 0);
    filter->addWidget(com_Name, 1, 1);
    filter->addWidget(new QLabel(QStringLiteral("비    고")), 2, 0);
    filter->addWidget(edt_Remark, 2, 1);
    filter->addWidget(rdo_Form, 3, 0);
    filter->addWidget(rdo_Forms, 3, 1);
    filter->setRowStretch(4, 1);

    auto* text = new QGroupBox(QStringLiteral("수료증 내용"));
    auto* tg = new QVBoxLayout(text);
    const QStringList lines = CompletionCertificates::storedLines();
    for (int i = 0; i < 5; ++i) {
        edt_Line[i] = new QLineEdit(lines.value(i));
        edt_Line[i]->setMaxLength(50);
        tg->addWidget(edt_Line[i]);
    }
    auto* top = new QHBoxLayout;
    top->addLayout(filter);
    top->addWidget(text, 1);

    m_model = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부"), QStringLiteral("현급"),
                             QStringLiteral("생년월일"), QStringLiteral("학년"), QStringLiteral("반"), QStringLiteral("비고")},
                            this);
    m_model->setCheckColumn(0, [this](int r) { return m_rows[r].ticked; }, [this](int r, bool on) { m_rows[r].ticked = on; });
    grd_List = new QTableView;
    ListModel::setUpView(grd_List, m_model, {100, 80, 80, 60, 90, 60, 40, 120});

    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(top);
    root->addWidget(grd_List, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &TfPri8010::Btn_QueryClick);
    connect(Btn_Issue, &QPushButton::clicked, this, [this] { Btn_IssueClick(report::Preview); });
    connect(com_bu, &QComboBox::currentIndexChanged, this, &TfPri8010::loadNames);
    connect(grd_List, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.isValid())
            ScreenHost::showMember(m_rows[i.row()].memberNo);
    });
    loadNames();
}

void TfPri8010::loadNames()
{
    const QString keep = com_Name->currentText();
    com_Name->clear();
    com_Name->addItem(QString());
    db::Query q(QStringLiteral("SELECT a.회원명 FROM T_회원 a WHERE ") + MemberStatus::active(QStringLiteral("a")) + u' ');
    com_bu->addCondition(q);
    q.add(QStringLiteral(" ORDER BY a.회원명"));
    q.open();
    while (q.next())
        com_Name->addItem(q.str("회원명"));
    com_Name->setCurrentText(keep);
}

void TfPri8010::Btn_QueryClick()
{
    m_rows = CompletionCertificates::query(com_bu->condition(), com_Name->currentText());
    for (auto& r : m_rows)
        r.remark = edt_Remark->text();
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const auto& row = m_rows[r];
        const QString cells[] = {row.memberNo, row.name, row.division, row.rank, row.birth, row.grade, row.classNo, row.remark};
        return cells[c];
    });
    lbl_Found->setText(QString::number(m_rows.size()));
}

bool TfPri8010::Btn_IssueClick(int destination)
{
    int ticked = 0;
    for (const auto& r : m_rows)
        ticked += r.ticked ? 1 : 0;
    if (ticked == 0) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("발부할 수련생을 조회하여 선택하세요."), this);
        return false;
    }
    QStringList lines;
    for (QLineEdit* e : edt_Line)
        lines << e->text();
    const qint64 before = CompletionCertificates::lastNumber();
    const bool ok = CompletionCertificates::issue(m_rows, lines, rdo_Forms->isChecked(), destination, this);
    if (ok && CompletionCertificates::lastNumber() > before)
        StatusLine::show(QStringLiteral("수료증 발부: %1건 (제 %2 호 ~ 제 %3 호)")
                             .arg(ticked).arg(before + 1).arg(CompletionCertificates::lastNumber()));
    return ok;
}
