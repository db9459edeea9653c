#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "db/BufferedSet.h"

// Shared rules of the code tables: drop-down item texts, fixed code ranges, the next free number and
// the places where a code is still in use.
namespace codes {

// "05)  초등3학년부" -> "05": everything before the first ")".
QString codeOf(const QString& item);
// code + ")" + blanks + name, the form of every code drop-down.
QString itemText(const QString& code, const QString& name, const QString& blanks = QStringLiteral("  "));

// A two-digit code within [from, to] ("01" to "15" for divisions).
bool inFixedRange(const QString& code, int from, int to);
bool isFixedDivision(const QString& code);   // "01" .. "15"
bool isFixedAwardType(const QString& code);  // "01" .. "09"
bool isFixedEventType(const QString& code);  // "01", "02"

// Division names by code (T_부별코드), for lists that show the name of each row's division.
QHash<QString, QString> divisionNames();

// Maximum + 1 of a whole-number code column, 1 for an empty table (" Select  Max(지역코드) FROM T_지역코드 ").
int nextNumber(const QString& maxSql);

// Where the codes of one code table are used: (table, column, what the rows are, for the message).
struct Use {
    QString table;
    QString column;
    QString label;
};
QList<Use> usesOf(const QString& codeTable);
// The labels of the existing tables that still hold the code; empty when the code is free.
QStringList usedBy(const QString& codeTable, const QVariant& code);
// The message shown when a used code would be deleted or renamed.
QString inUseMessage(const QStringList& usedBy);

} // namespace codes

// One page of a code-table settings screen: its statements, which fields the user may change, and the
// rules of new, edit and delete. The screens only show it.
struct CodePageDef {
    QString caption;
    QString codeTable;             // for the usage check
    QString selectSql;
    QStringList columns;           // as read; the first is the code
    QStringList headers;           // column captions of the list
    QString insertSql, updateSql, deleteSql;
    QStringList stored;            // columns the update statement writes: the only ones editable on edit
    bool canInsert = true;
    bool canDelete = true;
    bool immediateDelete = false;  // delete applies at once, without 확인
    QString presetSql;             // maximum of the code column: a new row gets it + 1
    std::function<bool(const QString&)> fixed; // codes that cannot be deleted nor renamed
    bool fixedLocksAll = false;    // a fixed row's fields are all locked (not only its code)
    bool onlyHighestDeleted = false; // codes that follow one another (ranks): only the highest goes
    QString fixedLabel;            // "01~15 코드수정불가"
    bool reloadAfterApply = false;
    QStringList numberColumns;     // whole numbers (points, fees)
};

class CodePage {
public:
    explicit CodePage(CodePageDef def);
    const CodePageDef& def() const { return m_def; }
    db::BufferedSet& rows() { return m_rows; }

    void load();
    // A new row with the preset code filled in; returns its index.
    int insertRow();
    // Whether `column` of `row` accepts typing while editing.
    bool editable(int row, const QString& column) const;
    bool isFixed(int row) const;

    enum class Removal { Removed, Fixed, InUse, NotHighest };
    // Deletes or buffers the deletion of `row` (by the page's rule). Fixed and used codes are refused with
    // their message in *message; nothing changes then. An immediate delete that fails throws db::Error.
    Removal remove(int row, QString* message = nullptr);

    // Writes the buffered changes in one transaction. Returns false with a message when a used code
    // would be renamed; throws db::Error when the engine refuses (duplicate key ...).
    bool apply(QString* message = nullptr);
    void cancel() { m_rows.cancel(); }

private:
    CodePageDef m_def;
    db::BufferedSet m_rows;
};

// The pages of the settings screens.
namespace codepages {
QList<CodePageDef> environPages();   // 우편번호 .. 심사평가 공지사항문항
QList<CodePageDef> env0030Pages();   // 상장명, 입관동기, 행사명
CodePageDef absenceReasons();
CodePageDef leaveReasons();
}
