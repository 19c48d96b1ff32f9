// How much a disc check finding weighs before the disc is published: an error means
// the menu or an entry will fail for everyone who uses the disc, so no image is made;
// a warning is something the author may knowingly ship.
#pragma once

#include "disc_check.h"

namespace discfront::editor {

// kNotChecked: the build could not look (no picture loader); neither passed nor failed.
enum class ProblemGrade { kError, kWarning, kNotChecked };

ProblemGrade GradeOf(const DiscProblem& problem);

}  // namespace discfront::editor
