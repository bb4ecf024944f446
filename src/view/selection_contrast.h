#pragma once
// The current row of a list that stands out: its highlight differs from the list's background by at
// least 3:1 (WCAG's contrast ratio), also while the list's window is not active, and its text reads on it.

class QAbstractItemView;

namespace meridax {

void giveSelectionContrast(QAbstractItemView& view);

}  // namespace meridax
