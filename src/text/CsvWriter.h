#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A list as a CSV file for spreadsheets: UTF-8 with a byte-order mark (so that Korean opens right),
// CR LF line ends, a header row first. A field is quoted only when it holds a comma, a quote, CR or LF;
// quotes inside are doubled. A text that would start a formula gets a leading apostrophe.
//
//   CsvWriter csv({"성명", "전화"});
//   csv.addRow({name, phone});
//   if (!csv.save(path, &error)) ...
class CsvWriter {
public:
    explicit CsvWriter(const QStringList& header);

    void addRow(const QStringList& fields);
    int rowCount() const { return int(m_rows.size()); }

    QByteArray bytes() const;                                 // the whole file as written
    bool save(const QString& path, QString* error = nullptr) const; // whole or not at all

    static QString field(const QString& text);                // one field, quoted where needed
    static QByteArray bytes(const QStringList& header, const QList<QStringList>& rows);

private:
    QStringList m_header;
    QList<QStringList> m_rows;
};
