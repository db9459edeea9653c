#include "members/uPer0040.h"

#include "db/Clock.h"
#include "members/PersonalPrintouts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

TfPer0040::TfPer0040(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPer0040"));
    setWindowTitle(QStringLiteral("등록확인"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(280, 130);

    rdo_New = new QRadioButton(QStringLiteral("신규"));
    rdo_All = new QRadioButton(QStringLiteral("전체"));
    auto* group = new QButtonGroup(this);
    group->addButton(rdo_New);
    group->addButton(rdo_All);
    rdo_New->setChecked(true);
    com_Name = new QComboBox;
    com_Name->setEditable(true);
    com_Name->setMaxVisibleItems(20);
    com_Name->setInsertPolicy(QComboBox::NoInsert);
    btnPreview = new QPushButton(QStringLiteral("미리 보기"));
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(rdo_New, 0, 0);
    grid->addWidget(rdo_All, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("성  명 : ")), 1, 0);
    grid->addWidget(com_Name, 1, 1, 1, 2);
    grid->addWidget(btnPreview, 2, 1);
    grid->addWidget(btnPrint, 2, 2);

    connect(group, &QButtonGroup::buttonClicked, this, [this] { reloadNames(); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { run(0); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { run(1); });
    reloadNames();
}

void TfPer0040::reloadNames()
{
    com_Name->clear();
    for (const auto& [no, name] : PersonalPrintouts::registrationMembers(rdo_New->isChecked(), Clock::today()))
        com_Name->addItem(name, no);
    com_Name->setCurrentIndex(-1);
    com_Name->setEditText(QString());
}

bool TfPer0040::run(int destination)
{
    if (com_Name->currentText().trimmed().isEmpty())
        return false;
    const int i = com_Name->findText(com_Name->currentText().trimmed());
    if (i < 0)
        return false;
    const QString no = com_Name->itemData(i).toString();
    const PersonalPrintouts::Pages pages(com_Name->itemText(i), Clock::today(), PersonalPrintouts::registration(no, Clock::today()));
    return pages.run(destination, QStringLiteral("등록확인"), this);
}
