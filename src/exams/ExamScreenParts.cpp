#include "exams/ExamScreenParts.h"

#include "ui/BarButton.h"

#include "db/Clock.h"
#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "ui/Dialogs.h"
#include "db/SchoolInfo.h"
#include "report/ExportButtons.h"
#include "ui/DateEdit.h"

#include <QPlainTextEdit>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QTimeEdit>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <QLabel>
#include <QPushButton>

namespace ExamScreenParts {

Header addHeader(QWidget* screen, QBoxLayout* layout, const QString& title)
{
    auto* row = new QHBoxLayout;
    if (!title.isEmpty()) {
        auto* t = new QLabel(title, screen);
        QFont f = t->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 4);
        t->setFont(f);
        row->addWidget(t);
        row->addSpacing(16);
    }
    Header h;
    h.company = new QLabel(SchoolInfo::name(), screen);
    QFont f = h.company->font();
    f.setBold(true);
    h.company->setFont(f);
    h.total = new QLabel(QStringLiteral("총 원 :") +
                             db::scalarText(QStringLiteral("SELECT Count(*) FROM T_회원 WHERE ") + MemberStatus::notWithdrawn()),
                         screen);
    h.found = new QLabel(screen);
    showFound(h, 0);
    row->addWidget(h.company, 1);
    row->addWidget(h.total);
    row->addSpacing(12);
    row->addWidget(h.found);
    layout->addLayout(row);
    return h;
}

void showFound(const Header& h, int count) { h.found->setText(QStringLiteral("검색인원 : ") + QString::number(count)); }

QPushButton* addButton(QWidget* screen, QBoxLayout* bar, const char* caption, const char* name)
{
    return ui::addBarButton(screen, bar, caption, name);
}

PrintTop addPrintTop(QWidget* screen, QBoxLayout* top, const QList<const char*>& captions)
{
    PrintTop t;
    t.header = addHeader(screen, top);
    auto* bar = new QHBoxLayout;
    for (const char* c : captions)
        t.buttons.append(addButton(screen, bar, c));
    t.close = addButton(screen, bar, "종     료");
    QObject::connect(t.close, &QPushButton::clicked, screen, &QWidget::close);
    ExportButtons::addForWindow(bar, screen, t.close);
    bar->addStretch();
    top->addLayout(bar);
    return t;
}

ExamPaperwork::Sitting sittingOf(const ExamFields& f, const QPlainTextEdit* content)
{
    ExamPaperwork::Sitting s;
    s.date = f.date->date();
    s.time = f.time->time();
    s.examNo = f.number->text().trimmed();
    s.place = f.place->text();
    s.attire = f.dress->text();
    s.content = content->toPlainText();
    return s;
}

ExamFields addExamFields(QWidget* screen, QGridLayout* form)
{
    ExamFields f;
    f.date = new DateEdit(Clock::today(), screen);
    f.time = new QTimeEdit(QTime(Clock::now().time().hour(), 0), screen);
    f.time->setDisplayFormat(QStringLiteral("HH:mm"));
    f.number = new QLineEdit(QString::number(ExamNumber::next()), screen);
    f.number->setMaxLength(3);
    f.number->setFixedWidth(50);
    f.place = new QLineEdit(QStringLiteral("본 체육관"), screen);
    f.dress = new QLineEdit(QStringLiteral("도복"), screen);
    form->addWidget(new QLabel(QStringLiteral("심 사 일"), screen), 0, 0);
    form->addWidget(f.date, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("시 간"), screen), 0, 2);
    form->addWidget(f.time, 0, 3);
    form->addWidget(new QLabel(QStringLiteral("횟 수"), screen), 0, 4);
    form->addWidget(f.number, 0, 5);
    form->addWidget(new QLabel(QStringLiteral("심사 장소"), screen), 1, 0);
    form->addWidget(f.place, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("심사 복장"), screen), 1, 2);
    form->addWidget(f.dress, 1, 3);
    return f;
}

void setColumnWidths(QTableView* grid, const QList<int>& widths)
{
    const QFontMetrics fm = grid->horizontalHeader()->fontMetrics();
    for (int c = 0; c < widths.size() && c < grid->model()->columnCount(); ++c) {
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString().trimmed();
        grid->setColumnWidth(c, std::max(widths[c], fm.horizontalAdvance(heading) + 12));
    }
}

void saveError(QWidget* screen, const db::Error& e)
{
    Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), screen);
}

} // namespace ExamScreenParts
