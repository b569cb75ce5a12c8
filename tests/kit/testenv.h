#pragma once

#include "kit/recorder.h"

// Every test starts in a fresh temporary directory as its current directory, with a
// fresh Recorder installed in place of the desktop, and ends with every window closed.
Recorder &recorder();
