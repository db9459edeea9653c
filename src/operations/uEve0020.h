#pragma once
#include <QWidget>

#include "operations/ParticipationCertificate.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// 참가증서 발부: the participation certificates of the members found on the event query, for one event.
class TfEve0020 : public QWidget {
    Q_OBJECT
public:
    explicit TfEve0020(QWidget* parent = nullptr);

    // Set up for an event ("code)  name") and the members' names; called on every "발     부", so the
    // certificates always follow the event of the query in front.
    void setUp(const QString& eventItem, const QStringList& names);
    ParticipationCertificate certificate() const; // as the fields say now

    void btn_PreviewClick();
    void btn_PrintClick();
    void btn_RecordClick(); // "기 록": the body lines back to the event type

    QLineEdit* edt_Count = nullptr;     // 횟차
    QLineEdit* edt_Host = nullptr;      // 주최명
    QRadioButton* rb_Form = nullptr;
    QRadioButton* rb_Forms = nullptr;
    QLineEdit* edt_Line[5] = {};
    QPushButton* btn_Record = nullptr;
    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;
    QWidget* pnl_Lines = nullptr;
    QWidget* pnl_Fixed = nullptr;

private:
    QString m_eventCode, m_eventName;
    QStringList m_names;
};
