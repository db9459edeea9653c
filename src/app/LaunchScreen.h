#pragma once
#include <QPixmap>
#include <QWidget>

class QPushButton;

// A work-area launch screen: the background picture, the spaced title and a grid of buttons in rows
// of three, one per entry of the screen table placed on this screen, then the close button.
class LaunchScreen : public QWidget {
    Q_OBJECT
public:
    LaunchScreen(const QString& className, const QString& caption, const QString& closeCaption = QStringLiteral("종료"),
                 QWidget* parent = nullptr);
    QString title() const;
    QList<QPushButton*> buttons() const { return m_buttons; } // in table order, the close button last
    QPushButton* button(const QString& caption) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_class;
    QPixmap m_back;
    QList<QPushButton*> m_buttons;
};

// Caption with one blank between the letters: "등록업무" -> "등 록 업 무".
QString spacedTitle(const QString& caption);
