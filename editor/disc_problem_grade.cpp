#include "disc_problem_grade.h"

namespace discfront::editor {

ProblemGrade GradeOf(const DiscProblem& problem) {
  using Kind = DiscProblem::Kind;
  switch (problem.kind) {
    // The launcher does not start, or ends with its error report.
    case Kind::kLauncherMissing:
    case Kind::kDescriptionMissing:
    case Kind::kSkinMissing:
    case Kind::kSkinNotBitmap:
    // An entry that cannot start what it names, or a record the disc does not hold as typed.
    case Kind::kProgramNotFound:
    case Kind::kFolderMissing:
    case Kind::kProgramInvalid:
    case Kind::kFieldNotSaved:
      return ProblemGrade::kError;
    // A skin above the caps stops the launcher; an entry's picture is only not shown.
    case Kind::kPictureTooLarge: return problem.slot < 0 ? ProblemGrade::kError : ProblemGrade::kWarning;
    // The menu works: it shows the window unshaped, stretches a skin set, says that a
    // picture is missing, or starts a program that runs on some systems only.
    case Kind::kOutlineEmpty:
    case Kind::kOutlineTooComplex:
    case Kind::kSkinSetIncomplete:
    case Kind::kSkinSetWrongSize:
    case Kind::kPathBreaksRule:
    case Kind::kPictureMissing:
    case Kind::kPictureUnreadable:
    case Kind::kFieldChanges:
    case Kind::kProgramNot32Bit:
      return ProblemGrade::kWarning;
    case Kind::kPictureNotChecked: return ProblemGrade::kNotChecked;
  }
  return ProblemGrade::kError;
}

}  // namespace discfront::editor
