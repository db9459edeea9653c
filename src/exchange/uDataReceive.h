#pragma once
#include <QStringList>
#include <QWidget>

class QListView;
class QPushButton;
class QStringListModel;

// 온라인 입관자료: the transfer files waiting in 입관자료 and their import.
class TfDataReceive : public QWidget {
    Q_OBJECT
public:
    explicit TfDataReceive(QWidget* parent = nullptr);

    QStringList files() const;                 // "*.txt" of 입관자료, by name
    const QStringList& imported() const { return m_imported; }
    void importFile(const QString& fileName);  // one file of the list
    void btn_ReceiveClick();                   // the selected file

    QListView* lst_Files = nullptr;
    QListView* lst_Result = nullptr;
    QPushButton* btn_Receive = nullptr;
    QPushButton* btn_Exit = nullptr;

private:
    void refreshFiles();

    QStringListModel* m_files = nullptr;
    QStringListModel* m_result = nullptr;
    QStringList m_imported;
};
