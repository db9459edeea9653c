#pragma once

class QTableView;

// Rows measured per column: those in sight and then the first ones, up to this many.
inline constexpr int kFitSampleRows = 40;

// Columns as wide as their texts and never narrower than their headings (call again after rows are shown).
void fitColumns(QTableView* view);
