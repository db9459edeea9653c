#include "fees/FeeSettlePage.h"

#include "fees/FeePageParts.h"
#include "db/Query.h"
#include "ui/ScreenHost.h"
#include "text/Money.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>

// The settlement lines as the grid shows them; edits go to the rules, which take them only on
// generated lines.
class SettlementModel : public QAbstractTableModel {
public:
    SettlementModel(FeeSettlement* s, QObject* parent) : QAbstractTableModel(parent), m_s(s) {}
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_s->count(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : FeeSettlePage::ColCount; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* const heads[FeeSettlePage::ColCount] = {"회원 번호", "회 원 명", "부    명", "금  액", "납부일",
                                                                   "월 분",     "선택",     "비   고",  "납부은행"};
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= FeeSettlePage::ColCount)
            return {};
        return QString::fromUtf8(heads[section]);
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!m_s->editable(i.row()))
            return f;
        if (i.column() == FeeSettlePage::ColCheck)
            f |= Qt::ItemIsUserCheckable;
        else if (i.column() == FeeSettlePage::ColAmount || i.column() == FeeSettlePage::ColMonth || i.column() == FeeSettlePage::ColNote)
            f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || i.row() >= rowCount())
            return {};
        const FeeSettlement::Line& l = m_s->lines()[i.row()];
        if (role == Qt::CheckStateRole)
            return i.column() == FeeSettlePage::ColCheck ? QVariant(l.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
        if (role == Qt::TextAlignmentRole) {
            if (i.column() == FeeSettlePage::ColAmount)
                return int(Qt::AlignRight | Qt::AlignVCenter);
            if (i.column() == FeeSettlePage::ColDate || i.column() == FeeSettlePage::ColMonth)
                return int(Qt::AlignCenter);
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        switch (i.column()) {
        case FeeSettlePage::ColNo: return l.memberNo;
        case FeeSettlePage::ColName: return l.name;
        case FeeSettlePage::ColDivision: return l.division;
        case FeeSettlePage::ColAmount: {
            bool ok = false;
            const qint64 n = l.amount.toLongLong(&ok);
            return role == Qt::DisplayRole && ok ? moneyText(n) : l.amount;
        }
        case FeeSettlePage::ColDate: return db::dateText(l.payDate);
        case FeeSettlePage::ColMonth: return l.month;
        case FeeSettlePage::ColNote: return l.note;
        case FeeSettlePage::ColBank: return l.bank;
        default: return {};
        }
    }
    bool setData(const QModelIndex& i, const QVariant& value, int role) override
    {
        if (!i.isValid())
            return false;
        const int r = i.row();
        bool taken = false;
        if (role == Qt::CheckStateRole && i.column() == FeeSettlePage::ColCheck)
            taken = m_s->setChecked(r, value.toInt() == Qt::Checked);
        else if (role == Qt::EditRole && i.column() == FeeSettlePage::ColAmount)
            taken = m_s->setAmount(r, value.toString().remove(u',').trimmed());
        else if (role == Qt::EditRole && i.column() == FeeSettlePage::ColMonth)
            taken = m_s->setMonth(r, value.toString().trimmed());
        else if (role == Qt::EditRole && i.column() == FeeSettlePage::ColNote)
            taken = m_s->setNote(r, value.toString());
        if (taken)
            emit dataChanged(i, i);
        return taken;
    }

private:
    FeeSettlement* m_s;
};

FeeSettlePage::FeeSettlePage(QWidget* parent) : QWidget(parent)
{
    auto* root = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("정산 기간 :"), this));
    dtFromMonth = feepage::dateBox(this, QStringLiteral("yyyy-MM"));
    dtToMonth = feepage::dateBox(this, QStringLiteral("yyyy-MM"));
    filter->addWidget(dtFromMonth);
    filter->addWidget(new QLabel(QStringLiteral("~"), this));
    filter->addWidget(dtToMonth);
    com_Jungsanbu = feepage::divisionBox(filter, this);
    com_JungsanName = feepage::nameBox(filter, this);
    filter->addStretch();
    root->addLayout(filter);

    m_model = new SettlementModel(&m_settlement, this);
    DBCtrlGrid2 = feepage::listView(m_model, this);
    root->addWidget(DBCtrlGrid2, 1);
    connect(DBCtrlGrid2, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!m_settlement.editable(i.row()))
            ScreenHost::showMember(m_settlement.lines().value(i.row()).memberNo);
    });
}

FeeSettlePage::~FeeSettlePage() = default;

void FeeSettlePage::setNames(QAbstractItemModel* names) { feepage::setNames(com_JungsanName, names); }

void FeeSettlePage::refresh()
{
    m_model->reset();
    emit countChanged();
    emit stateChanged();
}

void FeeSettlePage::Btn_InsertClick()
{
    Dialogs::show(m_settlement.generate(dtFromMonth->date(), dtToMonth->date(), com_JungsanName->currentText(),
                                        com_Jungsanbu->condition(QStringLiteral("T_회원.부별코드"))),
                  this);
    refresh();
    if (m_settlement.focusOnFrom())
        dtFromMonth->setFocus();
}

void FeeSettlePage::Btn_OkClick()
{
    finishEditing(DBCtrlGrid2);
    const int before = m_settlement.count();
    const bool saved = Dialogs::show(m_settlement.record(), this);
    refresh();
    if (saved) {
        int recorded = 0;
        for (const FeeSettlement::Line& l : m_settlement.lines())
            recorded += l.checked ? 1 : 0;
        StatusLine::show(QStringLiteral("수련비 정산: %1건 기록 (%2줄 중)").arg(recorded).arg(before));
    } else if (m_settlement.focusLine() >= 0) {
        DBCtrlGrid2->setCurrentIndex(m_model->index(m_settlement.focusLine(), ColMonth));
        DBCtrlGrid2->setFocus();
    }
}

void FeeSettlePage::Btn_CancelClick()
{
    m_settlement.cancel();
    refresh();
}

void FeeSettlePage::discard()
{
    if (m_settlement.state() != FeeSettlement::State::Generated)
        return;
    m_settlement.cancel();
    refresh();
}

void FeeSettlePage::Btn_QueryClick()
{
    m_settlement.list(dtFromMonth->date(), dtToMonth->date(), com_JungsanName->currentText(),
                      com_Jungsanbu->condition(QStringLiteral("T_회원.부별코드")));
    refresh();
}
