#include "fitness/uAdultLevel.h"

#include "db/CodeTables.h"
#include "db/DbError.h"
#include "fitness/Fitness.h"
#include "fitness/NationalValues.h"
#include "fitness/ScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui = fitness::ui;

namespace {
// Grid columns: the age band, then the ends of the five ranges as the screen shows them (grade 1 has
// only its upper end, grade 5 only its lower one).
enum Col { CFromAge, CToAge, CTo1, CFrom2, CTo2, CFrom3, CTo3, CFrom4, CTo4, CFrom5, CCount };
// Range::v holds FROM1, TO1, ... FROM5, TO5.
constexpr int kValueOf[CCount] = {-1, -1, 1, 2, 3, 4, 5, 6, 7, 8};
} // namespace

TfAdultLevel::TfAdultLevel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfAdultLevel"));
    setWindowTitle(QStringLiteral("성인체력측정등급표"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 430);

    auto* bar = ui::toolbar({{&Btn_Insert, QStringLiteral("입   력")}, {&Btn_Edit, QStringLiteral("수   정")},
                             {&Btn_Delete, QStringLiteral("삭   제")}, {&Btn_Query, QStringLiteral("조   회")},
                             {&Btn_Save, QStringLiteral("확   인")}, {&Btn_Cancel, QStringLiteral("취   소")},
                             {&Btn_Close, QStringLiteral("종   료")}});
    auto* choice = new QHBoxLayout;
    Com_AdultCode = new QComboBox;
    Com_AdultCode->addItem(QString());
    Com_AdultCode->addItems(EvaluationTexts(EvaluationTexts::Kind::Adult).items());
    chk_Male = new QRadioButton(QStringLiteral("남자"));
    chk_FeMale = new QRadioButton(QStringLiteral("여자"));
    chk_Male->setChecked(true);
    auto* sex = new QButtonGroup(this);
    sex->addButton(chk_Male);
    sex->addButton(chk_FeMale);
    choice->addWidget(new QLabel(QStringLiteral("측정 항목")));
    choice->addWidget(Com_AdultCode, 1);
    choice->addWidget(chk_Male);
    choice->addWidget(chk_FeMale);
    choice->addStretch(1);

    model = new ListModel(this);
    model->setColumns({{QStringLiteral("연령부터"), 62, true, ListModel::Number}, {QStringLiteral("연령까지"), 62, true, ListModel::Number},
                       {QStringLiteral("1  등급 이하"), 72, true, ListModel::Number}, {QStringLiteral("2  등급 부터"), 72, true, ListModel::Number},
                       {QStringLiteral("~ 까지"), 62, true, ListModel::Number}, {QStringLiteral("3  등급 부터"), 72, true, ListModel::Number},
                       {QStringLiteral("~ 까지"), 62, true, ListModel::Number}, {QStringLiteral("4  등급 부터"), 72, true, ListModel::Number},
                       {QStringLiteral("~ 까지"), 62, true, ListModel::Number}, {QStringLiteral("5  등급 이상"), 72, true, ListModel::Number}});
    model->setRowEditable([this](int r) { return r == m_editRow; });
    grd_Level = ui::gridView(model);
    connect(model, &ListModel::edited, this, &TfAdultLevel::cellEdited);

    auto* root = new QVBoxLayout(this);
    root->addWidget(ui::title(QStringLiteral("성 인 체 력 측 정   등 급 표")));
    root->addLayout(bar);
    root->addLayout(choice);
    root->addWidget(grd_Level, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfAdultLevel::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfAdultLevel::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfAdultLevel::Btn_DeleteClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfAdultLevel::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfAdultLevel::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfAdultLevel::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Com_AdultCode, &QComboBox::currentIndexChanged, this, [this] { load(); });
    connect(chk_Male, &QRadioButton::toggled, this, [this] { load(); });
    setEditing(false, -1);
}

QString TfAdultLevel::item() const { return codes::codeOf(Com_AdultCode->currentText()).trimmed(); }

QString TfAdultLevel::sexCode() const { return chk_Male->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

bool TfAdultLevel::checkItem()
{
    if (!item().isEmpty())
        return true;
    Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("성인체력측정항목을 선택하세요."), this);
    Com_AdultCode->setFocus();
    return false;
}

QStringList TfAdultLevel::texts(const Adults::Range& r) const
{
    QStringList t = {QString::number(r.fromAge), QString::number(r.toAge)};
    for (int c = CTo1; c < CCount; ++c)
        t.append(fitness::fmt1(r.v[kValueOf[c]]));
    return t;
}

void TfAdultLevel::load()
{
    if (m_editing)
        return;
    m_rows = item().isEmpty() ? QList<Adults::Range>() : Adults::ranges(item(), sexCode());
    m_removed.clear();
    QList<QStringList> rows;
    for (const Adults::Range& r : m_rows)
        rows.append(texts(r));
    model->setRows(rows);
}

void TfAdultLevel::cellEdited(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows.size())
        return;
    Adults::Range& r = m_rows[row];
    double v = 0;
    fitness::parseValue(text, &v);
    if (column == CFromAge || column == CToAge) {
        if (v < 0 || v > 150 || v != int(v))
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("연령은 0 부터 150 까지의 나이로 입력하세요."), this);
        else
            (column == CFromAge ? r.fromAge : r.toAge) = int(v);
    } else {
        r.v[kValueOf[column]] = fitness::round1(v);
    }
    model->setRow(row, texts(r));
}

void TfAdultLevel::setEditing(bool on, int row)
{
    m_editing = on;
    m_editRow = on ? row : -1;
    model->setEditing(on);
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Query, Btn_Close})
        b->setEnabled(!on);
    Btn_Save->setEnabled(on);
    Btn_Cancel->setEnabled(on);
    Com_AdultCode->setEnabled(!on);
    chk_Male->setEnabled(!on);
    chk_FeMale->setEnabled(!on);
}

void TfAdultLevel::Btn_InsertClick()
{
    if (!checkItem())
        return;
    const Adults::Range r = Adults::newRange();
    m_rows.append(r);
    model->appendRow(texts(r));
    setEditing(true, int(m_rows.size()) - 1);
    grd_Level->setFocus();
    grd_Level->setCurrentIndex(model->index(m_editRow, CFromAge));
}

void TfAdultLevel::Btn_EditClick()
{
    if (!checkItem())
        return;
    const int row = grd_Level->currentIndex().row();
    if (row < 0 || row >= m_rows.size()) {
        Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
        return;
    }
    setEditing(true, row);
    grd_Level->setCurrentIndex(model->index(row, CTo1));
}

void TfAdultLevel::Btn_DeleteClick()
{
    if (!checkItem())
        return;
    const int row = grd_Level->currentIndex().row();
    if (row < 0 || row >= m_rows.size()) {
        Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
        return;
    }
    if (m_rows[row].storedFromAge)
        m_removed.append(*m_rows[row].storedFromAge);
    m_rows.removeAt(row);
    model->removeRow(row);
    setEditing(true, -2); // nothing open: the removal waits for 확인
}

void TfAdultLevel::Btn_QueryClick()
{
    if (checkItem())
        load();
}

void TfAdultLevel::Btn_SaveClick()
{
    finishEditing(grd_Level);
    QString refusal;
    try {
        refusal = Adults::saveRanges(item(), sexCode(), m_rows, m_removed);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (!refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), refusal, this);
        return;
    }
    setEditing(false, -1);
    load();
    ui::notify(QStringLiteral("성인체력 등급표 저장: %1").arg(Com_AdultCode->currentText().section(u')', 1).trimmed()));
}

void TfAdultLevel::Btn_CancelClick()
{
    setEditing(false, -1);
    load();
}

void TfAdultLevel::closeEvent(QCloseEvent* e)
{
    if (m_editing && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 등급표가 있습니다. 닫을까요?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
