// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <vector>

class QStyle;

// The main window's 15 toolbar pictures, 16 x 16, by index: 0 cut, 1 copy, 2 paste, 3 delete,
// 4 undo, 5 redo, 6 new, 7 open, 8 save, 9 find, 10 help, 11 information, 12 close,
// 13 refresh, 14 details.
std::vector<QPixmap> ImageList1(const QStyle& style);
