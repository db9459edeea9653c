#include "exams/uSimsaInfoCode.h"

#include "db/DbError.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString field(NoticeTexts& t, int row, const QString& column) { return t.set().value(row, column).toString(); }
} // namespace

TfSimsaInfoCode::TfSimsaInfoCode(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfSimsaInfoCode"));
    setWindowTitle(QStringLiteral("심사결과 안내문 내용"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(700, 520);

    auto* top = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Insert = button("입     력");
    Btn_Edit = button("수     정");
    Btn_Delete = button("삭     제");
    Btn_Ok = button("확     인");
    Btn_Cancel = button("취     소");
    Btn_Exit = button("종     료");
    bar->addStretch();
    top->addLayout(bar);

    auto* body = new QHBoxLayout;
    lst_Record = new QListWidget(this);
    lst_Record->setFixedWidth(130);
    body->addWidget(lst_Record);

    auto* letter = new QGridLayout;
    lbl_Code = new QLabel(this);
    dbcbo_LevelRemark = new QComboBox(this);
    dbcbo_LevelRemark->addItem(QString());
    dbcbo_LevelRemark->addItems(NoticeTexts::rankItems());
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("코드"), this));
    head->addWidget(lbl_Code);
    head->addSpacing(16);
    head->addWidget(new QLabel(QStringLiteral("급 품 코드"), this));
    head->addWidget(dbcbo_LevelRemark);
    head->addStretch();
    letter->addLayout(head, 0, 0, 1, 2);
    for (int k = 0; k < NoticeTexts::kPieces; ++k) {
        edt[k] = new QLineEdit(this);
        edt[k]->setMaxLength(255);
        connect(edt[k], &QLineEdit::textEdited, this, [this, k](const QString& t) {
            if (!m_filling && lst_Record->currentRow() >= 0)
                m_texts.setPiece(lst_Record->currentRow(), k + 1, t);
        });
    }
    // The first three pieces frame the member's name and the examination number of the letter.
    letter->addWidget(edt[0], 1, 0, 1, 2);
    letter->addWidget(new QLabel(QStringLiteral("홍길동군(양)이"), this), 2, 0);
    letter->addWidget(edt[1], 2, 1);
    letter->addWidget(new QLabel(QStringLiteral("제 000 회"), this), 3, 0);
    letter->addWidget(edt[2], 3, 1);
    for (int k = 3; k < NoticeTexts::kPieces; ++k)
        letter->addWidget(edt[k], k + 1, 0, 1, 2);
    letter->setColumnStretch(1, 1);
    body->addLayout(letter, 1);
    top->addLayout(body, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, [this] { Btn_InsertClick(); });
    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Delete, &QPushButton::clicked, this, [this] { Btn_DeleteClick(); });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(lst_Record, &QListWidget::currentRowChanged, this, [this] { showRecord(); });
    connect(dbcbo_LevelRemark, &QComboBox::activated, this, [this] {
        const int row = lst_Record->currentRow();
        if (m_filling || row < 0)
            return;
        m_texts.setRank(row, dbcbo_LevelRemark->currentText());
        lst_Record->item(row)->setText(QStringLiteral("%1  %2").arg(field(m_texts, row, QStringLiteral("심사결과안내코드")),
                                                                     dbcbo_LevelRemark->currentText()));
    });

    m_texts.open();
    fillList(0);
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfSimsaInfoCode::selectRecord(int row) { lst_Record->setCurrentRow(row); }

void TfSimsaInfoCode::fillList(int select)
{
    m_filling = true;
    lst_Record->clear();
    for (int i = 0; i < m_texts.count(); ++i)
        lst_Record->addItem(QStringLiteral("%1  %2").arg(field(m_texts, i, QStringLiteral("심사결과안내코드")),
                                                         field(m_texts, i, QStringLiteral("급품코드비고"))));
    m_filling = false;
    lst_Record->setCurrentRow(m_texts.count() > 0 ? std::clamp(select, 0, m_texts.count() - 1) : -1);
    showRecord();
}

void TfSimsaInfoCode::showRecord()
{
    m_filling = true;
    const int row = lst_Record->currentRow();
    lbl_Code->setText(row >= 0 ? field(m_texts, row, QStringLiteral("심사결과안내코드")) : QString());
    const int at = row >= 0 ? dbcbo_LevelRemark->findText(field(m_texts, row, QStringLiteral("급품코드비고"))) : 0;
    dbcbo_LevelRemark->setCurrentIndex(std::max(at, 0));
    for (int k = 0; k < NoticeTexts::kPieces; ++k)
        edt[k]->setText(row >= 0 ? field(m_texts, row, QStringLiteral("심사결과안내%1").arg(k + 1)) : QString());
    m_filling = false;
}

void TfSimsaInfoCode::chgEdBoxState(bool on)
{
    // Nothing to type into before there is a record.
    const bool fields = on && lst_Record->currentRow() >= 0;
    dbcbo_LevelRemark->setEnabled(fields);
    for (QLineEdit* e : edt)
        e->setEnabled(fields);
}

void TfSimsaInfoCode::chgButtonState(bool editing)
{
    m_editing = editing;
    const bool any = m_texts.count() > 0;
    Btn_Insert->setEnabled(!editing);
    Btn_Edit->setEnabled(!editing && any);
    Btn_Delete->setEnabled(!editing && any);
    Btn_Exit->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    lst_Record->setEnabled(!editing);
}

void TfSimsaInfoCode::Btn_InsertClick()
{
    const int row = m_texts.append();
    fillList(row);
    chgButtonState(true);
    chgEdBoxState(true);
    dbcbo_LevelRemark->setFocus();
}

void TfSimsaInfoCode::Btn_EditClick()
{
    if (lst_Record->currentRow() < 0)
        return;
    chgButtonState(true);
    chgEdBoxState(true);
    edt[0]->setFocus();
}

void TfSimsaInfoCode::Btn_DeleteClick()
{
    const int row = lst_Record->currentRow();
    if (row < 0)
        return;
    m_texts.remove(row);
    fillList(row);
    chgButtonState(true);
    chgEdBoxState(false);
}

void TfSimsaInfoCode::Btn_OkClick()
{
    QString refusal;
    try {
        refusal = m_texts.save();
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    if (!refusal.isEmpty()) {
        Dialogs::warning(QStringLiteral("확인요망"), refusal, this);
        dbcbo_LevelRemark->setFocus();
        return;
    }
    const int row = lst_Record->currentRow();
    fillList(row);
    chgButtonState(false);
    chgEdBoxState(false);
    StatusLine::show(QStringLiteral("심사결과 안내문 저장"));
}

void TfSimsaInfoCode::Btn_CancelClick()
{
    m_texts.cancel();
    fillList(lst_Record->currentRow());
    chgButtonState(false);
    chgEdBoxState(false);
}

void TfSimsaInfoCode::closeEvent(QCloseEvent* event)
{
    if (m_editing && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 안내문이 있습니다.\n저장하지 않고 종료하시겠습니까?"), this)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
