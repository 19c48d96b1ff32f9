// Reading a report-view list control of another process: its rows' text, selection and
// where a row is on the screen. The questions travel in memory lent in that process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// Every row's text, `columns` columns of it.
std::vector<std::vector<std::wstring>> ListViewRows(HWND list, int columns);
// The rows selected, ascending, and the row with the keyboard's focus (-1: none).
std::vector<int> ListViewSelection(HWND list);
int ListViewFocus(HWND list);
// The row's rectangle on the screen (scrolled into view first); empty if there is none.
RECT ListViewRowRect(HWND list, int row);

}  // namespace uidriver
