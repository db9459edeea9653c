#pragma once
#include "exams/ExamPaperwork.h"

#include <QList>
#include <QString>

class DateEdit;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QTimeEdit;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

namespace db { class Error; }

// Pieces the examination screens share: the header with the school and the counts, the button bar,
// and the failed-save message.
namespace ExamScreenParts {

struct Header {
    QLabel* company = nullptr; // 도장명
    QLabel* total = nullptr;   // "총 원 :" members not withdrawn
    QLabel* found = nullptr;   // "검색인원 : "
};
// Adds the header row to `layout`, filled from the school record and the member table; `title` (may
// be empty) stands before the school name.
Header addHeader(QWidget* screen, QBoxLayout* layout, const QString& title = QString());
void showFound(const Header& h, int count);

// A button of the screen's bar, Enter-safe (no auto-default).
QPushButton* addButton(QWidget* screen, QBoxLayout* bar, const char* caption, const char* name = nullptr);

// The top of the examination print windows: the header, then the bar of `captions` ending with
// "종     료" (which closes the window) and the list's export buttons.
struct PrintTop {
    Header header;
    QList<QPushButton*> buttons; // in the order of `captions`
    QPushButton* close = nullptr;
};
PrintTop addPrintTop(QWidget* screen, QBoxLayout* top, const QList<const char*>& captions);

// The examination's day, hour, number, place and dress as the invitation and the application windows ask
// them: row 0 (심사일, 시간, 횟수) and the first four columns of row 1 (심사 장소, 심사 복장) of `form`.
struct ExamFields {
    DateEdit* date = nullptr;
    QTimeEdit* time = nullptr;
    QLineEdit* number = nullptr; // the next examination number
    QLineEdit* place = nullptr;
    QLineEdit* dress = nullptr;
};
ExamFields addExamFields(QWidget* screen, QGridLayout* form);
// What the fields hold, with the content typed under them.
ExamPaperwork::Sitting sittingOf(const ExamFields& fields, const QPlainTextEdit* content);

// Column widths of a grid, each at least as wide as its heading.
void setColumnWidths(QTableView* grid, const QList<int>& widths);

// "저장 에러 입니다." with the engine's message.
void saveError(QWidget* screen, const db::Error& e);

} // namespace ExamScreenParts
