#include "fitness/uMunche.h"

#include "db/DbError.h"
#include "fitness/ScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

using fitness::kItems;
namespace ui = fitness::ui;

TfMunche::TfMunche(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfMunche"));
    setWindowTitle(QStringLiteral("문체부 체력값 설정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 440);

    auto* top = new QHBoxLayout;
    top->addWidget(ui::title(QStringLiteral("문 체 부   체 력 값   설 정")));
    top->addStretch();
    rb1 = new QRadioButton(QStringLiteral("남자"));
    RadioButton1 = new QRadioButton(QStringLiteral("여자"));
    rb1->setChecked(true);
    top->addWidget(rb1);
    top->addWidget(RadioButton1);

    auto* bar = ui::toolbar({{&Btn_Insert, QStringLiteral("입   력")}, {&Btn_Edit, QStringLiteral("수   정")},
                             {&Btn_Delete, QStringLiteral("삭   제")}, {&Btn_Query, QStringLiteral("조   회")},
                             {&Btn_Save, QStringLiteral("확   인")}, {&Btn_Cancel, QStringLiteral("취   소")},
                             {&Btn_Close, QStringLiteral("종   료")}});

    model = new ListModel(this);
    const QStringList labels = fitness::itemLabels();
    QList<ListModel::Column> cols = {{QStringLiteral("연령"), 44, true, ListModel::Number}};
    for (int i = 0; i < kItems; ++i)
        cols.append({labels[i], 54, true, ListModel::Number});
    model->setColumns(cols);
    model->setRowEditable([this](int r) { return m_editRow < 0 || r == m_editRow; });
    grd_National = ui::gridView(model);
    connect(model, &ListModel::edited, this, &TfMunche::cellEdited);

    auto* intervals = new QHBoxLayout;
    intervals->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("등급 간격"));
    intervals->addWidget(caption);
    for (int i = 1; i <= kItems; ++i) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("edt_A%1").arg(i, 2, 10, QChar(u'0')));
        e->setAlignment(Qt::AlignRight);
        e->setMaxLength(6);
        e->setMinimumWidth(30);
        e->setToolTip(labels[i - 1]);
        edt_A.append(e);
        intervals->addWidget(e, 1);
    }

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(bar);
    root->addWidget(grd_National, 1);
    root->addLayout(intervals);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfMunche::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfMunche::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfMunche::Btn_DeleteClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfMunche::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfMunche::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfMunche::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(rb1, &QRadioButton::toggled, this, [this] { rbClick(); });

    load();
    chgButtonState(false);
    chgEdBoxState(false);
}

QString TfMunche::sexCode() const { return rb1->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

void TfMunche::load()
{
    m_rows = NationalValues::load(sexCode());
    m_removed.clear();
    showRows();
    const QStringList iv = NationalValues::intervals();
    for (int i = 0; i < kItems; ++i)
        edt_A[i]->setText(iv[i]);
}

QStringList TfMunche::rowTexts(const NationalValues::Row& r) const
{
    QStringList t = {r.age ? QString::number(*r.age) : QString()};
    for (int i = 0; i < kItems; ++i)
        t.append(fitness::fmt1(r.v[i]));
    return t;
}

void TfMunche::showRows()
{
    QList<QStringList> texts;
    for (const NationalValues::Row& r : m_rows)
        texts.append(rowTexts(r));
    model->setRows(texts);
}

void TfMunche::cellEdited(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows.size())
        return;
    NationalValues::Row& r = m_rows[row];
    if (column == 0) {
        bool ok = false;
        const int age = text.toInt(&ok);
        if (!text.isEmpty() && (!ok || age <= 0 || age > 120))
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("연령은 1 부터 120 까지의 나이로 입력하세요."), this);
        else
            r.age = text.isEmpty() ? std::nullopt : std::optional<int>(age);
    } else {
        double v = 0;
        fitness::parseValue(text, &v);
        r.v[column - 1] = fitness::round1(v);
    }
    model->setRow(row, rowTexts(r));
}

void TfMunche::chgButtonState(bool editing)
{
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Close})
        b->setEnabled(!editing);
    Btn_Save->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    rb1->setEnabled(!editing);
    RadioButton1->setEnabled(!editing);
}

void TfMunche::chgEdBoxState(bool on)
{
    model->setEditing(on);
    for (QLineEdit* e : edt_A)
        e->setReadOnly(!on);
}

void TfMunche::Btn_InsertClick()
{
    NationalValues::Row r;
    m_rows.append(r);
    model->appendRow(rowTexts(r));
    m_editing = true;
    m_editRow = int(m_rows.size()) - 1;
    chgEdBoxState(true);
    chgButtonState(true);
    grd_National->setFocus();
    grd_National->setCurrentIndex(model->index(m_editRow, 0));
}

void TfMunche::Btn_EditClick()
{
    m_editing = true;
    // The current row, or only the interval boxes when the list is empty.
    m_editRow = std::max(0, grd_National->currentIndex().row());
    chgEdBoxState(true);
    chgButtonState(true);
    if (!m_rows.isEmpty())
        grd_National->setCurrentIndex(model->index(m_editRow, 1));
}

void TfMunche::Btn_DeleteClick()
{
    const int row = grd_National->currentIndex().row();
    if (row < 0 || row >= m_rows.size()) {
        Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("삭제할 연령을 선택하세요."), this);
        return;
    }
    if (m_rows[row].storedAge)
        m_removed.append(*m_rows[row].storedAge);
    m_rows.removeAt(row);
    model->removeRow(row);
    m_editing = true;
    m_editRow = -2; // nothing open: the removal waits for 확인
    chgEdBoxState(false);
    chgButtonState(true);
}

void TfMunche::Btn_QueryClick() { load(); }

void TfMunche::rbClick()
{
    if (!m_editing)
        load();
}

void TfMunche::Btn_SaveClick()
{
    finishEditing(grd_National);
    QStringList intervals;
    for (QLineEdit* e : edt_A)
        intervals.append(e->text());
    std::optional<NationalValues::Refusal> refusal;
    try {
        refusal = NationalValues::save(sexCode(), m_rows, m_removed, intervals);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (refusal) {
        if (refusal->intervalBox > 0) {
            Dialogs::error(QStringLiteral("입력"), refusal->message, this);
            edt_A[refusal->intervalBox - 1]->setReadOnly(false);
            edt_A[refusal->intervalBox - 1]->setFocus();
        } else {
            Dialogs::error(QStringLiteral("확인요망"), refusal->message, this);
            grd_National->setFocus();
            grd_National->setCurrentIndex(model->index(refusal->row, 0));
        }
        return;
    }
    m_editing = false;
    m_editRow = -1;
    load();
    chgEdBoxState(false);
    chgButtonState(false);
    ui::notify(QStringLiteral("문체부 체력값과 등급표를 저장했습니다."));
}

void TfMunche::Btn_CancelClick()
{
    m_editing = false;
    m_editRow = -1;
    load();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfMunche::closeEvent(QCloseEvent* e)
{
    if (m_editing && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 값이 있습니다. 닫을까요?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
