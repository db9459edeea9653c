#include "app/uDel10.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QButtonGroup>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QString digitsOf(const QLineEdit* e)
{
    QString out;
    for (const QChar c : e->text())
        if (c.isDigit())
            out += c;
    return out;
}
}

TfDel10::TfDel10(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral(" 기간별 삭제"));
    setGeometry(240, 150, 244, 143);

    lbl_Date = new QLabel(QStringLiteral("삭제일자"), this);
    edt_FromDate = new QLineEdit(this);
    lbl_Tilde = new QLabel(QStringLiteral("~"), this);
    edt_ToDate = new QLineEdit(this);
    for (QLineEdit* e : {edt_FromDate, edt_ToDate}) {
        // Eight digits shown as yyyy/mm/dd; the slashes are not part of the value.
        e->setInputMask(QStringLiteral("0000/00/00; "));
        e->setText(Clock::today().toString(QStringLiteral("yyyyMMdd")));
        e->installEventFilter(this);
    }

    rb_Withdrawn = new QRadioButton(QStringLiteral("퇴관자료"), this);
    rb_CashAll = new QRadioButton(QStringLiteral("금전출납 전체삭제"), this);
    rb_Fees = new QRadioButton(QStringLiteral("수련비납부내역"), this);
    rb_Daily = new QRadioButton(QStringLiteral("일일현황"), this);
    m_kinds = new QButtonGroup(this);
    m_kinds->setExclusive(true);
    for (QRadioButton* rb : {rb_Withdrawn, rb_CashAll, rb_Fees, rb_Daily}) {
        m_kinds->addButton(rb);
        connect(rb, &QRadioButton::clicked, this, &TfDel10::KindClick);
    }

    Btn_Delete = new QPushButton(QStringLiteral("삭     제"), this);
    Btn_Close = new QPushButton(QStringLiteral("종     료"), this);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfDel10::Btn_DeleteClick);
    connect(Btn_Close, &QPushButton::clicked, this, &TfDel10::Btn_CloseClick);

    auto* dates = new QHBoxLayout;
    dates->addWidget(lbl_Date);
    dates->addWidget(edt_FromDate, 1);
    dates->addWidget(lbl_Tilde);
    dates->addWidget(edt_ToDate, 1);
    auto* kinds = new QGridLayout;
    kinds->addWidget(rb_Withdrawn, 0, 0);
    kinds->addWidget(rb_CashAll, 0, 1);
    kinds->addWidget(rb_Fees, 1, 0);
    kinds->addWidget(rb_Daily, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Delete);
    buttons->addWidget(Btn_Close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(dates);
    layout->addLayout(kinds);
    layout->addLayout(buttons);
}

PeriodDeletion::Kind TfDel10::chosenKind() const
{
    if (rb_Withdrawn->isChecked())
        return PeriodDeletion::Kind::Withdrawn;
    if (rb_CashAll->isChecked())
        return PeriodDeletion::Kind::CashBook;
    if (rb_Fees->isChecked())
        return PeriodDeletion::Kind::Fees;
    if (rb_Daily->isChecked())
        return PeriodDeletion::Kind::DailyStatus;
    return PeriodDeletion::Kind::None;
}

bool TfDel10::eventFilter(QObject* watched, QEvent* event)
{
    // A date is checked when the user moves on to another field of this screen, not when a drop-down,
    // a message box or another window takes the focus for a moment.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || !next || next == watched
            || !isAncestorOf(next))
            return QWidget::eventFilter(watched, event);
        if (watched == edt_FromDate)
            edt_FromDateExit();
        else if (watched == edt_ToDate)
            edt_ToDateExit();
    }
    return QWidget::eventFilter(watched, event);
}

bool TfDel10::checkDate(QLineEdit* edit)
{
    const QString digits = digitsOf(edit);
    if (digits.isEmpty() || PeriodDeletion::dateOfDigits(digits).isValid())
        return true;
    Dialogs::current().message(this, QMessageBox::Information, QStringLiteral("확인"), QStringLiteral("날짜 형식을 확인하세요."),
                               QMessageBox::Yes, QMessageBox::Yes);
    edit->setFocus();
    return false;
}

bool TfDel10::edt_FromDateExit() { return checkDate(edt_FromDate); }

bool TfDel10::edt_ToDateExit() { return checkDate(edt_ToDate); }

void TfDel10::KindClick()
{
    // The cash book is emptied whole: its dates mean nothing there.
    const bool dated = !rb_CashAll->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lbl_Date, edt_FromDate, lbl_Tilde, edt_ToDate})
        w->setVisible(dated);
}

void TfDel10::Btn_DeleteClick()
{
    if (Dialogs::current().message(this, QMessageBox::Warning, QStringLiteral("확인"),
                                   QStringLiteral("삭제된 자료는 복구할수 없습니다. 삭제하시겠습니까?."),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const PeriodDeletion::Kind kind = chosenKind();
    if (kind == PeriodDeletion::Kind::CashBook) {
        try {
            PeriodDeletion::deleteCashBook();
        } catch (const db::Error& e) {
            Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
            return;
        }
        StatusLine::show(QStringLiteral("금전출납 자료 모두 삭제"));
        if (ScreenHost* host = ScreenHost::current()) // windows showing the book must not show what is gone
            host->refresh({QStringLiteral("TfMon0010"), QStringLiteral("TfMoneyMaster")});
        Dialogs::info(QStringLiteral("확인"), QStringLiteral("금전출납 자료를 모두 삭제 하였습니다."), this);
        return;
    }

    for (QLineEdit* e : {edt_FromDate, edt_ToDate}) {
        if (digitsOf(e).isEmpty()) {
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("일자를 입력하세요."), this);
            e->setFocus();
            return;
        }
        if (!checkDate(e))
            return;
    }
    const QDate from = PeriodDeletion::dateOfDigits(digitsOf(edt_FromDate));
    const QDate to = PeriodDeletion::dateOfDigits(digitsOf(edt_ToDate));
    int n = 0;
    QString what;
    switch (kind) {
    case PeriodDeletion::Kind::Withdrawn:
        n = PeriodDeletion::deleteWithdrawn(from, to);
        what = QStringLiteral("퇴관자");
        break;
    case PeriodDeletion::Kind::Fees:
        n = PeriodDeletion::deleteFees(from, to);
        what = QStringLiteral("수련비");
        break;
    case PeriodDeletion::Kind::DailyStatus:
        n = PeriodDeletion::deleteDailyStatus(from, to);
        what = QStringLiteral("일일현황");
        break;
    case PeriodDeletion::Kind::CashBook:
    case PeriodDeletion::Kind::None:
        return;
    }
    StatusLine::show(QStringLiteral("%1 자료 %2건 삭제: %3 ~ %4").arg(what).arg(n).arg(db::dateText(from), db::dateText(to)));
}

void TfDel10::Btn_CloseClick() { close(); }
