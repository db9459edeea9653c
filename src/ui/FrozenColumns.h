#pragma once
#include <QObject>

class QTableView;

// The first columns of a wide grid (number, name, division) stay in view while the grid scrolls
// sideways: a second view over the grid's left edge shows them from the same model and selection,
// scrolls up and down with it, and follows its column widths and row heights. A double click on it is
// the grid's own double click.
//
//   FrozenColumns::install(grd_Measure, 2); // 회원번호, 회원명
class FrozenColumns : public QObject {
    Q_OBJECT
public:
    static QTableView* install(QTableView* view, int count);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrozenColumns(QTableView* view, int count);
    void columns();
    void place();

    QTableView* m_view;
    QTableView* m_frozen;
    int m_count;
};
