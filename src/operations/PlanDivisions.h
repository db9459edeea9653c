#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The four fixed groups of the training plans (not the divisions of T_부별코드). The code is stored
// as 부코드, the name as 부명.
struct PlanDivision {
    int code;
    QString name;       // "초등부유급자"
    QString caption;    // "초등부 유급자": tabs and tick boxes
    QString label;      // "<초등부유급자>": the text files
    QStringList letters; // f02..f05 of the daily print
};

const QList<PlanDivision>& planDivisions();
const PlanDivision* planDivision(const QString& name);
