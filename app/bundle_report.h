// velmora --bundle: what one full refresh hands the main window, as text.
#pragma once

#include <cstdint>

// Builds the bundle with the events from `firstEvent` on and prints it;
// returns the process's exit code.
int printBundle(uint32_t firstEvent);
