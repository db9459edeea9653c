#pragma once
#include <QHash>
#include <QWidget>

#include "db/DatabaseChoice.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// "체육관 정보": the school record.
class TfGymInfo : public QWidget {
    Q_OBJECT
public:
    explicit TfGymInfo(QWidget* parent = nullptr);

    void FormCreate();
    void btnEditClick();
    void btnsearchClick();
    void btnOkClick();
    void btnCancelClick();

    bool editing() const { return m_editing; }
    QWidget* field(const QString& column) const { return m_fields.value(column); }
    QPushButton* button(const QString& name) const;
    void setText(const QString& column, const QString& text); // types into a field (tests)
    void setChecked(const QString& column, bool on);
    int chosenScale() const; // "화면 배율" in percent
    void setChosenScale(int percent);
    DatabaseChoice chosenDatabase() const; // "데이터베이스": 이 PC or 서버 with its fields
    void setChosenDatabase(const DatabaseChoice& c);

private:
    void showRecord();
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);

    QHash<QString, QWidget*> m_fields;
    QList<QPushButton*> m_buttons;
    bool m_editing = false;
    QComboBox* m_scale = nullptr;
    QComboBox* m_autoWhen = nullptr; // "자동 보관"
    QSpinBox* m_autoKeep = nullptr;
    QComboBox* m_engine = nullptr;   // "데이터베이스": 이 PC / 서버
    int m_shownScale = 0;
};
