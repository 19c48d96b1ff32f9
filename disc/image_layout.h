// Where each part of a planned image lies: the volume descriptors, the path tables,
// both trees' folders and the files' data, in that order.
#pragma once

#include "disc/image_plan.h"

namespace discfront {

// The sector after the volume descriptors (primary, Unicode, terminator at 16-18).
inline constexpr std::uint32_t kFirstFreeSector = 19;

// Fills in the sectors and sizes of plan, whose trees and names are done.
void LayOut(ImagePlan& plan);

}  // namespace discfront
