#include "fees/FeeReceiptPage.h"

#include "fees/FeePageParts.h"
#include "ui/ScreenHost.h"
#include "report/Report.h"
#include "text/Money.h"
#include "report/NoticeFile.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>

namespace {
const int kFooterChars = 300;
}

FeeReceiptPage::FeeReceiptPage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    com_buAll3 = feepage::divisionBox(filter, this);
    com_Name3 = feepage::nameBox(filter, this);
    filter->addWidget(new QLabel(QStringLiteral("납부 일자"), this));
    AllToday3 = feepage::dateBox(this);
    AllToday31 = feepage::dateBox(this);
    filter->addWidget(AllToday3);
    filter->addWidget(new QLabel(QStringLiteral("~"), this));
    filter->addWidget(AllToday31);
    filter->addStretch();
    root->addLayout(filter);

    model = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부명"), QStringLiteral("납부월"),
                               QStringLiteral("납부일자"), QStringLiteral("납부금액"), QStringLiteral("비고"),
                               QStringLiteral("조회용-이메일"), QStringLiteral("조회용-핸드폰번호")},
                              true, this);
    lvView3 = feepage::listView(model, this);
    root->addWidget(lvView3, 1);
    connect(lvView3, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { ScreenHost::showMember(model->text(i.row(), ColNo)); });

    auto* bottom = new QHBoxLayout;
    auto* memo = new QVBoxLayout;
    memo->addWidget(new QLabel(QStringLiteral("영수증 밑란의 기록"), this));
    Mem_Gongji = new QPlainTextEdit(this);
    Mem_Gongji->setFixedHeight(Mem_Gongji->fontMetrics().lineSpacing() * 3 + 10);
    memo->addWidget(Mem_Gongji);
    bottom->addLayout(memo, 1);
    auto* layouts = new QVBoxLayout;
    rdo_ReqFormat = new QRadioButton(QStringLiteral("형식출력"), this);
    rdo_ReqForms = new QRadioButton(QStringLiteral("Forms출력"), this);
    rdo_ReqFormat->setChecked(true);
    layouts->addWidget(rdo_ReqFormat);
    layouts->addWidget(rdo_ReqForms);
    layouts->addStretch();
    bottom->addLayout(layouts);
    root->addLayout(bottom);

    // The memo holds at most 300 characters.
    connect(Mem_Gongji, &QPlainTextEdit::textChanged, this, [this] {
        const QString t = Mem_Gongji->toPlainText();
        if (t.size() <= kFooterChars)
            return;
        Mem_Gongji->setPlainText(t.left(kFooterChars));
        Mem_Gongji->moveCursor(QTextCursor::End);
    });
}

void FeeReceiptPage::setNames(QAbstractItemModel* names) { feepage::setNames(com_Name3, names); }

int FeeReceiptPage::count() const { return model->rows(); }

QList<Receipts::Line> FeeReceiptPage::tickedLines() const
{
    QList<Receipts::Line> out;
    for (int r : model->tickedRows())
        out.append(m_lines[r]);
    return out;
}

void FeeReceiptPage::Btn_QueryClick()
{
    m_lines = Receipts::list(AllToday3->date(), AllToday31->date(), com_Name3->currentText(), com_buAll3->condition(QStringLiteral("b.부별코드")));
    QList<QStringList> rows;
    rows.reserve(m_lines.size());
    for (const Receipts::Line& l : m_lines)
        rows.append({l.memberNo, l.name, l.division, l.month, l.paidOn, moneyText(l.amount), l.note, l.email, l.mobile});
    model->setRows(std::move(rows), true);
    emit countChanged();
    if (m_lines.isEmpty())
        Dialogs::error(QStringLiteral("수련비"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void FeeReceiptPage::Btn_PrintClick()
{
    const QList<Receipts::Line> lines = tickedLines();
    if (lines.isEmpty()) {
        Dialogs::info(QStringLiteral("수련비"), QStringLiteral("발부할 영수증이 없습니다. 조회한 뒤 선택하세요."), this);
        return;
    }
    Receipts::print(lines, Mem_Gongji->toPlainText(), rdo_ReqForms->isChecked(), report::Preview, this);
}

void FeeReceiptPage::btn_EmailClick()
{
    if (m_lines.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(QStringLiteral("수련비")), this);
        return;
    }
    Dialogs::show(Receipts::dataFile(tickedLines()).write(QStringLiteral("수련비")), this);
}
