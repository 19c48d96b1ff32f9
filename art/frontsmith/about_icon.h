// The editor's About dialog icon, drawn by code: a disc with a blue "i", in the sixteen
// standard colours.
#pragma once

#include <string>

namespace frontsmith_art {

// The bytes of about.ico: one 32 x 32 image, 4 bits per pixel (16 colours), with its mask.
std::string DrawAboutIconFile();

}  // namespace frontsmith_art
