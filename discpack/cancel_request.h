// Ctrl+C (and, on Windows, closing the console; elsewhere SIGTERM) asks discpack to
// stop: the writer sees it at its next block and removes its unfinished file.
#pragma once

namespace discfront::discpack {

// From now on, an interrupt is noted rather than ending the program at once.
void WatchForCancel();

bool CancelAsked();

}  // namespace discfront::discpack
