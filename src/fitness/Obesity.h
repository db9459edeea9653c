#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

namespace report { class PrintJob; }

// The obesity calculator "비만도 측정" and the band texts "비만평가 내역" (T_비만측정).
class Obesity {
public:
    // Age from the eight birth digits "yyyymmdd": this year − birth year, one less before the birthday;
    // "0" for a date that cannot be read.
    static QString ageText(const QString& eightDigits, const QDate& today);

    struct Result {
        double index = 0;   // 0 when the standard weight is 0 or less
        bool noStandard = false;
        QString verdict;    // 평가 of the band, empty when none holds the index
        QStringList lines;  // its 24 lines, all empty when none
    };
    static Result evaluate(double height, double weight, const QString& sex /* "남" or "여" */);

    // The calculator's one page ("단순비만.rpt").
    struct Sheet {
        QString name, age, sex, height, weight, index, verdict;
        QStringList lines; // 24
    };
    static void fill(report::PrintJob& job, const Sheet& s);

    // Band texts: the drop-down items "code)  from-to" by lowest index, the 24 lines of one band, and
    // their saving (each line cut to 110 bytes) to exactly that band.
    static QStringList bandItems();
    static QStringList bandLines(const QString& code);
    static void saveBandLines(const QString& code, const QStringList& lines);
};
