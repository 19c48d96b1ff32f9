// Texts of the Disc menu: the disc check's lines, and the messages of running the
// menu, writing autorun.inf and editing the description.
#pragma once

#include <string>
#include <string_view>

#include "description_file.h"
#include "disc_check.h"

namespace discfront::editor {

inline constexpr wchar_t kSaveCatalogueFirst[] = L"Сначала сохраните каталог.";
inline constexpr wchar_t kCheckCaption[] = L"Проверка диска";
inline constexpr wchar_t kNoProblems[] = L"Проблем не найдено: диск готов.";
inline constexpr wchar_t kAutorunLabelPrompt[] =
    L"Метка диска (её показывает Проводник рядом со значком discfront):";
inline constexpr wchar_t kAutorunCaption[] = L"Создать autorun.inf";
inline constexpr wchar_t kDescriptionCaption[] = L"Описание диска";
inline constexpr wchar_t kDescriptionPrompt[] =
    L"Текст, который discfront показывает, пока в списке ничего не выбрано:";

// One line of the check's results. Files in the disc folder are named as the catalogue
// names them, from the folder on (the window's caption names the folder).
std::wstring ProblemText(const DiscProblem& problem, std::wstring_view discFolder);
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
