#include "ui/ScreenHeader.h"

#include "db/Query.h"
#include "db/MemberStatus.h"
#include "db/SchoolInfo.h"

#include "ui/BarButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace ScreenHeader {

QString schoolName() { return SchoolInfo::name(); }

int membersNotWithdrawn()
{
    return db::scalar(QStringLiteral("SELECT count(*) FROM T_회원 WHERE ") + MemberStatus::notWithdrawn()).toInt();
}

QHBoxLayout* build(QWidget* parent, QLabel** schoolNameLabel, QLabel** total, QLabel** found)
{
    auto* head = new QHBoxLayout;
    auto* name = new QLabel(schoolName(), parent);
    QFont f = name->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    name->setFont(f);
    head->addWidget(name, 1);
    if (found) {
        head->addWidget(new QLabel(QStringLiteral("검색인원 : "), parent));
        *found = new QLabel(QStringLiteral("0"), parent);
        head->addWidget(*found);
        head->addSpacing(16);
    }
    head->addWidget(new QLabel(QStringLiteral("총 원 :"), parent));
    auto* count = new QLabel(QString::number(membersNotWithdrawn()), parent);
    head->addWidget(count);
    if (schoolNameLabel)
        *schoolNameLabel = name;
    if (total)
        *total = count;
    return head;
}

WindowTop buildWindowTop(QWidget* window, const QString& title, QSize size, const QList<const char*>& captions)
{
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(size);
    WindowTop t;
    t.bar = new QHBoxLayout;
    for (const char* c : captions)
        t.buttons.append(ui::addBarButton(window, t.bar, c));
    if (!t.buttons.isEmpty())
        QObject::connect(t.buttons.last(), &QPushButton::clicked, window, &QWidget::close);
    t.head = build(window, nullptr, &t.total, &t.found);
    return t;
}

} // namespace ScreenHeader
