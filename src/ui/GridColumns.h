#pragma once

class QTableView;

// Columns as wide as their texts and never narrower than their headings (call again after rows are shown).
void fitColumns(QTableView* view);
