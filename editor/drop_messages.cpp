#include "drop_messages.h"

#include "base/decimal_text.h"
#include "base/texts.h"
#include "disc_messages.h"

namespace discfront::editor {
namespace {

// A message box taller than the screen hides its buttons: the rest are counted.
constexpr std::size_t kListedFiles = 12;

std::wstring Lines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (std::size_t i = 0; i < lines.size() && i < kListedFiles; ++i) {
    if (!text.empty()) text += L'\n';
    text += lines[i];
  }
  if (lines.size() > kListedFiles) text += L'\n' + FormatText(kTextDropMore, {DecimalText(lines.size() - kListedFiles)});
  return text;
}

std::wstring RuleLines(const std::wstring& path, const std::vector<PathFinding>& findings) {
  std::wstring text;
  for (const PathFinding& finding : findings) {
    if (!text.empty()) text += L'\n';
    text += FormatText(kTextDropBreaksRule, {path, PathRuleText(finding)});
  }
  return text;
}

}  // namespace

std::wstring DropRefusedMessage(const std::vector<DroppedFile>& refused) {
  using Kind = DroppedFile::Kind;
  std::vector<std::wstring> lines;
  for (const DroppedFile& file : refused) {
    switch (file.kind) {
      case Kind::kUnreadable: lines.push_back(FormatText(kTextDropUnreadable, {file.source})); break;
      case Kind::kReservedCharacter: lines.push_back(FormatText(kTextDropReserved, {file.discPath})); break;
      case Kind::kBreaksPathRules: lines.push_back(RuleLines(file.discPath, file.findings)); break;
      case Kind::kNoPrograms: lines.push_back(FormatText(kTextDropNoPrograms, {file.source})); break;
      default: break;  // not a refusal
    }
  }
  return FormatText(kTextDropRefused, {Lines(lines)});
}

std::wstring CopyInRefusedMessage(const std::vector<CopyIn>& refused) {
  std::vector<std::wstring> lines;
  for (const CopyIn& copy : refused) {
    if (copy.reservedCharacter) lines.push_back(FormatText(kTextDropReserved, {copy.discPath}));
    if (!copy.findings.empty()) lines.push_back(RuleLines(copy.discPath, copy.findings));
  }
  return FormatText(kTextCopyInRefused, {Lines(lines)});
}

std::wstring CopyInPrompt(const std::vector<std::wstring>& sources) {
  return FormatText(kTextCopyInPrompt, {Lines(sources)});
}

std::wstring ReplaceOnCopyQuestion(const CopyIn& copy) {
  return FormatText(kTextCopyInReplace, {copy.discPath, copy.source});
}

std::wstring CopyInFailedMessage(const CopyIn& copy, std::wstring_view reason) {
  return FormatText(kTextCopyInFailed, {copy.source, copy.discPath, reason});
}

}  // namespace discfront::editor
