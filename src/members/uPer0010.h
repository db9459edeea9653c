#pragma once
#include <QWidget>

#include "members/Enrolment.h"

class CodeCombo;
class DateEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ListModel;
class QTableView;
class ResidentNoEdit;

// "입관원서 등록": registers a new trainee from the paper application form.
class TfPer0010 : public QWidget {
    Q_OBJECT
public:
    enum FamilyCol { FamRelation, FamName, FamBirthday, FamCalendar, FamJob, FamNote, FamWedding, FamCount };
    enum SuggestCol { SugDate, SugText, SugCount };

    explicit TfPer0010(QWidget* parent = nullptr);

    void FormCreate();
    void BitBtn1Click();   // 입력
    void BitBtn5Click();   // 확인
    void BitBtn6Click();   // 취소
    void BitBtn8Click();   // family 추가
    void BitBtn9Click();   // family 취소
    void BitBtn10Click();  // suggestion 추가
    void BitBtn11Click();  // suggestion 취소
    void mnuPhotoClick();  // 사진첨부
    void com_buChange();
    void com_CourseChange();
    void com_StopChange();
    void edt_BirthExit();
    void edt_JuminExit();
    void edt_NameChange();

    EnrolmentForm form() const;  // the form as typed
    QString memberNo() const { return m_no; }
    bool entering() const { return m_entering; }

    QLabel* Pan_Company = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* id = nullptr;
    QTabWidget* PageControl1 = nullptr;

    QLineEdit* edt_Name = nullptr;
    QLineEdit* edt_NameEng = nullptr;
    QLineEdit* edt_NameHanja = nullptr;
    DateEdit* edt_Birth = nullptr;
    QComboBox* com_Calendar = nullptr;
    QComboBox* com_Sex = nullptr;
    ResidentNoEdit* edt_Jumin = nullptr;
    CodeCombo* com_bu = nullptr;
    DateEdit* edt_EnrolDate = nullptr;
    QLabel* lbl_FirstDate = nullptr;
    QLineEdit* edt_School = nullptr;
    QComboBox* com_Grade = nullptr;
    QComboBox* com_Class = nullptr;
    CodeCombo* com_Rank = nullptr;
    CodeCombo* com_Region = nullptr;
    QLineEdit* edt_Phone = nullptr;
    QLineEdit* edt_Mobile = nullptr;
    QLineEdit* edt_Email = nullptr;
    QComboBox* com_Postal = nullptr;
    QLineEdit* edt_Address = nullptr;
    QLineEdit* edt_Academy = nullptr;
    QLineEdit* edt_Remarks = nullptr;
    QLineEdit* edt_PayDay = nullptr;
    QLineEdit* edt_Fee = nullptr;
    QLineEdit* edt_Bank = nullptr;
    CodeCombo* com_Motive = nullptr;
    CodeCombo* com_Course = nullptr;
    CodeCombo* com_Stop = nullptr;
    QLineEdit* edt_Time = nullptr;
    QRadioButton* rb_Paid = nullptr;
    QRadioButton* rb_Unpaid = nullptr;
    QLabel* Image1 = nullptr;
    QTableView* DBGrid1 = nullptr;  // family
    QTableView* DBGrid2 = nullptr;  // suggestions
    ListModel* family = nullptr;
    ListModel* suggestions = nullptr;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QPushButton* BitBtn9 = nullptr;
    QPushButton* BitBtn10 = nullptr;
    QPushButton* BitBtn11 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void openLists();
    void showCount();
    void clearFields();
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);
    void focusField(Enrolment::Field field);
    void openEndCancel();
    QList<QWidget*> inputFields() const;

    QString m_no;
    QString m_photo;
    bool m_entering = false;
    bool m_familyAdded = false;
    bool m_suggestAdded = false;
};
