#include "exchange/uDataSend.h"

#include "exchange/TransferFile.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/GridColumns.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("온라인 퇴관자료");
}

TfDataSend::TfDataSend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfDataSend"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 420);
    auto* root = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("이   름"), this));
    edt_Name = new QLineEdit(this);
    edt_Name->setObjectName(QStringLiteral("edt_Name"));
    bar->addWidget(edt_Name);
    chk_Date = new QCheckBox(QStringLiteral("퇴 관 일 자"), this);
    chk_Date->setObjectName(QStringLiteral("chk_Date"));
    bar->addWidget(chk_Date);
    dtpk_Date = new DateEdit(this);
    dtpk_Date->setObjectName(QStringLiteral("dtpk_Date"));
    bar->addWidget(dtpk_Date);
    bar->addStretch();
    root->addLayout(bar);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    btn_Query = button("btn_Query", "퇴관자료 조회");
    btn_Send = button("btn_Send", "퇴관자료  생성");
    buttons->addStretch();
    btn_Exit = button("btn_Exit", "종     료");
    root->addLayout(buttons);
    grd_List = new QTableView(this);
    setUpGrid(grd_List);
    grd_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("입관일자"),
                                QStringLiteral("부"), QStringLiteral("주민등록번호")},
                               true, this);
    grd_List->setModel(m_list);
    fitColumns(grd_List);
    root->addWidget(grd_List, 1);
    connect(btn_Query, &QPushButton::clicked, this, &TfDataSend::btn_QueryClick);
    connect(edt_Name, &QLineEdit::returnPressed, this, &TfDataSend::btn_QueryClick);
    connect(btn_Send, &QPushButton::clicked, this, &TfDataSend::btn_SendClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
}

void TfDataSend::btn_QueryClick()
{
    m_list->setRows(TransferFile::withdrawnMembers(edt_Name->text(), chk_Date->isChecked() ? dtpk_Date->date() : QDate()), false);
    fitColumns(grd_List);
    if (m_list->rowCount() == 0)
        Dialogs::info(QStringLiteral("온라인 통보자료"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfDataSend::btn_SendClick()
{
    if (m_list->rowCount() == 0) {
        Dialogs::info(kCaption, QStringLiteral("퇴관자료를 조회후 선택하세요."), this);
        return;
    }
    QStringList numbers;
    for (int r : m_list->tickedRows())
        numbers << m_list->text(r, 0);
    if (numbers.isEmpty()) {
        Dialogs::info(kCaption, QStringLiteral("퇴관 대상자를 선택하세요."), this);
        return;
    }
    QString why;
    cp949::Losses losses;
    if (!TransferFile::exportMembers(numbers, &why, &losses)) {
        Dialogs::error(kCaption, why, this);
        return;
    }
    if (losses.isEmpty())
        Dialogs::info(kCaption, QStringLiteral("퇴관자료 생성이 완료되었습니다."), this);
    else
        Dialogs::warning(kCaption, QStringLiteral("퇴관자료 생성이 완료되었습니다.\n\n") + losses.message(), this);
    StatusLine::show(QStringLiteral("퇴관자료 생성: %1명").arg(numbers.size()));
}
