#pragma once
#include <QString>

// The editing a fee page allows on its proposed lines before they are recorded (payment and settlement
// pages alike): tick, amount, month and note, each refused (false) on a line that is not editable.
// Owner has `bool editable(int) const` and a QList `m_lines` of lines with checked/amount/month/note,
// and befriends LineEditing<Owner>.
template <class Owner>
class LineEditing {
public:
    bool setChecked(int i, bool on) { return edit(i, [&](auto& l) { l.checked = on; }); }
    bool setAmount(int i, const QString& text) { return edit(i, [&](auto& l) { l.amount = text; }); }
    bool setMonth(int i, const QString& text) { return edit(i, [&](auto& l) { l.month = text; }); }
    bool setNote(int i, const QString& text) { return edit(i, [&](auto& l) { l.note = text; }); }

private:
    template <class Change>
    bool edit(int i, Change change)
    {
        auto& owner = static_cast<Owner&>(*this);
        if (!owner.editable(i))
            return false;
        change(owner.m_lines[i]);
        return true;
    }
};
