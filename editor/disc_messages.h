// Texts of the Disc menu: the disc check's lines, and the messages of running the
// menu, writing autorun.inf and editing the description (the fixed ones are read by
// number from editor_texts.h).
#pragma once

#include <string>
#include <string_view>

#include "description_file.h"
#include "disc_check.h"
#include "editor_texts.h"

namespace discfront::editor {

// One line of the check's results. Files in the disc folder are named as the catalogue
// names them, from the folder on (the window's caption names the folder).
std::wstring ProblemText(const DiscProblem& problem, std::wstring_view discFolder);
// Why a path would not name the same file on another machine.
std::wstring PathRuleText(const PathFinding& finding);
// One line of the list of what the entries start, named as in ProblemText.
std::wstring StartedFileText(const EntryFile& started, std::wstring_view discFolder);

// The line under the progress bar.
std::wstring CheckProgressText(int done, int total);
std::wstring CheckCancelledText(int done, int total);
std::wstring CheckFinishedText(std::size_t problems);

std::wstring NoLauncherMessage(std::wstring_view launcherFile);
std::wstring LauncherStartFailedMessage(std::wstring_view launcherFile, std::wstring_view reason);
std::wstring ReplaceAutorunQuestion(std::wstring_view autorunFile);
std::wstring DescriptionReadFailedMessage(std::wstring_view file, std::wstring_view reason);
std::wstring DescriptionRefusedMessage(DescriptionRefusal refusal);

}  // namespace discfront::editor
