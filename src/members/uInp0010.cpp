#include "members/uInp0010.h"

#include "db/DbError.h"
#include "db/Query.h"
#include "ui/ScreenHeader.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfInp0010::TfInp0010(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfInp0010"));
    setWindowTitle(QStringLiteral("부/학년/반/수련비 일괄입력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 480);

    auto* root = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("부/학년/반/수련비 일괄입력"), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    root->addWidget(title);
    root->addLayout(ScreenHeader::build(this, nullptr, nullptr, &lbl_Found));

    auto* filter = new QHBoxLayout;
    Com_bu = new DivisionFilter(this);
    filter->addWidget(new QLabel(QStringLiteral("부 명"), this));
    filter->addWidget(Com_bu, 1);
    chk_Grade = new QCheckBox(QStringLiteral("학년 일괄변경"), this);
    chk_Fee = new QCheckBox(QStringLiteral("수련비 일괄변경"), this);
    edt_Fee = new QLineEdit(this);
    edt_Fee->setMaxLength(9);
    edt_Fee->setFixedWidth(90);
    filter->addWidget(chk_Grade);
    filter->addWidget(chk_Fee);
    filter->addWidget(edt_Fee);
    root->addLayout(filter);

    model = new ListModel(this);
    model->setColumns({{QStringLiteral("선택"), 44},
                       {QStringLiteral("회원 번호"), 76},
                       {QStringLiteral("회원명"), 64},
                       {QStringLiteral("입관일"), 80},
                       {QStringLiteral("전화 번호"), 76},
                       {QStringLiteral("현재부명"), 90},
                       {QStringLiteral("현재학년"), 60},
                       {QStringLiteral("변경학년"), 60},
                       {QStringLiteral("변경부명"), 100, true},
                       {QStringLiteral("반"), 40, true},
                       {QStringLiteral("수련비"), 70, true, ListModel::Money}});
    model->setCheckable(true);
    grid = new QTableView(this);
    m_cells = ListModel::attach(grid, model);
    root->addWidget(grid, 1);

    auto* bar = new QHBoxLayout;
    auto button = [&](const QString& caption) {
        auto* b = new QPushButton(caption, this);
        bar->addWidget(b);
        return b;
    };
    Btn_Insert = button(QStringLiteral("입     력"));
    Btn_Query = button(QStringLiteral("조     회"));
    Btn_Edit = button(QStringLiteral("수     정"));
    Btn_Delete = button(QStringLiteral("삭     제"));
    Btn_Ok = button(QStringLiteral("확     인"));
    Btn_Cancel = button(QStringLiteral("취     소"));
    Btn_Close = button(QStringLiteral("종     료"));
    bar->addStretch();
    root->addLayout(bar);
    Btn_Edit->setEnabled(false);
    Btn_Delete->setEnabled(false);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfInp0010::Btn_InsertClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfInp0010::Btn_QueryClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfInp0010::Btn_OkClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfInp0010::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(model, &ListModel::edited, this, &TfInp0010::cellEdited);
    connect(chk_Fee, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            edt_Fee->clear();
    });

    db::Query q(QStringLiteral("SELECT 부별코드, 부명 FROM T_부별코드 ORDER BY 부별코드"));
    q.open();
    QStringList names;
    while (q.next()) {
        m_divisions.append({q.str(QStringLiteral("부별코드")), q.str(QStringLiteral("부명"))});
        names.append(q.str(QStringLiteral("부명")));
    }
    m_cells->setChoices(ColDivision, names);
    setEditing(false);
}

void TfInp0010::show(const QList<GradeFeeBatch::Line>& lines)
{
    m_lines = lines;
    QList<QStringList> rows;
    for (const GradeFeeBatch::Line& l : lines)
        rows.append({QString(), l.no, l.name, l.enrolled, l.phone, l.oldDivision, l.grade, l.nextGrade, l.divisionName, l.klass, l.fee});
    model->setRows(rows);
    for (int r = 0; r < lines.size(); ++r)
        model->setTicked(r, lines[r].selected);
    lbl_Found->setText(QString::number(lines.size()));
}

void TfInp0010::setEditing(bool on)
{
    m_editing = on;
    model->setEditing(on);
    Btn_Insert->setEnabled(!on);
    Btn_Query->setEnabled(!on);
    Btn_Ok->setEnabled(on);
    Btn_Cancel->setEnabled(on);
    Btn_Close->setEnabled(!on);
}

void TfInp0010::resetBoxes()
{
    chk_Grade->setChecked(false);
    chk_Fee->setChecked(false);
    edt_Fee->clear();
}

void TfInp0010::Btn_QueryClick()
{
    show(GradeFeeBatch::lines(Com_bu->condition(QStringLiteral("T_회원.부별코드")), false));
}

void TfInp0010::Btn_InsertClick()
{
    std::optional<qint64> fee;
    if (chk_Fee->isChecked()) {
        if (edt_Fee->text().trimmed().isEmpty()) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("수련비를 입력하세요."), this);
            edt_Fee->setFocus();
            return;
        }
        fee = GradeFeeBatch::parseFee(edt_Fee->text());
        if (!fee) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("수련비는 숫자로 입력하세요."), this);
            edt_Fee->setFocus();
            edt_Fee->selectAll();
            return;
        }
    }
    QList<GradeFeeBatch::Line> lines = GradeFeeBatch::lines(Com_bu->condition(QStringLiteral("T_회원.부별코드")), true);
    if (fee)
        for (GradeFeeBatch::Line& l : lines)
            l.fee = QString::number(*fee);
    show(lines);
    if (!lines.isEmpty())
        setEditing(true);
}

void TfInp0010::cellEdited(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_lines.size())
        return;
    GradeFeeBatch::Line& l = m_lines[row];
    switch (column) {
    case ColSelect:
        break;
    case ColDivision:
        for (const auto& [code, name] : std::as_const(m_divisions))
            if (name == text) {
                l.divisionCode = code;
                l.divisionName = name;
            }
        break;
    case ColClass:
        l.klass = text.trimmed();
        break;
    case ColFee:
        l.fee = text.trimmed();
        break;
    default:
        break;
    }
}

void TfInp0010::Btn_OkClick()
{
    if (!m_editing)
        return;
    for (int r = 0; r < m_lines.size(); ++r)
        m_lines[r].selected = model->ticked(r);
    if (chk_Fee->isChecked())
        for (int r = 0; r < m_lines.size(); ++r)
            if (m_lines[r].selected && !GradeFeeBatch::parseFee(m_lines[r].fee)) {
                Dialogs::error(QStringLiteral("확인요망"),
                               QStringLiteral("%1 : 수련비를 숫자로 입력하세요.").arg(m_lines[r].name), this);
                grid->setCurrentIndex(model->index(r, ColFee));
                grid->setFocus();
                return;
            }
    int written = 0;
    try {
        written = GradeFeeBatch::save(m_lines, chk_Grade->isChecked(), chk_Fee->isChecked());
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(QStringLiteral("부/학년/반/수련비 %1명 저장").arg(written));
    setEditing(false);
    resetBoxes();
}

void TfInp0010::Btn_CancelClick()
{
    show({});
    setEditing(false);
    resetBoxes();
}
