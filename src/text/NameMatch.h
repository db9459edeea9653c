#pragma once
#include <QString>

// How a typed search text finds a member: any part of the name (start, middle or end), the syllable
// still being composed by the input method counting as every syllable it can still become ("김하"
// while 하 is composed finds 김한결 and 김하늘; "하" + composed "늘"'s first step "느" finds 하늘);
// a text of digits narrows by member number instead. One rule for every name-or-number field.
class NameMatch {
public:
    // `typed` is the finished text, `composing` the input method's text not yet committed.
    NameMatch(const QString& typed, const QString& composing = QString());

    bool isEmpty() const { return m_done.isEmpty() && m_composing.isEmpty(); }
    bool byNumber() const { return m_byNumber; }
    bool matches(const QString& name, const QString& number) const;
    // The whole search text, as the user sees it in the field.
    QString text() const { return m_done + m_composing; }

private:
    bool matchesName(const QString& name) const;
    QString m_done;
    QString m_composing;
    bool m_byNumber = false;
};
