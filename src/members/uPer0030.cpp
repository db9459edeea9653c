#include "members/uPer0030.h"

#include "db/Clock.h"
#include "db/MemberStatus.h"
#include "members/PersonalPrintouts.h"
#include "ui/Dialogs.h"
#include "ui/MemberChooser.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfPer0030::TfPer0030(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPer0030"));
    setWindowTitle(QStringLiteral("개인자료 일괄출력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(420, 260);

    auto* boxes = new QGridLayout;
    const QStringList captions = PersonalPrintouts::partCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto* c = new QCheckBox(captions[i]);
        chk_Parts << c;
        boxes->addWidget(c, i / 2, i % 2);
    }
    com_Name = new MemberChooser(MemberStatus::active(QStringLiteral("a")));
    btnPreview = new QPushButton(QStringLiteral("미리 보기"));
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("성  명 : ")));
    bottom->addWidget(com_Name, 1);
    bottom->addWidget(btnPreview);
    bottom->addWidget(btnPrint);
    auto* root = new QVBoxLayout(this);
    root->addLayout(boxes);
    root->addLayout(bottom);

    connect(btnPreview, &QPushButton::clicked, this, [this] { run(0); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { run(1); });
}

bool TfPer0030::run(int destination)
{
    QList<PersonalPrintouts::Part> parts;
    for (int i = 0; i < chk_Parts.size(); ++i)
        if (chk_Parts[i]->isChecked())
            parts << PersonalPrintouts::Part(i);
    if (parts.isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("출력할 항목을 선택하세요."), this);
        return false;
    }
    const QString no = com_Name->memberNo();
    const QString name = no.isEmpty() ? QString() : com_Name->text().trimmed();
    const PersonalPrintouts::Pages pages(name, Clock::today(), PersonalPrintouts::personal(no, parts, Clock::today()));
    return pages.run(destination, QStringLiteral("개인자료 일괄출력"), this);
}
