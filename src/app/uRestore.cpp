#include "app/uRestore.h"

#include "backup/DataBackup.h"
#include "app/DataRestore.h"
#include "app/ProgramStarter.h"
#include "db/ProgramDir.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfRestore::TfRestore(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("자료 복구"));
    resize(560, 340);

    auto* label = new QLabel(QStringLiteral("복구할 보관자료를 선택하세요. 현재 자료는 복구 전에 backup 폴더에 따로 보관됩니다."), this);
    label->setWordWrap(true);
    lst_Backup = new QTreeWidget(this);
    lst_Backup->setHeaderLabels({QStringLiteral("보관자료"), QStringLiteral("보관일시"), QStringLiteral("크기")});
    lst_Backup->setRootIsDecorated(false);
    lst_Backup->header()->setStretchLastSection(false);
    lst_Backup->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lst_Backup->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lst_Backup->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    btn_Other = new QPushButton(QStringLiteral("다른 파일..."), this);
    Btn_Restore = new QPushButton(QStringLiteral("복     구"), this);
    Btn_Close = new QPushButton(QStringLiteral("종     료"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_Other);
    buttons->addStretch();
    buttons->addWidget(Btn_Restore);
    buttons->addWidget(Btn_Close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lst_Backup);
    layout->addLayout(buttons);

    connect(btn_Other, &QPushButton::clicked, this, &TfRestore::Btn_OtherClick);
    connect(Btn_Restore, &QPushButton::clicked, this, &TfRestore::Btn_RestoreClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QDialog::reject);
    connect(lst_Backup, &QTreeWidget::itemDoubleClicked, this, &TfRestore::Btn_RestoreClick);
    FillList();
}

void TfRestore::addEntry(const QString& file, const QDateTime& modified, qint64 size, bool atTop, bool automatic)
{
    const QString name = QFileInfo(file).fileName();
    auto* item = new QTreeWidgetItem({automatic ? QStringLiteral("자동 보관: ") + name : name,
                                      modified.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                      QLocale(QLocale::Korean).toString(double(size) / 1024.0, 'f', 0) + QStringLiteral(" KB")});
    item->setData(0, Qt::UserRole, file);
    item->setToolTip(0, QDir::toNativeSeparators(file));
    if (atTop)
        lst_Backup->insertTopLevelItem(0, item);
    else
        lst_Backup->addTopLevelItem(item);
}

void TfRestore::FillList()
{
    lst_Backup->clear();
    for (const DataRestore::Copy& c : DataRestore::backups())
        addEntry(c.file, c.modified, c.size, false, c.automatic);
    if (lst_Backup->topLevelItemCount() > 0)
        lst_Backup->setCurrentItem(lst_Backup->topLevelItem(0));
}

void TfRestore::Btn_OtherClick()
{
    const QString file = Dialogs::current().openFile(this, QStringLiteral("복구할 보관자료를 선택하세요"),
                                                      ProgramDir::file(QStringLiteral("backup")), DataBackup::fileFilter()
                                                          + QStringLiteral(";;모든 파일 (*)"));
    if (file.isEmpty())
        return;
    const QFileInfo fi(file);
    addEntry(fi.absoluteFilePath(), fi.lastModified(), fi.size(), true);
    lst_Backup->setCurrentItem(lst_Backup->topLevelItem(0));
}

void TfRestore::Btn_RestoreClick()
{
    QTreeWidgetItem* item = lst_Backup->currentItem();
    if (!item) {
        Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("복구할 보관자료를 선택하세요."), this);
        return;
    }
    const QString file = item->data(0, Qt::UserRole).toString();
    if (!Dialogs::yesNo(QStringLiteral("확인"),
                        QStringLiteral("현재 자료를 선택한 보관자료(%1)로 바꿉니다. 복구 하시겠습니까?").arg(QFileInfo(file).fileName()),
                        this, QMessageBox::Warning))
        return;

    const DataRestore::Result r = DataRestore::restore(file, waitMs);
    switch (r.outcome) {
    case DataRestore::Outcome::Restored:
        break;
    case DataRestore::Outcome::Damaged:
        Dialogs::error(QStringLiteral("오류"),
                       QStringLiteral("선택한 보관자료는 복구에 쓸 수 없습니다. 현재 자료는 그대로 있습니다.\n") + r.detail, this);
        return;
    case DataRestore::Outcome::InUse:
        Dialogs::warning(QStringLiteral("확인요망"), r.detail, this);
        return;
    case DataRestore::Outcome::Failed:
        Dialogs::error(QStringLiteral("오류"),
                       QStringLiteral("자료 복구에 실패 하였습니다. 현재 자료는 그대로 있습니다.\n") + r.detail, this);
        return;
    }

    QString text = QStringLiteral("자료가 성공적으로 복구 되었습니다.");
    if (!r.safetyCopy.isEmpty())
        text += QStringLiteral("\n복구 전의 자료는 %1 에 보관하였습니다.").arg(QDir::toNativeSeparators(r.safetyCopy));
    Dialogs::info(QStringLiteral("확인"), text, this);
    FillList();
    if (Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("프로그램을 다시 시작하시겠습니까?"), this)) {
        if (!ProgramStarter::start(ProgramStarter::mainProgram()))
            Dialogs::warning(QStringLiteral("확인"), QStringLiteral("프로그램을 시작할 수 없습니다. 직접 실행하세요."), this);
        accept();
    }
}
