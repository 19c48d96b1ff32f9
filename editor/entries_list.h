// The entries list beside the record form: a report-view list control with a row for each
// record. It holds no records of its own (owner data): the window answers for the text of
// the rows it shows, so a thousand records show as fast as one.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace discfront::editor {

class EntriesList {
 public:
  enum Column : int { kNumber, kTitle, kPath, kPicture, kStatus, kColumnCount };

  // Created after the form's controls, so that Tab reaches it after them.
  void Create(HWND parent, int id);
  HWND hwnd() const { return list_; }

  // The font and the column widths for a resolution (each column at least its heading).
  void SetFont(HFONT font, int dpi);
  void SetRowCount(int rows);
  // Repaints the rows whose text may have changed (those shown: the others are asked when shown).
  void RefreshRows(int first, int last);
  void RefreshAll();

  // The rows selected, ascending, and the row with the keyboard's focus (-1: none).
  std::vector<int> Selection() const;
  int Focused() const;
  // Selects `rows` and gives `focus` the keyboard's focus, scrolled into view; nothing
  // happens when the list shows that already.
  void ShowSelection(const std::vector<int>& rows, int focus);
  void SelectAll();
  // Gives the row ShowSelection named the keyboard's focus, once the list has the keyboard.
  void ApplyFocus();
  // The user changed the selection: the next ShowSelection reads it from the list.
  void SelectionChangedByUser() { shownKnown_ = false; }

  // Where rows dragged to a point of the screen go: before the row returned (the row
  // count: after the last).
  int PlaceAt(POINT screen) const;
  // The row under a point of the screen, or -1.
  int RowAt(POINT screen) const;
  // Marks the row a drag would drop on or before (-1: none).
  void MarkDropRow(int row);

  // Draws a cell as an icon of `images` (-1: none) and its text, for custom draw: the
  // list itself gives an icon to the row's first cell only, and indents the others.
  void DrawCell(const NMLVCUSTOMDRAW& draw, HIMAGELIST images, int image, const std::wstring& text) const;

 private:
  HWND list_ = nullptr;  // owned by the parent window
  int dropRow_ = -1;
  // What ShowSelection last showed: asking the list for its selection walks every row,
  // which a thousand-row list cannot afford after every command.
  std::vector<int> shownRows_;
  int shownFocus_ = -1;
  bool shownKnown_ = false;
  int pendingFocus_ = -1;
};

}  // namespace discfront::editor
