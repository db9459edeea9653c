#include "settings/uGymInfo.h"

#include "backup/AutoBackup.h"

#include "db/DatabaseChoice.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "ui/Dialogs.h"
#include "ui/DisplayScale.h"
#include "ui/StatusLine.h"
#include "ui/PasswordEcho.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Field {
    const char* caption;
    const char* column;
    const char* check; // check box column beside a password
};
const Field kFields[] = {
    {"체육관 명 :", "도장명", nullptr},
    {"체육관 명(영문) :", "도장명영", nullptr},
    {"소속 구지부 :", "구", nullptr},
    {"태권도 협회 :", "태권도협회", nullptr},
    {"단체 가입 번호 :", "단체가입번호", nullptr},
    {"납부 은행 :", "납부은행", nullptr},
    {"사업자번호 :", "사업자등록번호", nullptr},
    {"주소 :", "주소", nullptr},
    {"인 사 말 :", "인사말", nullptr},
    {"관 장 명 :", "관장명", nullptr},
    {"단  수 :", "단", nullptr},
    {"단증번호 :", "단증번호", nullptr},
    {"전화번호 :", "전화번호", nullptr},
    {"초기화면 :", "메인화면", "메인화면체크유무"},
    {"금전출납 :", "금전출납화면", "금전출납화면체크유무"},
    {"수 련 비  :", "수련비화면", "수련비화면체크유무"},
};
}

TfGymInfo::TfGymInfo(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("체육관 정보"));
    auto* grid = new QGridLayout;
    int row = 0;
    for (const Field& f : kFields) {
        const QString column = QString::fromUtf8(f.column);
        grid->addWidget(new QLabel(QString::fromUtf8(f.caption), this), row, 0, Qt::AlignRight | Qt::AlignTop);
        if (column == QStringLiteral("인사말")) {
            auto* e = new QPlainTextEdit(this);
            e->setObjectName(column);
            e->setFixedHeight(80);
            grid->addWidget(e, row, 1, 1, 2);
            m_fields.insert(column, e);
        } else {
            auto* e = new QLineEdit(this);
            e->setObjectName(column);
            if (f.check) {
                e->setMaxLength(8);
                echoAsStars(e);
                auto* c = new QCheckBox(QStringLiteral("사용"), this);
                c->setObjectName(QString::fromUtf8(f.check));
                grid->addWidget(e, row, 1);
                grid->addWidget(c, row, 2);
                m_fields.insert(c->objectName(), c);
            } else {
                grid->addWidget(e, row, 1, 1, 2);
            }
            m_fields.insert(column, e);
        }
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("화면 배율 :"), this), row, 0, Qt::AlignRight);
    m_scale = new QComboBox(this);
    m_scale->setObjectName(QStringLiteral("화면배율"));
    for (const int p : DisplayScale::choices())
        m_scale->addItem(QStringLiteral("%1 %").arg(p), p);
    grid->addWidget(m_scale, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("다음 시작부터 적용"), this), row, 2);
    m_fields.insert(m_scale->objectName(), m_scale);
    ++row;
    grid->addWidget(new QLabel(QStringLiteral("자동 보관 :"), this), row, 0, Qt::AlignRight);
    m_autoWhen = new QComboBox(this);
    m_autoWhen->setObjectName(QStringLiteral("자동보관"));
    m_autoWhen->addItems(AutoBackup::whenTexts());
    m_autoKeep = new QSpinBox(this);
    m_autoKeep->setObjectName(QStringLiteral("자동보관개수"));
    m_autoKeep->setRange(1, 999);
    m_autoKeep->setPrefix(QStringLiteral("최근 "));
    m_autoKeep->setSuffix(QStringLiteral(" 개 보관"));
    grid->addWidget(m_autoWhen, row, 1);
    grid->addWidget(m_autoKeep, row, 2);
    m_fields.insert(m_autoWhen->objectName(), m_autoWhen);
    m_fields.insert(m_autoKeep->objectName(), m_autoKeep);
    ++row;
    // Where the school's data lives: kept beside the program, used from the next start.
    grid->addWidget(new QLabel(QStringLiteral("데이터베이스 :"), this), row, 0, Qt::AlignRight);
    m_engine = new QComboBox(this);
    m_engine->setObjectName(QStringLiteral("@데이터베이스"));
    m_engine->addItems({QStringLiteral("이 PC"), QStringLiteral("서버")});
    grid->addWidget(m_engine, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("다음 시작부터 적용"), this), row, 2);
    m_fields.insert(m_engine->objectName(), m_engine);
    const QList<std::pair<const char*, const char*>> server = {
        {"@호스트", "서버 주소 :"}, {"@포트", "포트 :"}, {"@데이터베이스이름", "데이터베이스 이름 :"}, {"@사용자", "사용자 :"}};
    for (const auto& [name, caption] : server) {
        ++row;
        grid->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0, Qt::AlignRight);
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromUtf8(name));
        grid->addWidget(e, row, 1, 1, 2);
        m_fields.insert(e->objectName(), e);
    }
    auto* bar = new QHBoxLayout;
    const QList<std::pair<const char*, const char*>> buttons = {
        {"btnEdit", "수     정"}, {"btnsearch", "조     회"}, {"btnOk", "확     인"}, {"btnCancel", "취     소"}, {"btnExit", "종     료"}};
    for (const auto& [name, text] : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        bar->addWidget(b);
        m_buttons.append(b);
    }
    connect(button("btnEdit"), &QPushButton::clicked, this, &TfGymInfo::btnEditClick);
    connect(button("btnsearch"), &QPushButton::clicked, this, &TfGymInfo::btnsearchClick);
    connect(button("btnOk"), &QPushButton::clicked, this, &TfGymInfo::btnOkClick);
    connect(button("btnCancel"), &QPushButton::clicked, this, &TfGymInfo::btnCancelClick);
    connect(button("btnExit"), &QPushButton::clicked, this, &QWidget::close);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addLayout(bar);
    FormCreate();
}

QPushButton* TfGymInfo::button(const QString& name) const
{
    for (QPushButton* b : m_buttons)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

void TfGymInfo::FormCreate()
{
    showRecord();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfGymInfo::showRecord()
{
    const QHash<QString, QVariant> rec = SchoolInfo::load();
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QVariant v = rec.value(it.key());
        if (auto* e = qobject_cast<QLineEdit*>(it.value()))
            e->setText(v.toString());
        else if (auto* t = qobject_cast<QPlainTextEdit*>(it.value()))
            t->setPlainText(v.toString());
        else if (auto* c = qobject_cast<QCheckBox*>(it.value()))
            c->setChecked(v.toString() == QStringLiteral("1"));
    }
    // Without a stored choice the setting shows what the screen gives now. Larger choices that would
    // put the main window off this screen cannot be chosen.
    const int current = DisplayScale::fromScreen(screen());
    m_shownScale = rec.value(QStringLiteral("화면배율")).toInt();
    if (!DisplayScale::choices().contains(m_shownScale))
        m_shownScale = current;
    auto* model = qobject_cast<QStandardItemModel*>(m_scale->model());
    const QSize room = screen() ? screen()->availableGeometry().size() : QSize();
    for (int i = 0; i < m_scale->count(); ++i) {
        const int percent = m_scale->itemData(i).toInt();
        const bool fits = room.isEmpty() || DisplayScale::fits(percent, QSize(798, 596), room, current);
        // A choice that cannot be taken says why, in the list itself.
        m_scale->setItemText(i, fits ? QStringLiteral("%1 %").arg(percent)
                                     : QStringLiteral("%1 % (이 화면보다 커서 선택할 수 없음)").arg(percent));
        m_scale->setItemData(i, fits ? QVariant()
                                     : QVariant(QStringLiteral("%1 %에서는 주 화면이 %2×%3으로 이 화면(%4×%5)보다 커집니다.")
                                                    .arg(percent)
                                                    .arg(798 * percent / 100)
                                                    .arg(596 * percent / 100)
                                                    .arg(room.width() * current / 100)
                                                    .arg(room.height() * current / 100)),
                             Qt::ToolTipRole);
        if (model)
            model->item(i)->setEnabled(fits || percent == m_shownScale);
    }
    m_scale->setCurrentIndex(m_scale->findData(m_shownScale));
    const AutoBackup::Setting autoBackup = AutoBackup::setting();
    m_autoWhen->setCurrentIndex(int(autoBackup.when));
    m_autoKeep->setValue(autoBackup.keep);
    const DatabaseChoice choice = DatabaseChoice::load();
    m_engine->setCurrentIndex(choice.server ? 1 : 0);
    setText(QStringLiteral("@호스트"), choice.host);
    setText(QStringLiteral("@포트"), QString::number(choice.port));
    setText(QStringLiteral("@데이터베이스이름"), choice.database);
    setText(QStringLiteral("@사용자"), choice.user);
}

DatabaseChoice TfGymInfo::chosenDatabase() const
{
    auto text = [&](const char* name) {
        auto* e = qobject_cast<QLineEdit*>(m_fields.value(QString::fromUtf8(name)));
        return e ? e->text().trimmed() : QString();
    };
    DatabaseChoice c;
    c.server = m_engine->currentIndex() == 1;
    c.host = text("@호스트");
    c.port = text("@포트").isEmpty() ? 5432 : text("@포트").toInt();
    c.database = text("@데이터베이스이름");
    c.user = text("@사용자");
    return c;
}

void TfGymInfo::setChosenDatabase(const DatabaseChoice& c)
{
    m_engine->setCurrentIndex(c.server ? 1 : 0);
    setText(QStringLiteral("@호스트"), c.host);
    setText(QStringLiteral("@포트"), QString::number(c.port));
    setText(QStringLiteral("@데이터베이스이름"), c.database);
    setText(QStringLiteral("@사용자"), c.user);
}

int TfGymInfo::chosenScale() const { return m_scale->currentData().toInt(); }

void TfGymInfo::setChosenScale(int percent) { m_scale->setCurrentIndex(m_scale->findData(percent)); }

void TfGymInfo::chgEdBoxState(bool on)
{
    for (QWidget* w : std::as_const(m_fields))
        w->setEnabled(on);
}

void TfGymInfo::chgButtonState(bool editing)
{
    m_editing = editing;
    for (QPushButton* b : m_buttons) {
        const bool editButton = b->objectName() == QStringLiteral("btnOk") || b->objectName() == QStringLiteral("btnCancel");
        b->setEnabled(editing ? editButton : !editButton);
    }
}

void TfGymInfo::setText(const QString& column, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(m_fields.value(column)))
        e->setText(text);
    else if (auto* t = qobject_cast<QPlainTextEdit*>(m_fields.value(column)))
        t->setPlainText(text);
}

void TfGymInfo::setChecked(const QString& column, bool on)
{
    if (auto* c = qobject_cast<QCheckBox*>(m_fields.value(column)))
        c->setChecked(on);
}

void TfGymInfo::btnEditClick()
{
    chgEdBoxState(true);
    chgButtonState(true);
    if (auto* first = m_fields.value(QStringLiteral("도장명")))
        first->setFocus();
}

void TfGymInfo::btnsearchClick()
{
    showRecord();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfGymInfo::btnOkClick()
{
    QHash<QString, QVariant> values;
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        QString text;
        if (auto* e = qobject_cast<QLineEdit*>(it.value()))
            text = e->text();
        else if (auto* t = qobject_cast<QPlainTextEdit*>(it.value()))
            text = t->toPlainText();
        else if (auto* c = qobject_cast<QCheckBox*>(it.value()))
            text = c->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else
            continue; // drop-downs and counters are saved by their own owners below
        if (it.key().startsWith(u'@'))
            continue; // the database choice is kept beside the program, not in the record
        // An empty password field means no password, not a password of nothing.
        values.insert(it.key(), text.isEmpty() ? QVariant() : QVariant(text));
    }
    const bool scaleChanged = chosenScale() != m_shownScale;
    const DatabaseChoice database = chosenDatabase();
    const bool databaseChanged = database.address() != DatabaseChoice::load().address();
    if (const QString why = database.problem(); !why.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), why, this);
        return;
    }
    try {
        db::Transaction t;
        SchoolInfo::save(values);
        if (scaleChanged)
            SchoolInfo::setDisplayScale(chosenScale());
        AutoBackup::saveSetting({AutoBackup::When(m_autoWhen->currentIndex()), m_autoKeep->value()});
        t.commit();
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    QString why;
    if (databaseChanged && !database.save(&why)) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + why, this);
        return;
    }
    StatusLine::show(databaseChanged ? QStringLiteral("체육관 정보 저장: 데이터베이스 설정은 다음 시작부터 적용됩니다.")
                     : scaleChanged  ? QStringLiteral("체육관 정보 저장: 화면 배율 %1 %는 다음 시작부터 적용됩니다.").arg(chosenScale())
                                     : QStringLiteral("체육관 정보 저장"));
    showRecord();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfGymInfo::btnCancelClick()
{
    showRecord();
    chgEdBoxState(false);
    chgButtonState(false);
}
