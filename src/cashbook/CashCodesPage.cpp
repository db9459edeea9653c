#include "cashbook/uMon0010.h"

#include "cashbook/CashCategories.h"
#include "cashbook/CashPageParts.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <array>

// The categories page "입/출금항목등록": the main items (구분코드) and the sub items of the chosen one.

using cashpage::button;
using cashpage::currentRow;
using cashpage::setCurrentRow;

QWidget* TfMon0010::buildCodesPage()
{
    auto* page = new QWidget;
    auto makeList = [this](const QString& title, const QStringList& heads, ListModel*& list, QTableView*& grid,
                           QLineEdit*& code, QLineEdit*& name, int codeLen, std::array<QPushButton**, 5> buttons) {
        auto* box = new QGroupBox(title);
        list = new ListModel({{heads[0], 100, false, ListModel::Code}, {heads[1], 100, false, ListModel::Text}}, this);
        grid = cashpage::listView(list);
        code = new QLineEdit;
        code->setMaxLength(codeLen);
        name = new QLineEdit;
        name->setMaxLength(30);
        auto* edits = new QHBoxLayout;
        edits->addWidget(code);
        edits->addWidget(name, 1);
        auto* btns = new QHBoxLayout;
        const QStringList captions{QStringLiteral("추가"), QStringLiteral("수정"), QStringLiteral("삭제"),
                                   QStringLiteral("확인"), QStringLiteral("취소")};
        for (int i = 0; i < 5; ++i) {
            *buttons[i] = button(captions[i]);
            btns->addWidget(*buttons[i]);
        }
        auto* v = new QVBoxLayout(box);
        v->addWidget(grid, 1);
        v->addLayout(edits);
        v->addLayout(btns);
        return box;
    };
    QWidget* cats = makeList(QStringLiteral("구분코드 등록"), {QStringLiteral("구분코드"), QStringLiteral("구분 이름")},
                             m_categoryList, grd_Category, edt_CatCode, edt_CatName, 3,
                             {&btn_CatAdd, &btn_CatEdit, &btn_CatDelete, &btn_CatOk, &btn_CatCancel});
    QWidget* dets = makeList(QStringLiteral("상세코드 등록"), {QStringLiteral("상세코드"), QStringLiteral("상세 이름")},
                             m_detailList, grd_Detail, edt_DetCode, edt_DetName, 4,
                             {&btn_DetAdd, &btn_DetEdit, &btn_DetDelete, &btn_DetOk, &btn_DetCancel});
    auto* legend = new QGroupBox(QStringLiteral("구분코드 범위"));
    auto* lg = new QGridLayout(legend);
    lg->addWidget(new QLabel(QStringLiteral("입/출금등록")), 0, 0);
    lg->addWidget(new QLabel(QStringLiteral("000 ~ 999")), 0, 1);
    lg->addWidget(new QLabel(QStringLiteral("거래 내역")), 1, 0);
    lg->addWidget(new QLabel(QStringLiteral("000 ~ 999를") + QStringLiteral(" 제외한 나머지")), 1, 1);

    auto* lay = new QHBoxLayout(page);
    lay->addWidget(cats, 1);
    lay->addWidget(dets, 1);
    lay->addWidget(legend, 0, Qt::AlignTop);

    connect(grd_Category->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& at) {
        if (m_loading)
            return;
        if (m_cat != ListState::Browse)
            setCatState(ListState::Browse);
        const int row = at.isValid() ? at.row() : -1;
        edt_CatCode->setText(row >= 0 ? m_categories[row].code : QString());
        edt_CatName->setText(row >= 0 ? m_categories[row].name : QString());
        loadDetails();
    });
    connect(grd_Detail->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& at) {
        if (m_loading)
            return;
        if (m_det != ListState::Browse)
            setDetState(ListState::Browse);
        const int row = at.isValid() ? at.row() : -1;
        edt_DetCode->setText(row >= 0 ? m_details[row].code : QString());
        edt_DetName->setText(row >= 0 ? m_details[row].name : QString());
    });
    connect(btn_CatAdd, &QPushButton::clicked, this, &TfMon0010::btn_CatAddClick);
    connect(btn_CatEdit, &QPushButton::clicked, this, &TfMon0010::btn_CatEditClick);
    connect(btn_CatDelete, &QPushButton::clicked, this, &TfMon0010::btn_CatDeleteClick);
    connect(btn_CatOk, &QPushButton::clicked, this, &TfMon0010::btn_CatOkClick);
    connect(btn_CatCancel, &QPushButton::clicked, this, &TfMon0010::btn_CatCancelClick);
    connect(btn_DetAdd, &QPushButton::clicked, this, &TfMon0010::btn_DetAddClick);
    connect(btn_DetEdit, &QPushButton::clicked, this, &TfMon0010::btn_DetEditClick);
    connect(btn_DetDelete, &QPushButton::clicked, this, &TfMon0010::btn_DetDeleteClick);
    connect(btn_DetOk, &QPushButton::clicked, this, &TfMon0010::btn_DetOkClick);
    connect(btn_DetCancel, &QPushButton::clicked, this, &TfMon0010::btn_DetCancelClick);
    setCatState(ListState::Browse);
    setDetState(ListState::Browse);
    return page;
}

void TfMon0010::loadCategories()
{
    const QString keep = currentCategory();
    m_loading = true;
    m_categories = CashCategories::categories();
    m_categoryList->show(int(m_categories.size()), [this](int r, int c) { return c == 0 ? m_categories[r].code : m_categories[r].name; });
    int select = m_categories.isEmpty() ? -1 : 0;
    for (int r = 0; r < m_categories.size(); ++r)
        if (m_categories[r].code == keep)
            select = r;
    setCurrentRow(grd_Category, select);
    m_loading = false;
    edt_CatCode->setText(select >= 0 ? m_categories[select].code : QString());
    edt_CatName->setText(select >= 0 ? m_categories[select].name : QString());
    loadDetails();
}

QString TfMon0010::currentCategory() const
{
    const int r = currentRow(grd_Category);
    return r >= 0 && r < m_categories.size() ? m_categories[r].code : QString();
}

void TfMon0010::loadDetails()
{
    const QString keep = edt_DetCode->text();
    m_loading = true;
    m_details = CashCategories::details(currentCategory());
    m_detailList->show(int(m_details.size()), [this](int r, int c) { return c == 0 ? m_details[r].code : m_details[r].name; });
    int select = m_details.isEmpty() ? -1 : 0;
    for (int r = 0; r < m_details.size(); ++r)
        if (m_details[r].code == keep)
            select = r;
    setCurrentRow(grd_Detail, select);
    m_loading = false;
    edt_DetCode->setText(select >= 0 ? m_details[select].code : QString());
    edt_DetName->setText(select >= 0 ? m_details[select].name : QString());
}

void TfMon0010::setCatState(ListState s)
{
    m_cat = s;
    const bool browse = s == ListState::Browse;
    btn_CatAdd->setEnabled(browse || s == ListState::Add);
    btn_CatEdit->setEnabled(browse || s == ListState::Edit);
    btn_CatDelete->setEnabled(browse);
    btn_CatOk->setEnabled(!browse);
    btn_CatCancel->setEnabled(!browse);
    edt_CatCode->setEnabled(s == ListState::Add);
    edt_CatName->setEnabled(!browse);
    for (QWidget* w : std::initializer_list<QWidget*>{grd_Detail, btn_DetAdd, btn_DetEdit, btn_DetDelete})
        w->setEnabled(browse);
}

void TfMon0010::setDetState(ListState s)
{
    m_det = s;
    const bool browse = s == ListState::Browse;
    btn_DetAdd->setEnabled(browse || s == ListState::Add);
    btn_DetEdit->setEnabled(browse || s == ListState::Edit);
    btn_DetDelete->setEnabled(browse);
    btn_DetOk->setEnabled(!browse);
    btn_DetCancel->setEnabled(!browse);
    edt_DetCode->setEnabled(s == ListState::Add);
    edt_DetName->setEnabled(!browse);
    for (QWidget* w : std::initializer_list<QWidget*>{grd_Category, btn_CatAdd, btn_CatEdit, btn_CatDelete})
        w->setEnabled(browse);
}

void TfMon0010::btn_CatAddClick()
{
    if (m_cat != ListState::Browse)
        return;
    setCatState(ListState::Add);
    edt_CatCode->clear();
    edt_CatName->clear();
    edt_CatCode->setFocus();
}

void TfMon0010::btn_CatEditClick()
{
    if (m_cat != ListState::Browse || currentCategory().isEmpty())
        return;
    setCatState(ListState::Edit);
    edt_CatName->setFocus();
}

void TfMon0010::btn_CatOkClick()
{
    if (m_cat == ListState::Browse)
        return;
    const QString code = CashCategories::normalize(edt_CatCode->text());
    const QString name = edt_CatName->text().trimmed();
    if (!CashCategories::validCategory(code, name))
        return;
    if (m_cat == ListState::Add) {
        if (CashCategories::categoryExists(code)) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("동일한 코드 존재합니다."), this);
            edt_CatCode->setFocus();
            return;
        }
        CashCategories::addCategory(code, name);
    } else {
        CashCategories::renameCategory(currentCategory(), name);
    }
    setCatState(ListState::Browse);
    m_loading = true;
    setCurrentRow(grd_Category, -1);
    m_loading = false;
    loadCategories();
    for (int r = 0; r < m_categories.size(); ++r)
        if (m_categories[r].code == code)
            setCurrentRow(grd_Category, r);
}

void TfMon0010::btn_CatCancelClick()
{
    setCatState(ListState::Browse);
    const int r = currentRow(grd_Category);
    edt_CatCode->setText(r >= 0 ? m_categories[r].code : QString());
    edt_CatName->setText(r >= 0 ? m_categories[r].name : QString());
}

void TfMon0010::btn_CatDeleteClick()
{
    if (m_cat != ListState::Browse || edt_CatCode->text().isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    CashCategories::deleteCategory(edt_CatCode->text());
    loadCategories();
}

void TfMon0010::btn_DetAddClick()
{
    if (m_det != ListState::Browse || currentCategory().isEmpty())
        return;
    setDetState(ListState::Add);
    edt_DetCode->clear();
    edt_DetName->clear();
    edt_DetCode->setFocus();
}

void TfMon0010::btn_DetEditClick()
{
    if (m_det != ListState::Browse || currentRow(grd_Detail) < 0)
        return;
    setDetState(ListState::Edit);
    edt_DetName->setFocus();
}

void TfMon0010::btn_DetOkClick()
{
    if (m_det == ListState::Browse)
        return;
    const QString category = currentCategory();
    const QString code = CashCategories::normalize(edt_DetCode->text());
    const QString name = edt_DetName->text().trimmed();
    if (!CashCategories::validDetail(code, name))
        return;
    if (m_det == ListState::Add) {
        if (CashCategories::detailExists(category, code)) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("동일한 코드 존재합니다."), this);
            edt_DetCode->setFocus();
            return;
        }
        CashCategories::addDetail(category, code, name);
    } else {
        const QString old = m_details[currentRow(grd_Detail)].code;
        CashCategories::updateDetail(category, old, category, code, name);
    }
    setDetState(ListState::Browse);
    edt_DetCode->setText(code);
    loadDetails();
}

void TfMon0010::btn_DetCancelClick()
{
    setDetState(ListState::Browse);
    const int r = currentRow(grd_Detail);
    edt_DetCode->setText(r >= 0 ? m_details[r].code : QString());
    edt_DetName->setText(r >= 0 ? m_details[r].name : QString());
}

void TfMon0010::btn_DetDeleteClick()
{
    if (m_det != ListState::Browse || edt_DetCode->text().isEmpty())
        return;
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    CashCategories::deleteDetail(currentCategory(), edt_DetCode->text());
    edt_DetCode->clear();
    loadDetails();
}

