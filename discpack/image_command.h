// discpack image: writes the image of a folder, reporting on standard error.
#pragma once

#include "discpack/arguments.h"

namespace discfront::discpack {

// The exit code: 0 only when the image is complete.
int RunImage(const ImageArguments& arguments);

}  // namespace discfront::discpack
