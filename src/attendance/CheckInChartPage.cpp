#include "attendance/CheckInChartPage.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "report/PageLayout.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/StatusLine.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("출석 그래프");

// One landscape page: the school, the period and the chart as it is on the screen.
class ChartSheet : public report::PageLayout {
public:
    ChartSheet(QString heading, QPicture chart) : m_heading(std::move(heading)), m_chart(std::move(chart)) {}

protected:
    bool landscape() const override { return true; }
    void build(report::PageBuilder& pages) const override
    {
        pages.newPage();
        report::TextStyle title;
        title.size = 16;
        title.bold = true;
        title.align = Qt::AlignCenter;
        pages.text(QRectF(15, 12, 267, 10), m_heading, title);
        pages.picture(QRectF(15, 28, 267, 165), m_chart);
    }

private:
    QString m_heading;
    QPicture m_chart;
};

} // namespace

CheckInChartPage::CheckInChartPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CheckInChartPage"));
    auto* lay = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    com_bu = new DivisionFilter(this);
    com_bu->setObjectName(QStringLiteral("com_bu"));
    const QDate today = Clock::today();
    dtpk_FromDate = new DateEdit(QDate(today.year(), today.month(), 1), this);
    dtpk_FromDate->setObjectName(QStringLiteral("dtpk_FromDate"));
    dtpk_ToDate = new DateEdit(today, this);
    dtpk_ToDate->setObjectName(QStringLiteral("dtpk_ToDate"));
    btnRefresh = new QPushButton(QStringLiteral("조     회"), this);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    btnSave = new QPushButton(QStringLiteral("PNG 저장"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnPrint = new QPushButton(QStringLiteral("출     력"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    row->addWidget(new QLabel(QStringLiteral("부 명"), this));
    row->addWidget(com_bu);
    row->addWidget(new QLabel(QStringLiteral("조회 기간"), this));
    row->addWidget(dtpk_FromDate);
    row->addWidget(new QLabel(QStringLiteral("~"), this));
    row->addWidget(dtpk_ToDate);
    row->addStretch();
    lay->addLayout(row);
    row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(btnRefresh);
    row->addWidget(btnSave);
    row->addWidget(btnPrint);
    lay->addLayout(row);
    chart = new QChartView(this);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setRenderHint(QPainter::Antialiasing);
    lay->addWidget(chart, 1);
    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
}

void CheckInChartPage::btnRefreshClick()
{
    const QDate from = dtpk_FromDate->date(), to = dtpk_ToDate->date();
    m_days = CheckInReports::perDay({com_bu->condition(QStringLiteral("b.부별코드")), QString()}, from, to);
    auto* set = new QBarSet(QStringLiteral("출석 인원"));
    QStringList days;
    int most = 0;
    for (const auto& [day, n] : m_days) {
        *set << n;
        days << day.toString(QStringLiteral("M/d"));
        most = std::max(most, n);
    }
    auto* series = new QBarSeries;
    series->append(set);
    auto* c = new QChart;
    c->setTitle(QStringLiteral("일자별 출석 인원 (%1 ~ %2)").arg(db::dateText(from), db::dateText(to)));
    c->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(days);
    x->setLabelsAngle(days.size() > 16 ? -90 : 0);
    auto* y = new QValueAxis;
    y->setRange(0, std::max(1, most));
    y->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    c->legend()->hide();
    QChart* old = chart->chart();
    chart->setChart(c);
    delete old;
}

bool CheckInChartPage::savePng(const QString& path) const
{
    QImage image(1600, 900, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    chart->render(&p, QRectF(0, 0, image.width(), image.height()));
    p.end();
    return image.save(path, "PNG");
}

void CheckInChartPage::btnSaveClick()
{
    if (m_days.isEmpty())
        btnRefreshClick();
    const QString path = Dialogs::current().saveFile(this, QStringLiteral("그래프 저장"),
                                                     Dialogs::fittingPath(kTitle + u'_' + Clock::todayText() + QStringLiteral(".png")),
                                                     QStringLiteral("PNG 그림 (*.png)"));
    if (path.isEmpty())
        return;
    if (!savePng(path)) {
        Dialogs::error(QStringLiteral("오류"), path + QStringLiteral(" 파일을 쓸 수 없습니다."), this);
        return;
    }
    StatusLine::show(path + QStringLiteral(" 파일을 저장하였습니다."));
}

void CheckInChartPage::btnPrintClick()
{
    if (m_days.isEmpty())
        btnRefreshClick();
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    chart->render(&p, QRectF(0, 0, 2670, 1650)); // 0.1 mm
    p.end();
    ChartSheet(SchoolInfo::name() + QStringLiteral("  ") + kTitle, picture).run(0, kTitle, this);
}
