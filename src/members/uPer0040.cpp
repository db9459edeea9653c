#include "members/uPer0040.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "members/PersonalPrintouts.h"
#include "ui/MemberChooser.h"

#include <QButtonGroup>
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
    com_Name = new MemberChooser(MemberStatus::active(QStringLiteral("a")));
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
    // "신규": the members enrolled today; "전체": every attending member.
    QString condition = MemberStatus::active(QStringLiteral("a"));
    if (rdo_New->isChecked())
        condition += QStringLiteral(" AND a.입관일 = '%1'").arg(db::dateText(Clock::today()));
    com_Name->setCondition(condition);
    com_Name->setMemberNo(QString());
}

bool TfPer0040::run(int destination)
{
    const QString no = com_Name->memberNo();
    if (no.isEmpty() || com_Name->text().trimmed().isEmpty())
        return false;
    const PersonalPrintouts::Pages pages(com_Name->text().trimmed(), Clock::today(), PersonalPrintouts::registration(no, Clock::today()));
    return pages.run(destination, QStringLiteral("등록확인"), this);
}
