#pragma once
#include <QString>
#include <QStringList>

#include "text/Answer.h"
#include "text/Cp949.h"

// One recipient line of a notice file: items that each end in "☆", and pieces without it (an item
// built in parts, or the last item of a line such as the mobile number). A "☆", CR or LF inside a
// value would break the envelope, so they are blanked.
class NoticeLine {
public:
    NoticeLine& item(const QString& text = QString()); // text + "☆"; empty: a block separator
    NoticeLine& piece(const QString& text);            // text alone
    NoticeLine& of(const QString& who);                // the member the line is about ("홍길동(202401001)")
    const QString& text() const { return m_text; }
    const QString& who() const { return m_who; }
    const QStringList& parts() const { return m_parts; } // the items and pieces as given

    static QString clean(const QString& value);        // "☆", CR, LF -> blank

private:
    QString m_text;
    QString m_who;
    QStringList m_parts;
};

// A notice file of the 인터넷통보자료 tree that the school's upload tool sends on:
// ProgramDir + "인터넷통보자료/<folder>/<name>.txt", CP949, CR LF, line 1 the name + "☆", then one line
// per recipient. Written whole or not at all; the folders are made before each write.
//
//   NoticeFile file(QStringLiteral("결석통보"));
//   NoticeLine l;
//   l.item("*.수련생 : " + name).piece(mobile);
//   file.addRecipient(email, l);           // skipped when the member has no e-mail
//   if (file.isEmpty()) ... else show(file.write(QStringLiteral("출석 관리")));  // the window shows the answer
class NoticeFile {
public:
    explicit NoticeFile(const QString& kind);                // folder and name alike ("결석통보")
    NoticeFile(const QString& folder, const QString& name);  // ("SMS", "SMS전송")

    // The kind folders beneath 인터넷통보자료, made with the program folders.
    static const QStringList& folders();
    static void ensureFolders(); // made at start-up, so users find them before the first file

    // A line that begins with the e-mail address as its first item; false (nothing added) when the
    // address is blank. Every kind but SMS addresses its recipients this way.
    bool addRecipient(const QString& email, const NoticeLine& rest);
    void add(const NoticeLine& line); // a line as it is (SMS)

    bool isEmpty() const { return m_lines.isEmpty(); }
    int lineCount() const { return int(m_lines.size()); }
    QString path() const;             // full path of the file
    QByteArray bytes() const;         // the whole file as written

    // Writes the file (folders first). False with the reason in *error.
    bool save(QString* error = nullptr) const;
    // Writes and answers what to tell the user: path + " 파일이 생성되었습니다." (caption of the screen)
    // or why not; when characters were lost, the same message lists them as a warning.
    Answer write(const QString& caption) const;
    // The recipients and items whose characters CP949 cannot hold (written as "?"); a line without
    // its member is named by its e-mail address or its number.
    cp949::Losses losses() const;

    // "자료를 조회하세요.": asked for a file with an empty list.
    static Answer emptyList(const QString& caption);

    // The school fields of the notices: 도장명, 관장명, 전화번호 with every blank removed.
    struct School {
        QString name, head, phone;
    };
    static School school();

private:
    struct Line {
        QString text, who;
        QStringList parts;
    };
    QString m_folder;
    QString m_name;
    QList<Line> m_lines;
};
