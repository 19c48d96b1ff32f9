// Texts of the disc check about the files entries start: what a program is built for
// and asks, and the findings about programs.
#pragma once

#include "disc/program_image.h"

namespace discfront::editor {

inline constexpr wchar_t kStartedFilesHeading[] = L"Что запускают записи:";
inline constexpr wchar_t kProgramFor[] = L"программа для ";
inline constexpr wchar_t kConsoleProgram[] = L", консольная";
inline constexpr wchar_t kWindowProgram[] = L", оконная";
inline constexpr wchar_t kAsksAdministrator[] = L", просит права администратора";
inline constexpr wchar_t kNoProgram[] = L"не программа Windows";
inline constexpr wchar_t kUnreadableFile[] = L"файл не удалось прочитать";
inline constexpr wchar_t kScriptFile[] = L"сценарий: его выполнит Windows";
inline constexpr wchar_t kDocumentFile[] = L"документ: его откроет программа, связанная с этим типом файлов";
inline constexpr wchar_t kWillNotStartOn32Bit[] = L": она не запустится на 32-разрядной Windows.";
inline constexpr wchar_t kInvalidProgram[] =
    L" назван программой (.exe), но это не программа Windows или файл повреждён: Windows его не запустит.";

inline const wchar_t* MachineName(Machine machine) {
  switch (machine) {
    case Machine::kX86: return L"x86";
    case Machine::kX64: return L"x64";
    case Machine::kArm64: return L"ARM64";
    case Machine::kOther: break;
  }
  return L"другого процессора";
}

}  // namespace discfront::editor
