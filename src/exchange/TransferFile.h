#pragma once
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include "text/Cp949.h"

// The transfer file that carries a withdrawn member's whole record to another school: sections of
// "table,count" followed by that many lines of fixed-width fields separated by ",", CP949, CR LF.
// One layout table below serves the writer and the reader.
class TransferFile {
public:
    enum class Kind {
        Text,      // cut to the width without splitting a syllable, blank-padded
        Date,      // "YYYY-MM-DD", or "NULL" padded when empty, invalid or the zero date
        Number,    // a whole number, halves to the even neighbour, left-aligned
        AreaZero,  // the area code: region codes belong to one school, so always "0"
        NullDate,  // a status date the new school starts without: always "NULL"
        BlankCode, // a code or setting the new school starts without: always blank
    };
    struct Field {
        QString column;
        int width;
        Kind kind;
    };
    struct Section {
        QString table;
        QList<Field> fields;
        int lineLength() const; // widths and the "," between them, in bytes
    };
    static const QList<Section>& sections(); // the member first, then his records, in file order

    // One field as written.
    static QByteArray field(const QVariant& value, const Field& f);
    static qint64 roundHalfEven(double v);

    // Withdrawn members whose name starts with `name`, withdrawn on `withdrawnOn` when it is valid:
    // 회원번호, 회원명, 입관일, 부명, 주민등록번호 per row, by division and name.
    static QList<QStringList> withdrawnMembers(const QString& name, const QDate& withdrawnOn = QDate());

    // The whole file of a member, read from the database. Texts with characters CP949 cannot hold are
    // written with "?" and noted in *losses.
    static QByteArray build(const QString& memberNo, cp949::Losses* losses = nullptr);
    // "퇴관자료/" + resident number without "-" + name + ".txt" beside the program.
    static QString exportPath(const QString& residentNo, const QString& name);
    // Writes the file of each member (whole or not at all). False with the reason at the first failure.
    static bool exportMembers(const QStringList& memberNos, QString* error = nullptr, cp949::Losses* losses = nullptr);

    // Reading. The whole file is checked before anything is written.
    enum class Outcome { Imported, Empty, NotTransfer, NoMember, Damaged, UnknownCodes, Failed };
    struct Parsed {
        Outcome outcome = Outcome::Damaged;
        QString where;                        // "T_심사 2번째 줄" when damaged
        QList<QList<QVariantList>> sections;  // per section, per line, the values in field order
    };
    static Parsed parse(const QByteArray& bytes);

    struct Result {
        Outcome outcome = Outcome::Failed;
        QString message;   // what the user is told
        QString memberNo;  // the new number when imported
        QString name;
    };
    // What the import refuses in the member line: no name, a fee outside 0 to 99,999,999 won, a payment
    // day outside 1 to 31. Empty when none.
    static QString memberProblem(const Parsed& p);
    // The member's codes this school does not have ("부별코드 'ZZ'"), and a sex other than 남 or 여.
    static QStringList unknownCodes(const Parsed& p);

    // Enrols the member of the file under a new number with his records, the motive log and the
    // month's counter, in one transaction: all of it or nothing. A member line memberProblem refuses is
    // Damaged; unknown codes give UnknownCodes (nothing written) unless the user accepted them.
    static Result import(const QByteArray& bytes, bool acceptUnknownCodes = false);
};
