#include "shown_text.h"

#include "catalogue/edit_box_text.h"

namespace discfront {

std::wstring AboutProgText(std::wstring_view text) { return EditBoxText(text); }

std::wstring ListItemText(std::wstring_view title) { return ReplaceLineBreaks(title, L" "); }

}  // namespace discfront
