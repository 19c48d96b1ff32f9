// discpack check: the editor's disc check on a folder, its findings one a line or as
// JSON, with an exit code a build script can test.
#pragma once

#include <string>

#include "disc/file_probe.h"
#include "disc/program_image.h"
#include "editor/disc_check.h"

namespace discfront::discpack {

struct CheckProbes {
  const FileProbe& files;
  const editor::PictureProbe& pictures;
  const ProgramProbe& programs;
};

// 0: no findings; 1: warnings or pictures not checked, no errors; 2: errors, or no folder or catalogue to check.
int RunCheck(const std::string& folder, bool json, const CheckProbes& probes);

// The findings as a JSON array of {"grade", "message", "file", "entry"} (entry only for a record).
std::wstring FindingsJson(const std::vector<editor::DiscProblem>& problems, std::wstring_view discFolder);

}  // namespace discfront::discpack
