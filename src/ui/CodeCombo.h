#pragma once
#include <QComboBox>
#include <QString>

// A drop-down of one code table with items "code)  name"; the chosen code is the text before the first ")".
//
//   auto* com_reason = new CodeCombo(this);
//   com_reason->load("T_휴퇴사유", "휴퇴사유코드", "휴퇴사유");           // ordered by code
//   com_reason->loadSql("SELECT 벌점코드, 벌점명 FROM T_벌점항목", true);  // any query: code, name; empty item first
//   QString c = com_reason->code();       // "02", "" when nothing is chosen
//   com_reason->setCode("99");
class CodeCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CodeCombo(QWidget* parent = nullptr);

    void load(const QString& table, const QString& codeColumn, const QString& nameColumn, bool emptyFirst = false);
    void loadSql(const QString& sql, bool emptyFirst = false); // first column the code, second the name
    void setBlanks(const QString& blanks) { m_blanks = blanks; } // between ")" and the name; two by default

    QString code() const;
    bool setCode(const QString& code); // false (and nothing chosen) when the code is not listed

private:
    QString m_blanks = QStringLiteral("  ");
};
