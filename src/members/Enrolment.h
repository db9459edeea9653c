#pragma once
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// One family member written on the application form.
struct EnrolmentFamily {
    QString relation;   // 관계: 조부, 조모, 부, 모, 형제
    QString name;       // 성명
    QString birthday;   // 생일 "YYYY-MM-DD" or blank
    QString calendar;   // 양력음력: 양, 음
    QString job;        // 직업
    QString note;       // 비고
    QString wedding;    // 결혼기념일 "YYYY-MM-DD" or blank
    bool isBlank() const;
};

// One suggestion of the member or the parents.
struct EnrolmentSuggestion {
    QString date;       // 건의일자 "YYYY-MM-DD"
    QString text;       // 건의사항
    bool isBlank() const;
};

// What the user typed on the application form. Texts are kept as typed (masked fields may hold their
// separators only: "--" for an empty date, "-" for an empty resident or telephone number).
struct EnrolmentForm {
    QString name, nameEnglish, nameHanja;
    QString birthDate;      // "YYYY-MM-DD"
    QString calendar;       // 양, 음
    QString sex;            // 남, 여
    QString residentNo;     // "999999-9999999"
    QString divisionCode;
    QString enrolDate;      // "YYYY-MM-DD"
    QString school, grade, classNo;
    QString rankCode;
    QString regionCode;
    QString phone, mobile, email;
    QString postalItem;     // the postal-code list text; the part before ")" is stored
    QString address, otherAcademy, remarks;
    QString payDay;         // day of month the fee is due
    QString fee;            // 수련비
    QString bank;
    QString motiveCode;
    QString courseCode, stopCode, time;
    bool paidNow = false;   // "납부": the first month is paid at enrolment
    QList<EnrolmentFamily> family;
    QList<EnrolmentSuggestion> suggestions;
    QString photoFile;      // the chosen picture, empty for none
};

// The rules of the enrolment form: the lists of its fields, the checks in the order the school expects,
// and the save, which writes the member, family, suggestions, the first fee with its cash-book line, the
// motive log and the headcount together or not at all.
class Enrolment {
public:
    // The fields a check can send the cursor back to.
    enum class Field {
        None, Name, BirthDate, Calendar, Sex, ResidentNo, Division, EnrolDate, Rank, Region, Fee, PayDay,
        Motive, Family, Suggestion
    };
    struct Problem {
        Field field = Field::None;
        QString message;
        bool closedMonth = false; // the month-end cancel screen should open
        bool ok() const { return message.isEmpty(); }
    };

    // The number the next trainee gets (the member-number allocator: a number that any table still
    // holds rows of is never handed out again). Empty, with the reason in *error, when none is left.
    static QString findNo(QString* error = nullptr);

    // The checks of "확     인" in their order; Problem::ok() when the form may be saved.
    static Problem validate(const EnrolmentForm& form);

    // Writes the enrolment in one transaction and, after the commit, the photo. Returns the member
    // number used (a fresh one from the allocator, normally the number shown). Throws db::Error or
    // FeeError when anything fails; then nothing was written. Call validate() first.
    static QString save(const EnrolmentForm& form, bool* photoSaved = nullptr);

    // Lists and values the form fields read.
    static QStringList grades();          // the school-year list
    static QStringList relations();       // 조부, 조모, 부, 모, 형제
    static QStringList classes();         // "1" .. "12"
    static qint64 divisionFee(const QString& divisionCode);
    static QList<QPair<QString, QString>> stopsOf(const QString& courseCode); // 장소코드, 장소
    static QString timeOf(const QString& courseCode, const QString& stopCode);
    static int enrolledCount();           // "총 입관원 : "
    static QString schoolName();
    static QString postalCodeOf(const QString& postalItem);

    static QString requiredSuffix() { return QStringLiteral("은(는) 필수 입력입니다."); }
    static QString closedMonthMessage(const QString& enrolDate);
};
