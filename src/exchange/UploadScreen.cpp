#include "exchange/UploadScreen.h"

#include "ui/ScreenHost.h"
#include "db/Session.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/GridColumns.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

UploadScreen::UploadScreen(Kind kind, const QString& objectName, const QString& caption, QWidget* parent)
    : QWidget(parent), m_kind(kind)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 480);
    auto* root = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("이   름"), this));
    Com_Name = new QLineEdit(this);
    Com_Name->setObjectName(QStringLiteral("Com_Name"));
    bar->addWidget(Com_Name);
    bar->addWidget(new QLabel(QStringLiteral("부   별"), this));
    Com_Bu = new DivisionFilter(this);
    Com_Bu->setObjectName(QStringLiteral("Com_Bu"));
    bar->addWidget(Com_Bu);
    bar->addWidget(new QLabel(QStringLiteral("검색인원 : "), this));
    search_num = new QLabel(QStringLiteral("0"), this);
    bar->addWidget(search_num);
    bar->addStretch();
    auto button = [&](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    btn_Refresh = button("btn_Refresh", "조     회");
    btn_Print = button("btn_Print", "자료생성");
    btn_Exit = button("btn_Exit", "종     료");
    root->addLayout(bar);

    QStringList headings = UploadFiles::commonHeadings();
    if (kind == Kind::Newsletter)
        headings << QStringLiteral("이메일") << QStringLiteral("조회용-핸드폰번호");
    else if (kind == Kind::Sms)
        headings << QStringLiteral("핸드폰번호");
    else
        headings << QStringLiteral("이메일");
    m_list = new ListModel(headings, true, this);
    ListView_Upload = new QTableView(this);
    ListView_Upload->setObjectName(QStringLiteral("ListView_Upload"));
    setUpGrid(ListView_Upload);
    ListView_Upload->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView_Upload->setModel(m_list);
    fitColumns(ListView_Upload);
    root->addWidget(ListView_Upload, 1);

    connect(btn_Refresh, &QPushButton::clicked, this, &UploadScreen::btn_RefreshClick);
    connect(Com_Name, &QLineEdit::returnPressed, this, &UploadScreen::btn_RefreshClick);
    connect(btn_Print, &QPushButton::clicked, this, &UploadScreen::btn_PrintClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(ListView_Upload, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        Session::setSelectedMemberNo(m_list->text(i.row(), 0));
        if (ScreenHost* host = ScreenHost::current())
            host->open(QStringLiteral("TfPer0020"));
    });
}

void UploadScreen::btn_RefreshClick()
{
    m_trainees = UploadFiles::trainees(Com_Name->text(), Com_Bu->currentIndex(), Com_Bu->currentText());
    QList<QStringList> rows;
    for (const auto& t : m_trainees) {
        QStringList r = UploadFiles::commonColumns(t);
        if (m_kind == Kind::Newsletter)
            r << t.email << t.mobile;
        else if (m_kind == Kind::Sms)
            r << t.mobile;
        else
            r << t.email;
        rows << r;
    }
    m_list->setRows(rows, true);
    fitColumns(ListView_Upload);
    search_num->setText(QString::number(rows.size()));
    if (rows.isEmpty())
        Dialogs::info(QStringLiteral("온라인 통보자료"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

QList<UploadFiles::Trainee> UploadScreen::tickedTrainees() const
{
    QList<UploadFiles::Trainee> out;
    for (int r : m_list->tickedRows())
        out << m_trainees.value(r);
    return out;
}

void UploadScreen::btn_PrintClick()
{
    if (m_list->rowCount() == 0) {
        Dialogs::show(NoticeFile::emptyList(windowTitle()), this);
        return;
    }
    const QList<UploadFiles::Trainee> ticked = tickedTrainees();
    const NoticeFile file = m_kind == Kind::Records      ? UploadFiles::recordFile(ticked)
                            : m_kind == Kind::Newsletter ? UploadFiles::newsletterFile(ticked)
                                                         : UploadFiles::smsFile(ticked);
    if (Dialogs::show(file.write(windowTitle()), this))
        StatusLine::show(QDir::toNativeSeparators(file.path()) + QStringLiteral(" 파일이 생성되었습니다."));
}
