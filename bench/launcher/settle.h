// A pause between one measured program's end and the next start.
//
// A program's end is finished off after its process has gone: the display driver, the
// notification area and the server tear down its windows and icons. A program started
// at once shared the processors with that work and took up to twice as long, by an
// amount that depended on what ran before it.
#pragma once

#include <windows.h>

namespace discfront::bench {

inline void LetThePreviousProgramSettle() { Sleep(300); }

}  // namespace discfront::bench
