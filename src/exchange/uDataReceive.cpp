#include "exchange/uDataReceive.h"

#include "db/ProgramDir.h"
#include "exchange/TransferFile.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {
const QString kCaption = QStringLiteral("온라인 입관자료");
QString folder() { return ProgramDir::file(QStringLiteral("입관자료")); }
}

TfDataReceive::TfDataReceive(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfDataReceive"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 400);
    auto* g = new QGridLayout(this);
    g->addWidget(new QLabel(QStringLiteral("입관자료 파일"), this), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("  입관선택자료"), this), 0, 1);
    lst_Files = new QListView(this);
    lst_Files->setObjectName(QStringLiteral("lst_Files"));
    lst_Files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_files = new QStringListModel(this);
    lst_Files->setModel(m_files);
    lst_Result = new QListView(this);
    lst_Result->setObjectName(QStringLiteral("lst_Result"));
    lst_Result->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_result = new QStringListModel(this);
    lst_Result->setModel(m_result);
    g->addWidget(lst_Files, 1, 0);
    g->addWidget(lst_Result, 1, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    btn_Receive = new QPushButton(QStringLiteral("입관자료  등록"), this);
    btn_Receive->setObjectName(QStringLiteral("btn_Receive"));
    btn_Exit = new QPushButton(QStringLiteral("종     료"), this);
    btn_Exit->setObjectName(QStringLiteral("btn_Exit"));
    bar->addWidget(btn_Receive);
    bar->addWidget(btn_Exit);
    g->addLayout(bar, 2, 0, 1, 2);
    connect(btn_Receive, &QPushButton::clicked, this, &TfDataReceive::btn_ReceiveClick);
    connect(lst_Files, &QListView::doubleClicked, this, &TfDataReceive::btn_ReceiveClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    refreshFiles();
}

QStringList TfDataReceive::files() const
{
    return QDir(folder()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

void TfDataReceive::refreshFiles() { m_files->setStringList(files()); }

void TfDataReceive::btn_ReceiveClick()
{
    // The file the user chose (a selected line, not just the focus), read before the list is read again
    // from the folder, which clears it.
    const QModelIndexList selected = lst_Files->selectionModel()->selectedIndexes();
    const QString chosen = selected.isEmpty() ? QString() : selected.first().data().toString();
    refreshFiles();
    if (m_files->rowCount() == 0) {
        Dialogs::info(kCaption, QStringLiteral("입관 자료가 존재하지 않습니다."), this);
        return;
    }
    const int row = chosen.isEmpty() ? -1 : int(m_files->stringList().indexOf(chosen));
    if (row < 0) {
        Dialogs::info(kCaption, QStringLiteral("입관 대상자를 선택하세요."), this);
        lst_Files->setFocus();
        return;
    }
    lst_Files->setCurrentIndex(m_files->index(row));
    importFile(chosen);
}

void TfDataReceive::importFile(const QString& fileName)
{
    const QString path = folder() + u'/' + fileName;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        Dialogs::error(kCaption, QStringLiteral("파일을 읽을 수 없습니다: %1\n%2").arg(QDir::toNativeSeparators(path), f.errorString()), this);
        return;
    }
    const QByteArray bytes = f.readAll();
    f.close();
    TransferFile::Result r = TransferFile::import(bytes);
    if (r.outcome == TransferFile::Outcome::UnknownCodes) {
        // A school may add the codes first; otherwise the member comes in with them.
        if (!Dialogs::yesNo(kCaption, r.message + QStringLiteral("\n\n그대로 입관 처리하시겠습니까?"), this))
            return;
        r = TransferFile::import(bytes, true);
    }
    if (r.outcome != TransferFile::Outcome::Imported) {
        if (r.outcome == TransferFile::Outcome::Empty)
            Dialogs::info(kCaption, r.message, this);
        else
            Dialogs::error(kCaption, r.message, this);
        return;
    }
    // Only now that the member is saved: the file goes and the list shows him.
    Dialogs::info(kCaption, r.message, this);
    m_imported << r.name;
    m_result->setStringList(m_imported);
    QFile::remove(path);
    refreshFiles();
    StatusLine::show(QStringLiteral("입관 등록: %1 %2").arg(r.memberNo, r.name));
}
