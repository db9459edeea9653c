#pragma once
#include <QDialog>

class QPushButton;
class QTreeWidget;

// The restore program's window: the backup copies of the program folder, another file on request, and the
// restore with a safety copy of the current data.
class TfRestore : public QDialog {
    Q_OBJECT
public:
    explicit TfRestore(QWidget* parent = nullptr);

    void FillList();
    void Btn_OtherClick();
    void Btn_RestoreClick();

    QTreeWidget* lst_Backup = nullptr;
    QPushButton* btn_Other = nullptr;
    QPushButton* Btn_Restore = nullptr;
    QPushButton* Btn_Close = nullptr;
    int waitMs = 5000; // how long the main program may take to let go of the database

private:
    void addEntry(const QString& file, const QDateTime& modified, qint64 size, bool atTop, bool automatic = false);
};
