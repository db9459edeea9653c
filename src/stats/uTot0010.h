#pragma once
#include <QList>
#include <QWidget>

#include "stats/GeneralQueries.h"
#include "stats/NationalApplications.h"
#include "ui/ScreenPages.h"

class CodeCombo;
class DivisionFilter;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class QTabWidget;
class QTableView;
class SchoolYearFilter;
class ListModel;
class ApplicationModel;

// 종합관리: fifteen pages that list trainees under their own filters and print the list; page 9 is the
// register of national poom/dan applications with its own entry. A double-click on a listed trainee
// (a click on page 14) opens him in personal management.
class TfTot0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    explicit TfTot0010(QWidget* parent = nullptr);
    ~TfTot0010() override;

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    // Handlers, callable from tests.
    void PageControl1Change();
    void BitBtn1Click(); // 입력 (page 9)
    void BitBtn2Click(); // 수정 (page 9)
    void BitBtn3Click(); // 삭제 (page 9)
    void BitBtn4Click(); // 조회
    void BitBtn5Click(); // 확인 (page 9)
    void BitBtn6Click(); // 취소 (page 9)
    void BitBtn8Click(); // 인쇄
    void btnCoursePrintClick(); // page 11: 코스별 탑승자 인쇄
    void openMember(int page, int row); // what a double-click on a row does

    // The controls of one page.
    struct Page {
        QWidget* widget = nullptr;
        QComboBox* name = nullptr;
        DivisionFilter* division = nullptr;
        QRadioButton* current = nullptr;
        QRadioButton* withdrawn = nullptr;
        QCheckBox* dates = nullptr;
        QDateEdit* from = nullptr;
        QDateEdit* to = nullptr;
        QComboBox* rank = nullptr;
        QList<QRadioButton*> sorts;
        QTableView* grid = nullptr;
        ListModel* model = nullptr;
        tot::Listing listing;
    };
    Page& page(int i) { return m_pages[i]; }
    tot::Input input(int page) const; // what the page's controls say
    const QList<NationalApplications::Application>& applications() const { return m_apps; }
    ApplicationModel* applicationModel() const { return m_appModel; }

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* BitBtn7 = nullptr; // 종료

    // Page 1
    QLineEdit* Edit2 = nullptr;
    SchoolYearFilter* Com_Grade = nullptr;
    QComboBox* Com_Class = nullptr;
    QComboBox* Com_Sex = nullptr;
    // Page 2
    QRadioButton* rbRankMode = nullptr;
    QRadioButton* rbDanMode = nullptr;
    QComboBox* Com_belt2 = nullptr;
    QLabel* lblTilde = nullptr;
    CodeCombo* cbo_DangNoBelt = nullptr;
    QLabel* lbl_SisaName = nullptr;
    QLineEdit* edt_SisaName = nullptr;
    // Page 3
    QLineEdit* addr = nullptr;
    CodeCombo* Com_zip = nullptr;
    CodeCombo* Com_area = nullptr;
    // Page 4
    QRadioButton* rbTrainee = nullptr;
    QRadioButton* rbFamily = nullptr;
    QRadioButton* rbWedding = nullptr;
    QComboBox* Com_YN = nullptr;
    QCheckBox* chkBirth = nullptr;
    QCheckBox* chkYear = nullptr;
    QCheckBox* chkMonth = nullptr;
    QCheckBox* chkDay = nullptr;
    QSpinBox* seYear = nullptr;
    QSpinBox* seMonth = nullptr;
    QSpinBox* seDay = nullptr;
    tot::Listing familyListing;
    // Page 5
    CodeCombo* Com_Prize = nullptr;
    // Page 6
    QComboBox* Com_year = nullptr;
    // Page 8
    QComboBox* Com_year9 = nullptr;
    QComboBox* Com_Section = nullptr;
    CodeCombo* Com_body = nullptr;
    CodeCombo* Com_Exam = nullptr;
    // Page 9
    QComboBox* Com_Name10 = nullptr;
    DivisionFilter* Com_bu10 = nullptr;
    CodeCombo* Com_Belt10 = nullptr;
    QLineEdit* examname = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QDateEdit* examdate = nullptr;
    QRadioButton* rbS1 = nullptr;
    QRadioButton* rbS2 = nullptr;
    QTableView* DBCtrlGrid10 = nullptr;
    // Page 11
    CodeCombo* Com_Course = nullptr;
    QComboBox* Com_Time = nullptr;
    QComboBox* Com_Jangso = nullptr;
    QPushButton* btnCoursePrint = nullptr;
    // Page 13
    QLineEdit* edt_SimsaName = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormCreate();
    QWidget* buildPage(int i);
    QWidget* buildRegisterPage();
    void addShared(int i, QLayout* row, QLayout* datesRow, bool status, const QString& datesCaption);
    QComboBox* nameBox(int i, QWidget* parent);
    void statusChanged(int i);
    void sectionChanged();
    void danModeChanged();
    void birthModeChanged();
    void showListing(int i);
    void runPage(int i);
    void refuse(const tot::Problem& p);
    QWidget* fieldNamed(const QString& name) const;
    // Page 9
    enum class RegisterMode { Entered, Browse, Entry, Modify };
    void setRegisterMode(RegisterMode m);
    void queryRegister();
    void showApplications(const QList<NationalApplications::Application>& rows,
                          const QList<NationalApplications::Application>& stored, RegisterMode mode);
    NationalApplications::Filter registerFilter() const;

    Page m_pages[tot::PageCount];
    QStringListModel* m_currentNames = nullptr;
    QStringListModel* m_withdrawnNames = nullptr;
    bool m_withdrawnLoaded = false;
    QList<NationalApplications::Application> m_apps;
    QList<NationalApplications::Application> m_appsRead; // as loaded, for 취소
    ApplicationModel* m_appModel = nullptr;
    RegisterMode m_mode = RegisterMode::Entered;
};
