#include "disc_messages.h"

#include "base/ascii_text.h"
#include "base/decimal_text.h"
#include "base/picture_limits.h"
#include "base/texts.h"
#include "messages.h"
#include "disc/program_image.h"

namespace discfront::editor {
namespace {

std::wstring MachineName(Machine machine) {
  switch (machine) {
    case Machine::kX86: return L"x86";
    case Machine::kX64: return L"x64";
    case Machine::kArm64: return L"ARM64";
    case Machine::kOther: break;
  }
  return Text(kTextOtherMachine);
}

std::wstring RecordName(const DiscProblem& p) {
  return FormatText(kTextRecordName, {DecimalText(p.slot + 1), p.title});
}

// "None", "NONE" and the like are file names to the launcher; only "none" means no
// picture. The file is the disc folder followed by the field, so the field is its end.
bool EndsLikeNone(std::wstring_view file) {
  static_assert(DiscFolder::kNoPicture == L"none");
  return EndsWithIgnoringCase(file, "none");
}

}  // namespace

std::wstring PathRuleText(const PathFinding& finding) {
  using Rule = PathFinding::Kind;
  switch (finding.kind) {
    case Rule::kNotFromDiscFolder: return Text(kTextRuleNotFromDisc);
    case Rule::kLeavesDiscFolder: return Text(kTextRuleLeaves);
    case Rule::kDriveLetter: return FormatText(kTextRuleDrive, {finding.part});
    case Rule::kServer: return Text(kTextRuleServer);
    case Rule::kDeviceName: return FormatText(kTextRuleDevice, {finding.part});
    case Rule::kComponentTooLong:
      return FormatText(kTextRuleLongName, {finding.part, DecimalText(kLongestPathComponent)});
    case Rule::kPathTooLong: return FormatText(kTextRuleLongPath, {DecimalText(kLongestFullPath)});
  }
  return {};
}

std::wstring ProblemText(const DiscProblem& problem, std::wstring_view discFolder) {
  using Kind = DiscProblem::Kind;
  DiscProblem p = problem;
  if (p.file.starts_with(discFolder)) p.file.erase(0, discFolder.size());
  switch (p.kind) {
    case Kind::kLauncherMissing: return FormatText(kTextLauncherMissing, {p.file});
    case Kind::kDescriptionMissing: return FormatText(kTextDescriptionMissing, {p.file});
    case Kind::kSkinMissing: return FormatText(kTextSkinMissing, {p.file});
    case Kind::kSkinSetIncomplete: return FormatText(kTextSkinSetIncomplete, {p.file});
    case Kind::kSkinSetWrongSize: return FormatText(kTextSkinSetWrongSize, {p.file});
    case Kind::kSkinNotBitmap: return FormatText(kTextSkinNotBitmap, {p.file});
    case Kind::kOutlineEmpty: return FormatText(kTextOutlineEmpty, {p.file});
    case Kind::kOutlineTooComplex:
      return FormatText(kTextOutlineComplex, {p.file, DecimalText(kMaxOutlineRectangles), DecimalText(p.percent)});
    case Kind::kPictureTooLarge:
      if (p.slot < 0) return FormatText(kTextSkinTooLarge, {p.file});
      return RecordName(p) + FormatText(kTextPictureTooLarge, {p.file});
    case Kind::kProgramNotFound: return RecordName(p) + FormatText(kTextProgramMissing, {p.file});
    case Kind::kFolderMissing: return RecordName(p) + FormatText(kTextFolderMissing, {p.file});
    case Kind::kPathBreaksRule: return RecordName(p) + PathRuleText(p.pathFinding);
    case Kind::kPictureMissing: {
      std::wstring text = RecordName(p) + FormatText(kTextPictureMissing, {p.file});
      if (EndsLikeNone(p.file)) text += Text(kTextWriteNoneInLowerCase);
      return text;
    }
    case Kind::kPictureUnreadable: return RecordName(p) + FormatText(kTextPictureUnreadable, {p.file});
    case Kind::kFieldChanges: return RecordName(p) + FormatText(kTextFieldChanges, {FieldName(p.field), p.readBack});
    case Kind::kFieldNotSaved: return RecordName(p) + FormatText(kTextFieldNotSaved, {FieldName(p.field)});
    case Kind::kProgramNot32Bit: return RecordName(p) + FormatText(kTextProgramNot32Bit, {MachineName(p.machine), p.file});
    case Kind::kProgramInvalid: return RecordName(p) + FormatText(kTextProgramInvalid, {p.file});
    case Kind::kPictureNotChecked:
      return (p.slot < 0 ? std::wstring() : RecordName(p)) + FormatText(kTextPictureNotChecked, {p.file});
  }
  return {};
}

std::wstring StartedFileText(const EntryFile& started, std::wstring_view discFolder) {
  DiscProblem record;
  record.slot = started.slot;
  record.title = started.title;
  std::wstring file = started.file;
  if (file.starts_with(discFolder)) file.erase(0, discFolder.size());
  std::wstring what;
  if (started.kind == EntryFile::Kind::kScript) {
    what = Text(kTextScriptFile);
  } else if (started.kind == EntryFile::Kind::kDocument) {
    what = Text(kTextDocumentFile);
  } else if (!started.program) {
    what = Text(kTextUnreadableFile);
  } else if (!started.program->valid) {
    what = Text(kTextNoProgram);
  } else {
    what = FormatText(kTextProgramFor, {MachineName(started.program->machine)});
    what += Text(started.program->console ? kTextConsoleProgram : kTextWindowProgram);
    if (started.program->asksAdministrator) what += Text(kTextAsksAdministrator);
  }
  return RecordName(record) + FormatText(kTextStartedFile, {file, what});
}

std::wstring CheckProgressText(int done, int total) {
  return FormatText(kTextCheckProgress, {DecimalText(done), DecimalText(total)});
}

std::wstring CheckCancelledText(int done, int total) {
  return FormatText(kTextCheckCancelled, {DecimalText(done), DecimalText(total)});
}

std::wstring CheckFinishedText(std::size_t problems) {
  return FormatText(kTextCheckFinished, {DecimalText(problems)});
}

std::wstring NoLauncherMessage(std::wstring_view launcherFile) { return FormatText(kTextNoLauncher, {launcherFile}); }

std::wstring LauncherStartFailedMessage(std::wstring_view launcherFile, std::wstring_view reason) {
  return FormatText(kTextLauncherStartFailed, {launcherFile, reason});
}

std::wstring ReplaceAutorunQuestion(std::wstring_view autorunFile) {
  return FormatText(kTextReplaceAutorun, {autorunFile});
}

std::wstring DescriptionReadFailedMessage(std::wstring_view file, std::wstring_view reason) {
  return FormatText(kTextDescriptionReadFailed, {file, reason});
}

std::wstring DescriptionRefusedMessage(DescriptionRefusal refusal) {
  return Text(refusal == DescriptionRefusal::kNoByte ? kTextDescriptionNoByte : kTextDescriptionQuote);
}

}  // namespace discfront::editor
