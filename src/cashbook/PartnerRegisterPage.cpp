#include "cashbook/PartnerRegisterPage.h"

#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

PartnerRegisterPage::PartnerRegisterPage(QWidget* parent) : QWidget(parent)
{
    m_model = new ListModel({QStringLiteral("코드"), QStringLiteral("거래처명")}, this);
    grd_Partner = new QTableView;
    ListModel::setUpView(grd_Partner, m_model, {60, 200});
    grd_Partner->setMinimumWidth(280);

    auto* box = new QGroupBox(QStringLiteral("거래처 상세 정보"));
    auto* g = new QGridLayout(box);
    struct FieldDef {
        QLineEdit** edit;
        const char* caption;
        int width;
    };
    const FieldDef fields[] = {{&edt_Code, "거래처코드", 4},   {&edt_Name, "거래처명", 30},
                               {&edt_BizNo, "사업자번호/ 주민등록번호", 20}, {&edt_Owner, "성명", 12},
                               {&edt_Address, "주소", 70},     {&edt_Zip, "우편번호", 7},
                               {&edt_BizType, "업태", 20},     {&edt_BizItem, "종목", 20},
                               {&edt_Phone1, "전화1", 15},     {&edt_Phone2, "전화2", 15}};
    int row = 0;
    for (const FieldDef& f : fields) {
        *f.edit = new QLineEdit;
        (*f.edit)->setMaxLength(f.width);
        g->addWidget(new QLabel(QString::fromUtf8(f.caption)), row, 0);
        g->addWidget(*f.edit, row, 1);
        ++row;
    }
    edt_Code->setMaximumWidth(80);
    g->setRowStretch(row, 1);

    auto* lay = new QHBoxLayout(this);
    lay->addWidget(grd_Partner);
    lay->addWidget(box, 1);

    connect(grd_Partner->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (!inEntry())
                    showPartner(i.row());
            });
    chgEdBoxState(false);
}

QString PartnerRegisterPage::currentCode() const
{
    const int r = grd_Partner->currentIndex().row();
    return r >= 0 && r < m_partners.size() ? m_partners[r].code : QString();
}

void PartnerRegisterPage::load(const QString& select)
{
    const QString keep = select.isEmpty() ? currentCode() : select;
    m_partners = Partners::all();
    m_model->show(int(m_partners.size()), [this](int r, int c) { return c == 0 ? m_partners[r].code : m_partners[r].name; });
    int row = m_partners.isEmpty() ? -1 : 0;
    for (int r = 0; r < m_partners.size(); ++r)
        if (m_partners[r].code == keep)
            row = r;
    if (row >= 0)
        grd_Partner->setCurrentIndex(m_model->index(row, 0));
    showPartner(row);
}

void PartnerRegisterPage::showPartner(int row)
{
    const Partner p = row >= 0 && row < m_partners.size() ? m_partners[row] : Partner();
    edt_Code->setText(p.code);
    edt_Name->setText(p.name);
    edt_BizNo->setText(p.bizNo);
    edt_Owner->setText(p.owner);
    edt_Address->setText(p.address);
    edt_Zip->setText(p.zip);
    edt_BizType->setText(p.bizType);
    edt_BizItem->setText(p.bizItem);
    edt_Phone1->setText(p.phone1);
    edt_Phone2->setText(p.phone2);
}

Partner PartnerRegisterPage::typed() const
{
    return {edt_Code->text().trimmed(), edt_Name->text().trimmed(), edt_BizNo->text(), edt_Owner->text(),
            edt_Address->text(), edt_Zip->text(), edt_BizType->text(), edt_BizItem->text(), edt_Phone1->text(),
            edt_Phone2->text()};
}

void PartnerRegisterPage::chgEdBoxState(bool on)
{
    for (QLineEdit* e : {edt_Code, edt_Name, edt_BizNo, edt_Owner, edt_Address, edt_Zip, edt_BizType, edt_BizItem,
                         edt_Phone1, edt_Phone2})
        e->setEnabled(on);
    grd_Partner->setEnabled(!on);
}

void PartnerRegisterPage::setEntry(Entry e)
{
    m_entry = e;
    chgEdBoxState(e != Entry::None);
    emit entryChanged(e != Entry::None);
}

void PartnerRegisterPage::Btn_InsertClick()
{
    if (inEntry())
        return;
    showPartner(-1);
    setEntry(Entry::New);
    edt_Code->setFocus();
}

void PartnerRegisterPage::Btn_EditClick()
{
    if (inEntry() || currentCode().isEmpty())
        return;
    setEntry(Entry::Edit);
    // A partner with dealings keeps its code: the lines and cash lines carry it.
    edt_Code->setEnabled(!Partners::hasDealings(currentCode()));
    edt_Name->setFocus();
}

void PartnerRegisterPage::Btn_SaveClick()
{
    if (!inEntry())
        return;
    const Partner p = typed();
    const Partners::Refusal r = Partners::save(p, m_entry == Entry::Edit ? currentCode() : QString());
    if (!r.ok()) {
        Dialogs::error(QStringLiteral("확인요망"), r.message, this);
        (r.field == Partners::Field::Name ? edt_Name : edt_Code)->setFocus();
        return;
    }
    setEntry(Entry::None);
    load(p.code);
    StatusLine::show(QStringLiteral("거래처 저장: %1 %2").arg(p.code, p.name));
    emit partnersChanged();
}

void PartnerRegisterPage::Btn_CancelClick()
{
    if (!inEntry())
        return;
    setEntry(Entry::None);
    showPartner(grd_Partner->currentIndex().row());
}

void PartnerRegisterPage::Btn_DeleteClick()
{
    const QString code = currentCode();
    if (inEntry() || code.isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    const Partners::Refusal r = Partners::remove(code);
    if (!r.ok()) {
        Dialogs::error(QStringLiteral("확인요망"), r.message, this);
        return;
    }
    load();
    StatusLine::show(QStringLiteral("거래처 삭제: %1").arg(code));
    emit partnersChanged();
}
