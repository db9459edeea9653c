#include "members/PersonalPages.h"

#include "attendance/CheckIns.h"
#include "fitness/Fitness.h"
#include "members/PersonalJournalPanel.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using Col = PersonalJournalPanel::Column;

QVBoxLayout* pageLayout(QWidget* page)
{
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    return v;
}

// "yyyy 년 mm 월" choosers of a tab; the years are filled when the screen opens.
QHBoxLayout* yearMonthChooser(QWidget* page, QComboBox** year, QComboBox** month, bool twoDigits)
{
    auto* choose = new QHBoxLayout;
    *year = new QComboBox(page);
    *month = new QComboBox(page);
    for (int m = 1; m <= 12; ++m)
        (*month)->addItem(twoDigits ? QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) : QString::number(m));
    choose->addWidget(*year);
    choose->addWidget(new QLabel(QStringLiteral("년"), page));
    choose->addWidget(*month);
    choose->addWidget(new QLabel(QStringLiteral("월"), page));
    choose->addStretch();
    return choose;
}

// Twelve month cells under their captions "1월" .. "12월".
QGridLayout* monthCells(QWidget* page, QList<QLabel*>* cells)
{
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (int m = 0; m < 12; ++m) {
        auto* cap = new QLabel(QStringLiteral("%1월").arg(m + 1), page);
        cap->setAlignment(Qt::AlignCenter);
        auto* val = new QLabel(page);
        val->setAlignment(Qt::AlignCenter);
        val->setFrameShape(QFrame::Panel);
        val->setFrameShadow(QFrame::Sunken);
        grid->addWidget(cap, 0, m);
        grid->addWidget(val, 1, m);
        cells->append(val);
    }
    return grid;
}

// A few fixed rows of figures under their headings, only shown: a caption column, then counts.
QTableView* figureTable(ListModel** model, int rows, const QStringList& headings, QWidget* parent)
{
    QList<ListModel::Column> cols;
    for (const QString& h : headings)
        cols.append(ListModel::Column(h, 0, false, cols.isEmpty() ? ListModel::Text : ListModel::Number));
    *model = new ListModel(cols, parent);
    (*model)->setRows(QList<QStringList>(rows, QStringList(headings.size())));
    auto* t = new QTableView(parent);
    ListModel::attach(t, *model);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    t->horizontalHeader()->setStretchLastSection(false);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() + rows * t->verticalHeader()->defaultSectionSize() + 4);
    return t;
}

} // namespace

// --- the tabs that are one list ----------------------------------------------------------------

PersonalJournalPanel* personal::journalTab(PersonalRecord* record, PersonalRecord::List list, QWidget* parent)
{
    QList<Col> cols;
    switch (list) {
    case PersonalRecord::Suggestions:
        cols = {{QStringLiteral("건 의 일 자"), QStringLiteral("건의일자"), Col::Date, 90},
                {QStringLiteral("건 의 내 용"), QStringLiteral("건의사항"), Col::Text, 0}};
        break;
    case PersonalRecord::Conduct:
        cols = {{QStringLiteral("기 록 일 자"), QStringLiteral("기록일자"), Col::Date, 90},
                {QStringLiteral("생 활 기 록"), QStringLiteral("생활기록"), Col::Phrase, 0}};
        break;
    case PersonalRecord::Awards:
        cols = {{QStringLiteral("내 역"), QStringLiteral("비고2"), Col::Chooser, 200},
                {QStringLiteral("발 급 일 자"), QStringLiteral("지급일자"), Col::Date, 90},
                {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Text, 0}};
        break;
    case PersonalRecord::Badges:
        cols = {{QStringLiteral("코드"), QStringLiteral("뱃지코드"), Col::ReadOnly, 50},
                {QStringLiteral("내 역"), QStringLiteral("뱃지명"), Col::ReadOnly, 0},
                {QStringLiteral("지급"), QStringLiteral("YN"), Col::Tick, 50},
                {QStringLiteral("지 급 일 자"), QStringLiteral("지급일자"), Col::ReadOnly, 100}};
        break;
    case PersonalRecord::Notices:
        cols = {{QStringLiteral("공 지 일 자"), QStringLiteral("공지일자"), Col::Date, 90},
                {QStringLiteral("개 인 심 사 평 가 공 지 사 항"), QStringLiteral("공지사항"), Col::Phrase, 0}};
        break;
    case PersonalRecord::Exams: {
        const QStringList criteria = PersonalRecord::examCriteria();
        cols = {{QStringLiteral("띠색"), QStringLiteral("띠색"), Col::ReadOnly, 45},
                {QStringLiteral("급품"), QStringLiteral("급품명"), Col::ReadOnly, 55},
                {QStringLiteral("심사명"), QStringLiteral("심사명"), Col::Text, 45, {}, 6},
                {QStringLiteral("단증번호"), QStringLiteral("단증번호"), Col::Text, 70, {}, 8},
                {QStringLiteral("승급일자"), QStringLiteral("승급일자"), Col::ReadOnly, 80},
                {QStringLiteral("심사일자"), QStringLiteral("심사일자"), Col::Date, 80}};
        for (int i = 0; i < 6; ++i)
            cols.append({criteria[i], QStringLiteral("E%1").arg(i + 1), Col::Text, 42, {}, 3});
        cols.append({QStringLiteral("출석률"), QStringLiteral("출석률"), Col::Text, 45, {}, 3});
        cols.append({QStringLiteral("승벌점"), QStringLiteral("승벌점"), Col::Text, 45, {}, 4});
        cols.append({QStringLiteral("평균"), QStringLiteral("평균"), Col::Text, 40, {}, 3});
        cols.append({QStringLiteral("심사결과평가내용"), QStringLiteral("심사결과평가내용"), Col::ReadOnly, 200});
        break;
    }
    case PersonalRecord::Concentration: {
        cols = {{QStringLiteral("측정일자"), QStringLiteral("측정일자"), Col::ReadOnly, 80}};
        const char* groups[] = {"시각", "청각", "종합"};
        const char* kinds[] = {"본인", "나이", "기간", "전체"};
        const char* kindTitles[] = {"자신", "나이", "기간", "전체"};
        for (int g = 0; g < 3; ++g)
            for (int k = 0; k < 4; ++k)
                cols.append({QString::fromUtf8(groups[g]) + u' ' + QString::fromUtf8(kindTitles[k]),
                             QString::fromUtf8(groups[g]) + QString::fromUtf8(kinds[k]) + QStringLiteral("평균"), Col::ReadOnly, 48});
        break;
    }
    default:
        return nullptr;
    }
    return new PersonalJournalPanel(record, list, cols, parent);
}

// --- 신상명세서 ------------------------------------------------------------------------------------

PersonalDetailsPage::PersonalDetailsPage(PersonalRecord* record, QWidget* parent) : QWidget(parent)
{
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(0, 0, 0, 0);
    panel = new PersonalJournalPanel(
        record, PersonalRecord::Family,
        {{QStringLiteral("관  계"), QStringLiteral("관계"), Col::Phrase, 60,
          {QStringLiteral("조부"), QStringLiteral("조모"), QStringLiteral("부"), QStringLiteral("모"), QStringLiteral("형제")}, 8},
         {QStringLiteral("성  명"), QStringLiteral("성명"), Col::Text, 70, {}, 20},
         {QStringLiteral("생 년 월 일"), QStringLiteral("생일"), Col::Date, 82},
         {QStringLiteral("양/음"), QStringLiteral("양력음력"), Col::Choice, 40, {QStringLiteral("양"), QStringLiteral("음")}},
         {QStringLiteral("직  업"), QStringLiteral("직업"), Col::Text, 70, {}, 20},
         {QStringLiteral("비  고"), QStringLiteral("비고"), Col::Text, 0},
         {QStringLiteral("결혼기념일"), QStringLiteral("결혼기념일"), Col::Date, 82}},
        this);
    h->addWidget(panel, 1);

    auto* status = new QGroupBox(this);
    auto* g = new QGridLayout(status);
    g->setVerticalSpacing(2);
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("휴 관 일 자"), QStringLiteral("최종휴관일")},     {QStringLiteral("퇴 관 일 자"), QStringLiteral("최종퇴관일")},
        {QStringLiteral("휴 관 사 유"), QStringLiteral("최종휴관사유코드")}, {QStringLiteral("퇴 관 사 유"), QStringLiteral("최종퇴관사유코드")},
        {QStringLiteral("휴관==>복관일"), QStringLiteral("복관일휴")},     {QStringLiteral("퇴관==>복관일"), QStringLiteral("복관일퇴")}};
    int r = 0;
    for (const auto& [caption, col] : rows) {
        g->addWidget(new QLabel(caption, status), r, 0);
        auto* e = new QLineEdit(status);
        e->setReadOnly(true);
        e->setFixedWidth(100);
        fields.insert(col, e);
        g->addWidget(e, r++, 1);
    }
    // An e-mail address under its caption, across the box: wide enough for the usual address.
    g->addWidget(new QLabel(QStringLiteral("E-mail"), status), r++, 0);
    auto* mail = new QLineEdit(status);
    mail->setMaxLength(50);
    mail->setMinimumWidth(mail->fontMetrics().horizontalAdvance(QString(26, u'm')));
    fields.insert(QStringLiteral("이메일"), mail);
    g->addWidget(mail, r, 0, 1, 2);
    h->addWidget(status);
}

// --- 상벌점내역 ------------------------------------------------------------------------------------

PersonalPointsPage::PersonalPointsPage(PersonalRecord* record, QWidget* parent) : QWidget(parent), m_record(record)
{
    auto* v = pageLayout(this);
    v->addLayout(yearMonthChooser(this, &com_PointYear, &com_PointMonth, true));

    panel = new PersonalJournalPanel(record, PersonalRecord::Points,
                                     {{QStringLiteral("내 역"), QStringLiteral("비고2"), Col::Chooser, 220},
                                      {QStringLiteral("상벌점 일자"), QStringLiteral("벌점일자"), Col::Date, 90},
                                      {QStringLiteral("점수"), QStringLiteral("벌점수"), Col::ReadOnly, 60}},
                                     this);
    panel->setRowFilter([this] {
        return m_record->pointRows(com_PointYear->currentText().toInt(), com_PointMonth->currentText().toInt());
    });
    v->addWidget(panel, 1);

    QGridLayout* sums = monthCells(this, &lbl_PointMonths);
    lbl_PointSum = new QLabel(this);
    lbl_PointSum->setFrameShape(QFrame::Panel);
    lbl_PointSum->setFrameShadow(QFrame::Sunken);
    lbl_PointSum->setMinimumWidth(150);
    sums->addWidget(lbl_PointSum, 0, 12, 2, 1);
    v->addLayout(sums);

    connect(com_PointYear, qOverload<int>(&QComboBox::activated), this, &PersonalPointsPage::chosen);
    connect(com_PointMonth, qOverload<int>(&QComboBox::activated), this, &PersonalPointsPage::chosen);
}

void PersonalPointsPage::showSums()
{
    const PersonalRecord::PointSums s = m_record->pointSums(com_PointYear->currentText().toInt());
    for (int m = 0; m < 12; ++m)
        lbl_PointMonths[m]->setText(s.months.value(m));
    lbl_PointSum->setText(m_record->loaded() ? s.summary() : QString());
}

// --- 체력측정 --------------------------------------------------------------------------------------

PersonalFitnessPage::PersonalFitnessPage(PersonalRecord* record, QWidget* parent) : QWidget(parent), m_record(record)
{
    auto* v = pageLayout(this);
    const QStringList labels = fitness::itemLabels(6);
    QList<Col> cols = {{QStringLiteral("측정일자"), QStringLiteral("측정일자"), Col::ReadOnly, 80}};
    for (int i = 1; i <= fitness::kItems; ++i)
        cols.append({labels.value(i - 1).isEmpty() ? fitness::itemCode(i) : labels.value(i - 1), fitness::itemCode(i), Col::Text, 48, {}, 6});
    cols.append({QStringLiteral("비만도"), QStringLiteral("비만도"), Col::ReadOnly, 50});
    panel = new PersonalJournalPanel(record, PersonalRecord::Fitness, cols, this);
    v->addWidget(panel, 1);

    QStringList heads = {QString()};
    for (int i = 1; i <= fitness::kItems; ++i)
        heads.append(labels.value(i - 1).isEmpty() ? fitness::itemCode(i) : labels.value(i - 1));
    heads.append(QStringLiteral("비만도"));
    grd_FitCompare = figureTable(&comparison, 4, heads, this);
    v->addWidget(grd_FitCompare);
    lbl_A13 = new QLabel(this);
    v->addWidget(lbl_A13);
    const char* captions[] = {"최초측정", "문 체 부", "증     감", "체 육 관"};
    for (int r = 0; r < 4; ++r)
        comparison->setText(r, 0, QString::fromUtf8(captions[r]));
}

void PersonalFitnessPage::showComparison()
{
    const PersonalRecord::FitnessComparison c = m_record->fitnessComparison();
    const QStringList captions = {c.firstDate.isEmpty() ? QStringLiteral("최초측정") : c.firstDate, QStringLiteral("문 체 부"),
                                  QStringLiteral("증     감"), QStringLiteral("체 육 관")};
    const QList<QStringList> values = {c.first, c.national, c.change, c.school};
    QList<QStringList> rows;
    for (int r = 0; r < 4; ++r) {
        QStringList row = QStringList{captions[r]} + values[r];
        row.resize(comparison->columnCount());
        rows.append(row);
    }
    comparison->setRows(rows);
    lbl_A13->setText(c.nationalA13.isEmpty() ? QString() : QStringLiteral("문체부 비만도 : ") + c.nationalA13);
}

// --- 출석현황 --------------------------------------------------------------------------------------

PersonalAttendancePage::PersonalAttendancePage(PersonalRecord* record, QWidget* parent) : QWidget(parent), m_record(record)
{
    auto* v = pageLayout(this);
    v->addLayout(yearMonthChooser(this, &com_AbsYear, &com_AbsMonth, false));

    panel = new PersonalJournalPanel(
        record, PersonalRecord::Absences,
        {{QStringLiteral("결 석 일 자"), QStringLiteral("결석일자"), Col::Date, 90},
         {QStringLiteral("결 석 사 유"), QStringLiteral("비고2"), Col::Chooser, 200},
         {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Phrase, 0,
          {QStringLiteral("본인"), QStringLiteral("부모"), QStringLiteral("친척"), QStringLiteral("기타")}}},
        this);
    panel->setRowFilter([this] { return m_record->absenceRows(com_AbsYear->currentText().toInt(), com_AbsMonth->currentText().toInt()); });
    v->addWidget(panel, 1);

    QStringList months = {QString()};
    for (int m = 1; m <= 12; ++m)
        months.append(QStringLiteral("%1월").arg(m));
    grd_AbsCount = figureTable(&counts, 2, months, this);
    v->addWidget(grd_AbsCount);
    lbl_CheckIns = new QLabel(this);
    lbl_CheckIns->setObjectName(QStringLiteral("lbl_CheckIns"));
    v->addWidget(lbl_CheckIns);

    connect(com_AbsYear, qOverload<int>(&QComboBox::activated), this, &PersonalAttendancePage::yearChosen);
    connect(com_AbsMonth, qOverload<int>(&QComboBox::activated), this, &PersonalAttendancePage::monthChosen);
}

void PersonalAttendancePage::showCounts(int year)
{
    const auto byMonth = m_record->absenceCounts(year);
    QList<QStringList> rows;
    for (int r = 0; r < 2; ++r) {
        QStringList row = {QString::number(year - 1 + r) + QStringLiteral(" 년")};
        for (int m = 0; m < 12; ++m)
            row.append(m_record->loaded() ? QString::number(byMonth[r][m]) : QString());
        rows.append(row);
    }
    counts->setRows(rows);
}

void PersonalAttendancePage::showCheckIns()
{
    const int year = com_AbsYear->currentText().toInt(), month = com_AbsMonth->currentText().toInt();
    if (!m_record->loaded() || year <= 0 || month < 1 || month > 12) {
        lbl_CheckIns->clear();
        return;
    }
    const CheckIns::MonthAttendance a = CheckIns::monthOf(m_record->memberNo(), year, month);
    lbl_CheckIns->setText(QStringLiteral("%1년 %2월 출석체크 : %3일 / 운영 %4일").arg(year).arg(month).arg(a.daysCheckedIn).arg(a.daysOpen));
}

// --- 수련비납부 ------------------------------------------------------------------------------------

PersonalFeesPage::PersonalFeesPage(PersonalRecord* record, QWidget* parent) : QWidget(parent), m_record(record)
{
    auto* v = pageLayout(this);
    auto* top = new QHBoxLayout;
    auto field = [&](const QString& caption, const QString& column, int maxLength, int width) {
        top->addWidget(new QLabel(caption, this));
        auto* e = new QLineEdit(this);
        e->setMaxLength(maxLength);
        e->setFixedWidth(width);
        fields.insert(column, e);
        top->addWidget(e);
    };
    field(QStringLiteral("납 부 일 자"), QStringLiteral("납부일자"), 2, 40);
    field(QStringLiteral("수   련   비"), QStringLiteral("수련비"), 9, 80);
    field(QStringLiteral("납부은행"), QStringLiteral("납부은행"), 20, 120);
    top->addStretch();
    com_FeeYear = new QComboBox(this);
    top->addWidget(com_FeeYear);
    top->addWidget(new QLabel(QStringLiteral("년"), this));
    v->addLayout(top);

    v->addLayout(monthCells(this, &lbl_FeeMonths));

    panel = new PersonalJournalPanel(record, PersonalRecord::Fees,
                                     {{QStringLiteral("년 월 분"), QStringLiteral("년월분"), Col::Text, 70, {}, 6},
                                      {QStringLiteral("납 부 일 자"), QStringLiteral("납부일자"), Col::Date, 90},
                                      {QStringLiteral("금 액"), QStringLiteral("납부액"), Col::Money, 90, {}, 11},
                                      {QStringLiteral("비 고"), QStringLiteral("비고"), Col::Text, 0}},
                                     this);
    panel->setRowFilter([this] { return m_record->feeRows(com_FeeYear->currentText().toInt()); });
    v->addWidget(panel, 1);
    connect(com_FeeYear, qOverload<int>(&QComboBox::activated), this, &PersonalFeesPage::yearChosen);
}

void PersonalFeesPage::showMarks(int year)
{
    const QStringList marks = m_record->feeMarks(year);
    for (int m = 0; m < 12; ++m)
        lbl_FeeMonths[m]->setText(marks.value(m));
}
