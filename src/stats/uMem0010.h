#pragma once
#include <QWidget>

#include "stats/HeadcountFigures.h"
#include "ui/ScreenPages.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class ListModel;

// 인원현황: how many trainees the school has and how that number moved. Reads only.
// Page 0 is recomputed whenever it is shown; the other pages on "조     회".
class TfMem0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    explicit TfMem0010(QWidget* parent = nullptr);

    void showPage(int page);          // shows a page as a click on its tab does (page 0 recomputes)
    int currentPage() const override;
    void selectPage(int index, bool runChange) override; // the menu entries open the screen on page 0 … 5
    void BitBtn4Click();              // 조회: recompute the active page
    void PageControl1Change(int page);

    // Controls, named as the screen has always named them.
    QLabel* Pan_Company = nullptr;
    QLabel* lb_no = nullptr;
    QLabel* total_num = nullptr;
    QLabel* lbl_TotPerCount = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // 입력
    QPushButton* BitBtn2 = nullptr; // 수정
    QPushButton* BitBtn3 = nullptr; // 삭제
    QPushButton* BitBtn4 = nullptr; // 조회
    QPushButton* BitBtn5 = nullptr; // 확인
    QPushButton* BitBtn6 = nullptr; // 취소
    QPushButton* BitBtn7 = nullptr; // 종료

    // Page 0
    QTableView* grdDivision = nullptr;
    QTableView* grdRank = nullptr;
    QTableView* grdGrade = nullptr;
    QLabel* lblMale = nullptr;
    QLabel* lblFemale = nullptr;
    QLabel* lblLeave = nullptr;
    QLabel* lblWithdrawn = nullptr;
    QLabel* lblReturned = nullptr;
    // Page 1
    QSpinBox* seYear = nullptr;
    QTableView* grdYear = nullptr;
    // Page 2
    QSpinBox* seYear1 = nullptr;
    QLabel* lblCompareYear[3] = {nullptr, nullptr, nullptr};
    QTableView* grdCompare = nullptr;
    QLabel* lblSumIn = nullptr;
    QLabel* lblSumBack = nullptr;
    QLabel* lblSumLeave = nullptr;
    QLabel* lblSumOut = nullptr;
    QLabel* lblSumTotal = nullptr;
    // Pages 3, 4, 5 (index 0 = withdrawal reasons, 1 = leave reasons, 2 = enrolment motives)
    QSpinBox* seRetView = nullptr;
    QSpinBox* seRestView = nullptr;
    QSpinBox* seInView = nullptr;
    QLabel* lblReasonTotal[3] = {nullptr, nullptr, nullptr};
    QLabel* lblReasonYear[3][3] = {};
    QTableView* grdReason[3] = {nullptr, nullptr, nullptr};

private:
    void FormCreate();
    QWidget* buildOverallPage();
    QWidget* buildYearPage();
    QWidget* buildComparisonPage();
    QWidget* buildReasonPage(HeadcountFigures::ReasonLog log);
    QSpinBox* reasonYear(int index) const;
    void computeOverall();
    void computeYear();
    void computeComparison();
    void computeReason(HeadcountFigures::ReasonLog log);

    QString m_totalNum;
    HeadcountFigures::Overall m_overall; // what page 0's three lists show
    ListModel* m_division = nullptr;
    ListModel* m_rank = nullptr;
    ListModel* m_grade = nullptr;
    ListModel* m_year = nullptr;
    ListModel* m_compare = nullptr;
    ListModel* m_reason[3] = {nullptr, nullptr, nullptr};
};
