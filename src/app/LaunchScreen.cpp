#include "app/LaunchScreen.h"

#include "app/Pictures.h"
#include "ui/ScreenHost.h"
#include "app/Screens.h"
#include "app/uMain.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

QString spacedTitle(const QString& caption)
{
    QStringList letters;
    for (const QChar c : caption)
        if (!c.isSpace())
            letters.append(QString(c));
    return letters.join(u' ');
}

LaunchScreen::LaunchScreen(const QString& className, const QString& caption, const QString& closeCaption, QWidget* parent)
    : QWidget(parent), m_class(className), m_back(Pictures::background())
{
    setWindowTitle(caption);
    setProperty("tamrinFrameless", true);

    auto* titleLabel = new QLabel(spacedTitle(caption), this);
    titleLabel->setObjectName(QStringLiteral("lblTitle"));
    QFont f = titleLabel->font();
    f.setPixelSize(28);
    f.setBold(true);
    titleLabel->setFont(f);
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(QStringLiteral("color: #1d2f5a; background: rgba(255,255,255,170); border-radius: 8px; padding: 8px 24px;"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(12);
    int i = 0;
    auto place = [&](QPushButton* b) {
        b->setMinimumSize(150, 38);
        grid->addWidget(b, i / 3, i % 3);
        m_buttons.append(b);
        ++i;
    };
    for (const screens::Entry& e : screens::entries()) {
        if (e.place.size() != 2 || e.place.first() != className)
            continue;
        auto* b = new QPushButton(e.place.last(), this);
        ScreenHost* host = ScreenHost::current();
        b->setEnabled(host && host->available(e));
        if (!b->isEnabled())
            b->setToolTip(TfMain::kNotYet);
        connect(b, &QPushButton::clicked, this, [e] {
            if (ScreenHost* h = ScreenHost::current())
                h->run(e);
        });
        place(b);
    }
    auto* close = new QPushButton(closeCaption, this);
    close->setObjectName(QStringLiteral("btnExit"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    place(close);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(40, 30, 40, 30);
    v->addWidget(titleLabel, 0, Qt::AlignHCenter);
    v->addSpacing(24);
    v->addLayout(grid);
    v->addStretch(1);
}

QString LaunchScreen::title() const
{
    const auto* l = findChild<QLabel*>(QStringLiteral("lblTitle"));
    return l ? l->text() : QString();
}

QPushButton* LaunchScreen::button(const QString& caption) const
{
    for (QPushButton* b : m_buttons)
        if (b->text() == caption)
            return b;
    return nullptr;
}

void LaunchScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xdf, 0xe8, 0xf2));
    if (!m_back.isNull())
        p.drawPixmap(0, 0, m_back);
}
