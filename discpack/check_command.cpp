// discpack check (check_command.h).
#include "discpack/check_command.h"

#include <algorithm>
#include <cstdint>

#include "base/decimal_text.h"
#include "base/texts.h"
#include "base/utf8.h"
#include "catalogue/catalogue_reader.h"
#include "discpack/console_text.h"
#include "discpack/discpack_texts.h"
#include "discpack/host_files.h"
#include "editor/disc_messages.h"
#include "editor/disc_problem_grade.h"

namespace discfront::discpack {
namespace {

using editor::DiscProblem;
using editor::ProblemGrade;

std::wstring_view GradeName(ProblemGrade grade) {
  switch (grade) {
    case ProblemGrade::kError: return L"error";
    case ProblemGrade::kWarning: return L"warning";
    case ProblemGrade::kNotChecked: return L"not checked";
  }
  return L"error";
}

void AppendJsonString(std::wstring& out, std::wstring_view text) {
  out += L'"';
  for (const wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out += L'\\';
      out += c;
    } else if (c < 0x20) {
      static constexpr wchar_t kHex[] = L"0123456789abcdef";
      out += L"\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += c;
    }
  }
  out += L'"';
}

// A file as the system names it: the disc model's "\" is "/" outside Windows.
std::wstring ShownPath(std::wstring path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), L'\\', L'/');
#endif
  return path;
}

}  // namespace

std::wstring FindingsJson(const std::vector<DiscProblem>& problems, std::wstring_view discFolder) {
  std::wstring out = L"[";
  for (const DiscProblem& problem : problems) {
    out += out.size() == 1 ? L"\n  {\"grade\": " : L",\n  {\"grade\": ";
    AppendJsonString(out, GradeName(editor::GradeOf(problem)));
    out += L", \"message\": ";
    AppendJsonString(out, editor::ProblemText(problem, discFolder));
    out += L", \"file\": ";
    AppendJsonString(out, ShownPath(problem.file));
    if (problem.slot >= 0) out += L", \"entry\": " + DecimalText(problem.slot + 1);
    out += L'}';
  }
  out += problems.empty() ? L"]\n" : L"\n]\n";
  return out;
}

int RunCheck(const std::string& folder, bool json, const CheckProbes& probes) {
  // The disc model names files the Windows way; "/" works as the separator on both systems.
  std::wstring disc = DecodeUtf8(folder);
  while (disc.size() > 1 && (disc.back() == L'/' || disc.back() == L'\\')) disc.pop_back();
  const auto native = [](std::wstring_view path) {
    std::string bytes;
    EncodeUtf8(path, bytes);
    std::replace(bytes.begin(), bytes.end(), '\\', '/');
    return bytes;
  };
  if (!IsFolder(native(disc))) {
    WriteText(Stream::kError, FormatText(kTextDiscpackNoFolder, {disc}));
    return 2;
  }
  const DiscFolder discFolder(disc);
  const std::optional<std::string> bytes = ReadFileStart(native(discFolder.CatalogueFile()), SIZE_MAX);
  CatalogueRead catalogue = ReadCatalogue(bytes.value_or(""));
  if (!bytes || !catalogue.ok()) {
    WriteText(Stream::kError, FormatText(kTextDiscpackNoCatalogue, {ShownPath(discFolder.CatalogueFile())}));
    return 2;
  }
  const std::vector<DiscProblem> problems =
      editor::CheckDisc(std::move(catalogue.entries), discFolder, probes.files, probes.pictures, probes.programs);
  int exit = 0;
  std::wstring lines;
  for (const DiscProblem& problem : problems) {
    exit = std::max(exit, editor::GradeOf(problem) == ProblemGrade::kError ? 2 : 1);
    lines += editor::ProblemText(problem, disc) + L'\n';
  }
  WriteText(Stream::kOut, json ? FindingsJson(problems, disc) : lines);
  return exit;
}

}  // namespace discfront::discpack
