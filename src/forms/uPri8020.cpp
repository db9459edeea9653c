#include "forms/uPri8020.h"

#include "db/Clock.h"
#include "ui/ScreenHeader.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/KeyboardFlow.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfPri8020::TfPri8020(QWidget* parent) : QWidget(parent)
{
    const ScreenHeader::WindowTop frame = ScreenHeader::buildWindowTop(this, QStringLiteral("수료증 발급 조회"), {560, 460}, {"조     회", "삭     제", "종     료"});
    Btn_Query = frame.buttons[0];
    Btn_Delete = frame.buttons[1];
    Btn_Close = frame.buttons[2];
    lbl_Total = frame.total;
    lbl_Found = frame.found;
    QHBoxLayout* bar = frame.bar;
    QHBoxLayout* head = frame.head;
    ExportButtons::addForWindow(bar, this, Btn_Close);
    bar->addStretch();

    edt_Name = new QLineEdit;
    edt_Name->setMaxLength(9);
    edt_Name->setMaximumWidth(120);
    KeyboardFlow::keepEnter(edt_Name);
    dtpk_From = new DateEdit(Clock::today());
    dtpk_To = new DateEdit(Clock::today());
    chk_Date = new QCheckBox(QStringLiteral("검색 조건에 수료일자 포함"));
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("이   름")));
    filter->addWidget(edt_Name);
    filter->addSpacing(12);
    filter->addWidget(new QLabel(QStringLiteral("수 료 일 자")));
    filter->addWidget(dtpk_From);
    filter->addWidget(new QLabel(QStringLiteral("~")));
    filter->addWidget(dtpk_To);
    filter->addStretch();

    m_model = new ListModel({QStringLiteral("발급번호"), QStringLiteral("이름"), QStringLiteral("수료일자")}, this);
    grd_List = new QTableView;
    ListModel::setUpView(grd_List, m_model, {90, 120, 100});

    auto* root = new QVBoxLayout(this);
    root->addLayout(head);
    root->addLayout(bar);
    root->addLayout(filter);
    root->addWidget(chk_Date);
    root->addWidget(grd_List, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &TfPri8020::Btn_QueryClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfPri8020::Btn_DeleteClick);
    connect(edt_Name, &QLineEdit::returnPressed, this, &TfPri8020::Btn_QueryClick);
}

void TfPri8020::show()
{
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const auto& row = m_rows[r];
        return c == 0 ? QString::number(row.number) : c == 1 ? row.name : row.date;
    });
    lbl_Found->setText(QString::number(m_rows.size()));
}

void TfPri8020::Btn_QueryClick()
{
    m_rows = CompletionCertificates::find(edt_Name->text(), chk_Date->isChecked(), dtpk_From->date(), dtpk_To->date());
    show();
    if (m_rows.isEmpty())
        Dialogs::info(QStringLiteral("확인"), QStringLiteral("검색된 항목이 없습니다."), this);
}

void TfPri8020::Btn_DeleteClick()
{
    const int r = grd_List->currentIndex().row();
    if (r < 0 || r >= m_rows.size()) {
        Dialogs::info(QStringLiteral("확인"), QStringLiteral("선택된 항목이 없습니다."), this);
        return;
    }
    const auto row = m_rows[r];
    if (Dialogs::yesNoCancel(QStringLiteral("삭제확인"),
                             QStringLiteral("수련생명 \"%1\" 을 삭제 하시겠습니까?").arg(row.name), this) != QMessageBox::Yes)
        return;
    CompletionCertificates::remove(row.number);
    m_rows.removeAt(r);
    show();
    StatusLine::show(QStringLiteral("수료증 발급 삭제: 제 %1 호 %2").arg(row.number).arg(row.name));
}
