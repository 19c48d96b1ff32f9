// Which of a disc's skin sets the launcher shows at a resolution.
#pragma once

#include "disc/disc_folder.h"

namespace discfront {

// The skin set (its scale in percent) the launcher shows at `dpi`: skin\ itself unless
// a set for another scale has all four files and suits the scale better.
int SkinSetFor(const DiscFolder& disc, int dpi);

}  // namespace discfront
