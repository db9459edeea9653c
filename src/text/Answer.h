#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// What a rules class tells the user: a caption and a text at a level the screen shows as an icon.
struct Message {
    enum class Level { Info, Warning, Error };
    Level level = Level::Info;
    QString caption;
    QString text;
    bool operator==(const Message&) const = default;
};

// What a rules class answers instead of opening a box itself: done (perhaps with something to tell),
// or refused with its Korean message. Windows show the messages as boxes, tamrin-cli prints them; the
// rules stay free of widgets and testable on their own.
class Answer {
public:
    static Answer done() { return Answer(); }
    static Answer info(const QString& caption, const QString& text) { return done().tell(Message::Level::Info, caption, text); }
    static Answer warning(const QString& caption, const QString& text)
    {
        return done().tell(Message::Level::Warning, caption, text);
    }
    // Not done, and why ("오류" boxes by default).
    static Answer refused(const QString& caption, const QString& text, Message::Level level = Message::Level::Error)
    {
        Answer a;
        a.m_ok = false;
        return a.tell(level, caption, text);
    }
    // Not done and nothing to tell: the user said no, or there was nothing to do.
    static Answer declined()
    {
        Answer a;
        a.m_ok = false;
        return a;
    }

    // One more message after the others (a batch that goes on past a refused line).
    Answer& tell(Message::Level level, const QString& caption, const QString& text)
    {
        m_messages.append(Message{level, caption, text});
        return *this;
    }

    // Not done after all, keeping what was told on the way.
    Answer& refuse()
    {
        m_ok = false;
        return *this;
    }

    bool ok() const { return m_ok; }
    const QList<Message>& messages() const { return m_messages; }
    // The texts one after another, for a log or a line printer.
    QString text() const
    {
        QStringList all;
        for (const Message& m : m_messages)
            all.append(m.text);
        return all.join(u'\n');
    }

private:
    bool m_ok = true;
    QList<Message> m_messages;
};

// A question the rules need answered before they go on. The caller supplies how it is asked: a window
// with a box, a test with its own answer.
struct Question {
    enum class Buttons { OkCancel, YesNo, YesNoCancel };
    Buttons buttons = Buttons::OkCancel;
    Message::Level level = Message::Level::Info; // Info shows the question icon, Warning the warning one
    QString caption;
    QString text;
    bool yesByDefault = true;                    // the default button: 예/확인, else 아니오/취소
};

// True when the user agreed (예 / 확인).
using Ask = std::function<bool(const Question&)>;
