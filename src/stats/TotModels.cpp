#include "stats/TotModels.h"

void showListing(ListModel* model, const tot::Listing* listing)
{
    QList<ListModel::Column> columns{ListModel::Column(QStringLiteral("회원번호"), 0, false, ListModel::Code)};
    // The cells' kinds differ from page to page: the export tells dates and amounts by their texts.
    for (const QString& h : listing->headers)
        columns.append(ListModel::Column(h, 0));
    model->setColumns(columns);
    model->show(int(listing->rows.size()), [listing](int r, int c) {
        const tot::Row& row = listing->rows.at(r);
        return c == 0 ? row.memberNo : row.cells.value(c - 1);
    });
}

ApplicationModel::ApplicationModel(QList<NationalApplications::Application>* rows, QObject* parent)
    : ListModel({{QStringLiteral("선택"), 0},
                 {QStringLiteral("회 원 번 호"), 0, false, Code},
                 {QStringLiteral("이 름"), 0},
                 {QStringLiteral("부"), 0},
                 {QStringLiteral("급"), 0},
                 {QStringLiteral("심 사 명"), 0, true, Number},
                 {QStringLiteral("생 년 월 일"), 0, false, ListModel::Date},
                 {QStringLiteral("심 사 일 자"), 0, true, ListModel::Date},
                 {QStringLiteral("응 심 번 호"), 0, true, Code},
                 {QStringLiteral("단 증 번 호"), 0, true, Code}},
                parent),
      m_rows(rows)
{
    // The tick changes only while the rows are open to typing.
    setCheckColumn(
        Check, [this](int r) { return m_rows->at(r).include; },
        [this](int r, bool on) {
            if (editing())
                (*m_rows)[r].include = on;
        });
    setOnEdit([this](int r, int c, const QVariant& v) {
        NationalApplications::Application& a = (*m_rows)[r];
        const QString text = v.toString();
        switch (c) {
        case Exam: a.examNo = text; break;
        case Date: a.examDate = text; break;
        case Applicant: a.applicantNo = text; break;
        case Certificate: a.certificateNo = text; break;
        default: break;
        }
    });
    reset();
}

void ApplicationModel::reset()
{
    show(int(m_rows->size()), [this](int r, int c) -> QString {
        const NationalApplications::Application& a = m_rows->at(r);
        switch (c) {
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
    });
}
