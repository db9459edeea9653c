#include "report/ExportButtons.h"

#include "db/Clock.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QAbstractItemModel>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QAbstractSpinBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace ExportButtons {

namespace {
// What the list's columns say they hold; a column that says nothing is saved by its values.
listexport::Kind kindOf(const QVariant& declared)
{
    if (!declared.isValid())
        return listexport::Kind::Auto;
    switch (ListModel::Kind(declared.toInt())) {
    case ListModel::Text:
    case ListModel::Code: return listexport::Kind::Text;
    case ListModel::Number: return listexport::Kind::Number;
    case ListModel::Money: return listexport::Kind::Money;
    case ListModel::Date: return listexport::Kind::Date;
    case ListModel::Auto: break;
    }
    return listexport::Kind::Auto;
}
} // namespace

listexport::Table fromView(const QTableView* view, const QString& title, const QStringList& filters)
{
    listexport::Table t;
    t.title = title;
    t.filters = filters;
    if (!view || !view->model())
        return t;
    // A long list shown a page at a time is saved whole.
    QAbstractItemModel* model = view->model();
    while (model->canFetchMore({}))
        model->fetchMore({});
    t.model = model;
    const QHeaderView* h = view->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (view->isColumnHidden(c) || view->columnWidth(c) == 0 || t.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed().isEmpty())
            continue;
        t.columns.append(c);
        t.kinds.append(kindOf(t.model->headerData(c, Qt::Horizontal, ListModel::KindRole)));
    }
    return t;
}

namespace {

bool insideView(const QWidget* w, const QWidget* area)
{
    for (const QWidget* p = w; p && p != area; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

QString plain(QString s)
{
    s.remove(u'&');
    s = s.simplified();
    while (s.endsWith(u':'))
        s.chop(1);
    return s.trimmed();
}

} // namespace

QStringList filtersOf(const QWidget* area, const QWidget* list)
{
    QStringList out;
    QString caption;
    bool muted = false; // values after an unticked check box do not apply
    for (const QWidget* w : area->findChildren<const QWidget*>()) {
        if (w == list)
            break; // what comes after the list sets up printing, not what is listed
        if (!w->isVisibleTo(area) || insideView(w, area))
            continue;
        if (qobject_cast<const QLineEdit*>(w)
            && (qobject_cast<const QComboBox*>(w->parentWidget()) || qobject_cast<const QAbstractSpinBox*>(w->parentWidget())))
            continue; // the combo or spin box speaks for its own line edit
        QString value;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            const QString text = plain(l->text());
            if (text != QStringLiteral("~"))
                muted = false;
            caption = text;
            continue;
        }
        if (const auto* c = qobject_cast<const QComboBox*>(w))
            value = c->currentText();
        else if (const auto* d = qobject_cast<const QDateEdit*>(w))
            value = d->date().isValid() ? d->date().toString(QStringLiteral("yyyy-MM-dd")) : QString();
        else if (const auto* n = qobject_cast<const QAbstractSpinBox*>(w))
            value = n->text();
        else if (const auto* e = qobject_cast<const QLineEdit*>(w))
            value = e->echoMode() == QLineEdit::Normal ? e->text() : QString();
        else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            if (qobject_cast<const QRadioButton*>(b) || qobject_cast<const QCheckBox*>(b)) {
                muted = qobject_cast<const QCheckBox*>(b) && !b->isChecked();
                if (b->isChecked())
                    out << plain(b->text());
                caption.clear();
            }
            continue;
        } else
            continue;
        value = value.simplified();
        if (!value.isEmpty() && !muted && w->isEnabled()) {
            if (caption == QStringLiteral("~") && !out.isEmpty())
                out.last() += QStringLiteral(" ~ ") + value;
            else
                out << (caption.isEmpty() ? value : caption + QStringLiteral(": ") + value);
        }
        caption.clear();
    }
    return out;
}

listexport::Table fromArea(const QWidget* area, const QString& title)
{
    const QTableView* best = nullptr;
    for (const QTableView* v : area->findChildren<const QTableView*>()) {
        if (!v->isVisibleTo(area) || !v->model())
            continue;
        if (!best || v->width() * v->height() > best->width() * best->height())
            best = v;
    }
    return fromView(best, title, filtersOf(area, best));
}

bool save(QWidget* owner, const listexport::Table& table, Format format)
{
    const QString caption = format == Format::Xlsx ? QStringLiteral("엑셀 저장") : QStringLiteral("CSV 저장");
    if (!table.model || table.model->rowCount() == 0) {
        Dialogs::warning(caption, QStringLiteral("저장할 자료가 없습니다. 먼저 조회하세요."), owner);
        return false;
    }
    const QString extension = format == Format::Xlsx ? QStringLiteral("xlsx") : QStringLiteral("csv");
    const QString filter = format == Format::Xlsx ? QStringLiteral("Excel 파일 (*.xlsx)") : QStringLiteral("CSV 파일 (*.csv)");
    QString file = Dialogs::current().saveFile(owner, caption,
                                               Dialogs::fittingPath(listexport::suggestedName(table.title, Clock::today(), extension)),
                                               filter);
    if (file.isEmpty())
        return false;
    if (!file.endsWith(u'.' + extension, Qt::CaseInsensitive))
        file += u'.' + extension;
    QString error;
    const bool ok = format == Format::Xlsx ? listexport::writeXlsx(file, table, &error) : listexport::writeCsv(file, table, &error);
    if (!ok) {
        Dialogs::error(caption, error, owner);
        return false;
    }
    StatusLine::show(QStringLiteral("%1: %2 (%3줄)").arg(caption, QDir::toNativeSeparators(file)).arg(table.model->rowCount()));
    return true;
}

QPushButton* add(QBoxLayout* bar, QWidget* owner, Source source, QWidget* before)
{
    auto* excel = new QPushButton(QStringLiteral("엑셀 저장"), owner);
    auto* csv = new QPushButton(QStringLiteral("CSV 저장"), owner);
    excel->setObjectName(QStringLiteral("btnExcel"));
    csv->setObjectName(QStringLiteral("btnCsv"));
    excel->setAutoDefault(false);
    csv->setAutoDefault(false);
    QObject::connect(excel, &QPushButton::clicked, owner, [owner, source] { save(owner, source(), Format::Xlsx); });
    QObject::connect(csv, &QPushButton::clicked, owner, [owner, source] { save(owner, source(), Format::Csv); });
    const int at = before ? bar->indexOf(before) : -1;
    bar->insertWidget(at, excel);
    bar->insertWidget(at < 0 ? -1 : at + 1, csv);
    return excel;
}

QPushButton* addForWindow(QBoxLayout* bar, QWidget* window, QWidget* before)
{
    return add(bar, window, [window] { return fromArea(window, window->windowTitle()); }, before);
}

QPushButton* addForPages(QBoxLayout* bar, QWidget* owner, const QTabWidget* pages, QWidget* before)
{
    return add(bar, owner, [pages] { return fromArea(pages->currentWidget(), pages->tabText(pages->currentIndex()).remove(u'&')); }, before);
}

} // namespace ExportButtons
