#include "fitness/uAdultEstimateCode.h"

#include "db/DbError.h"
#include "fitness/Adults.h"
#include "fitness/ScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui = fitness::ui;

TfAdultEstimateCode::TfAdultEstimateCode(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfAdultEstimateCode"));
    setWindowTitle(QStringLiteral("성 인 체 력 측 정 항 목"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(400, 360);

    auto* bar = ui::toolbar({{&Btn_Edit, QStringLiteral("수정")}, {&Btn_Save, QStringLiteral("확인")}, {&Btn_Cancel, QStringLiteral("취소")},
                             {&Btn_Query, QStringLiteral("조회")}, {&Btn_Close, QStringLiteral("종료")}});
    model = new ListModel(this);
    model->setColumns({{QStringLiteral("측정 코드"), 80}, {QStringLiteral("항목명"), 200, true}});
    grd_Item = ui::gridView(model);
    auto* root = new QVBoxLayout(this);
    root->addLayout(bar);
    root->addWidget(grd_Item, 1);

    connect(Btn_Edit, &QPushButton::clicked, this, &TfAdultEstimateCode::Btn_EditClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfAdultEstimateCode::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfAdultEstimateCode::Btn_CancelClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfAdultEstimateCode::Btn_QueryClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    Btn_QueryClick();
    setEditing(false);
}

void TfAdultEstimateCode::setEditing(bool on)
{
    model->setEditing(on);
    Btn_Edit->setEnabled(!on);
    Btn_Query->setEnabled(!on);
    Btn_Close->setEnabled(!on);
    Btn_Save->setEnabled(on);
    Btn_Cancel->setEnabled(on);
}

void TfAdultEstimateCode::Btn_QueryClick()
{
    const QStringList codes = Adults::itemCodes(), names = Adults::itemNames();
    QList<QStringList> rows;
    for (int i = 0; i < codes.size(); ++i)
        rows.append({codes[i], names.value(i)});
    model->setRows(rows);
}

void TfAdultEstimateCode::Btn_EditClick()
{
    setEditing(true);
    grd_Item->setFocus();
    grd_Item->setCurrentIndex(model->index(std::max(0, grd_Item->currentIndex().row()), 1));
}

void TfAdultEstimateCode::Btn_SaveClick()
{
    finishEditing(grd_Item);
    QStringList codes, names;
    for (int r = 0; r < model->rows(); ++r) {
        if (model->text(r, 1).trimmed().isEmpty()) {
            Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("%1 항목명을 입력하세요.").arg(model->text(r, 0)), this);
            grd_Item->setCurrentIndex(model->index(r, 1));
            return;
        }
        codes.append(model->text(r, 0));
        names.append(model->text(r, 1));
    }
    try {
        Adults::saveItemNames(codes, names);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    setEditing(false);
    Btn_QueryClick();
    ui::notify(QStringLiteral("성인체력측정 항목명 저장"));
}

void TfAdultEstimateCode::Btn_CancelClick()
{
    setEditing(false);
    Btn_QueryClick();
}
