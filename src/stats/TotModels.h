#pragma once
#include <QAbstractTableModel>
#include <QList>

#include "stats/GeneralQueries.h"
#include "stats/NationalApplications.h"

// The grids of 종합관리 read the rows the rules built; nothing is copied into items.

// A page's list as the rules built it: the member number, then the cells.
class ListingModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    void show(const tot::Listing* l)
    {
        beginResetModel();
        m_l = l;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() || !m_l ? 0 : int(m_l->rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !m_l ? 0 : int(m_l->headers.size()) + 1;
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || !m_l || role != Qt::DisplayRole)
            return {};
        const tot::Row& r = m_l->rows.at(i.row());
        return i.column() == 0 ? r.memberNo : r.cells.value(i.column() - 1);
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole || !m_l)
            return {};
        return section == 0 ? QStringLiteral("회원번호") : m_l->headers.value(section - 1);
    }

private:
    const tot::Listing* m_l = nullptr;
};

// The application rows of page 9; the examination fields and the check are editable in entry and
// modify modes.
class ApplicationModel : public QAbstractTableModel {
public:
    enum Column { Check, No, Name, Division, Rank, Exam, Birth, Date, Applicant, Certificate, Count };
    ApplicationModel(QList<NationalApplications::Application>* rows, QObject* parent) : QAbstractTableModel(parent), m_rows(rows) {}
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void setEditable(bool on)
    {
        m_editable = on;
        if (!m_rows->isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, Count - 1));
    }
    bool editable() const { return m_editable; }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows->size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : Count; }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        const NationalApplications::Application& a = m_rows->at(i.row());
        if (i.column() == Check)
            return role == Qt::CheckStateRole ? QVariant(a.include ? Qt::Checked : Qt::Unchecked) : QVariant();
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        switch (i.column()) {
        case No: return a.memberNo;
        case Name: return a.name;
        case Division: return a.divisionName;
        case Rank: return a.rankName;
        case Exam: return a.examNo;
        case Birth: return a.birthDate;
        case Date: return a.examDate;
        case Applicant: return a.applicantNo;
        case Certificate: return a.certificateNo;
        default: return {};
        }
    }
    bool setData(const QModelIndex& i, const QVariant& v, int role) override
    {
        if (!i.isValid() || !m_editable)
            return false;
        NationalApplications::Application& a = (*m_rows)[i.row()];
        if (i.column() == Check && role == Qt::CheckStateRole)
            a.include = v.toInt() == Qt::Checked;
        else if (role != Qt::EditRole)
            return false;
        else if (i.column() == Exam)
            a.examNo = v.toString().trimmed();
        else if (i.column() == Date)
            a.examDate = v.toString().trimmed();
        else if (i.column() == Applicant)
            a.applicantNo = v.toString();
        else if (i.column() == Certificate)
            a.certificateNo = v.toString();
        else
            return false;
        emit dataChanged(i, i);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(i);
        if (!m_editable)
            return f;
        if (i.column() == Check)
            return f | Qt::ItemIsUserCheckable;
        if (i.column() == Exam || i.column() == Date || i.column() == Applicant || i.column() == Certificate)
            return f | Qt::ItemIsEditable;
        return f;
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const char* const heads[Count] = {"선택", "회 원 번 호", "이 름", "부", "급", "심 사 명",
                                                 "생 년 월 일", "심 사 일 자", "응 심 번 호", "단 증 번 호"};
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Count)
            return {};
        return QString::fromUtf8(heads[section]);
    }

private:
    QList<NationalApplications::Application>* m_rows;
    bool m_editable = false;
};

