#pragma once
#include <QAbstractTableModel>
#include <QLineEdit>
#include <QList>
#include <QSharedPointer>

class QSortFilterProxyModel;
class QTreeView;

// The members a name chooser offers: name, number, division and birth date, so that namesakes can
// be told apart. `condition` selects from T_회원 under the alias "a" (MemberStatus gives the usual ones).
class MemberNames : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Number, Division, Birth, Key, ColumnCount };
    struct Row {
        QString no, name, division, birth;
    };

    explicit MemberNames(QObject* parent = nullptr);
    static QList<Row> read(const QString& condition); // by name, then number
    void load(const QString& condition);  // a list equal to the one held leaves the model untouched

    // One list per condition for every chooser and drop-down that asks for it while any of them holds
    // it (3,000 names are read and kept once, not once per field). Unread until load().
    static QSharedPointer<MemberNames> shared(const QString& condition);
    bool loaded() const { return m_loaded; }
    const Row& row(int i) const { return m_rows[i]; }
    int find(const QString& no) const; // -1 when not listed

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    QList<Row> m_rows;
    bool m_loaded = false;
};

// A name field that finds members as the user types (any part of the name, the syllable being
// composed included, or digits of the number; NameMatch) and lists each match with number, division
// and birth date; Up/Down move in the list, Enter or a click chooses. With one match Enter takes it at
// once. The list never takes the keyboard: typing, and the input method, stay in the field.
//
//   Name_Change = new MemberChooser(MemberStatus::notWithdrawn("a"), this);
//   connect(Name_Change, &MemberChooser::memberChosen, this, [this](const QString& no) { ... });
//   Name_Change->showAll();          // the whole list (the ".." button)
//   Name_Change->reload();           // after members were added or removed
// The names are read when the field is first used (typed into, listed, given a member), not when the
// screen is built.
class MemberChooser : public QLineEdit {
    Q_OBJECT
public:
    explicit MemberChooser(const QString& condition, QWidget* parent = nullptr);
    ~MemberChooser() override;

    void reload(); // reads the names again (for every field sharing them)
    void setCondition(const QString& condition); // another selection of members; reloads
    QString memberNo() const { return m_no; }
    void setMemberNo(const QString& no); // shows the member's name; empty clears
    void showAll();
    // The members the typed text matches, as listed (tests and callers that want the count).
    QList<MemberNames::Row> matches() const;
    // Chooses the listed match at `row` of the open list (as a click does).
    void choose(int row);
    QTreeView* list() const { return m_view; }

signals:
    void memberChosen(const QString& no);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void search();
    void filter(const QString& typed, const QString& composing = QString());
    void showList();
    void moveInList(int step);
    void chooseNo(const QString& no);
    void ensureNames();

    QString m_condition;
    QString m_no;
    QString m_composing; // the input method's text not yet committed
    // Shared with the other fields of the same condition; read again on this field's first use, so a
    // screen opened after changes sees them.
    QSharedPointer<MemberNames> m_model;
    bool m_read = false;
    QSortFilterProxyModel* m_matches;
    QTreeView* m_view;
};
