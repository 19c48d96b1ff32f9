// frontsmith's program icon, drawn by code: a disc with a sheet of catalogue lines and a pencil.
#pragma once

#include <string>

namespace frontsmith_art {

// The bytes of frontsmith.ico: one 48 x 48 image, 24 bits per pixel, with its mask.
std::string DrawIconFile();

}  // namespace frontsmith_art
