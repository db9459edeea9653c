#pragma once
#include <QList>
#include <QWidget>

#include "exchange/UploadFiles.h"

class DivisionFilter;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ListModel;

// The list of trainees that the three notice-file screens share: name and division filters,
// "조     회", every row ticked, "자료생성" writing the screen's file from the ticked rows.
class UploadScreen : public QWidget {
    Q_OBJECT
public:
    void btn_RefreshClick();
    void btn_PrintClick();
    ListModel* list() const { return m_list; }
    QList<UploadFiles::Trainee> tickedTrainees() const;

    QLineEdit* Com_Name = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QLabel* search_num = nullptr;
    QPushButton* btn_Refresh = nullptr;
    QPushButton* btn_Print = nullptr;
    QPushButton* btn_Exit = nullptr;
    QTableView* ListView_Upload = nullptr;

protected:
    enum class Kind { Records, Newsletter, Sms };
    UploadScreen(Kind kind, const QString& objectName, const QString& caption, QWidget* parent);

private:
    Kind m_kind;
    QList<UploadFiles::Trainee> m_trainees;
    ListModel* m_list = nullptr;
};
