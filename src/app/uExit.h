#pragma once
#include <QPixmap>
#include <QWidget>

// "수련생관리": the closing picture shown over the work area while the program shuts down.
class Tfexit : public QWidget {
    Q_OBJECT
public:
    explicit Tfexit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_picture;
};
