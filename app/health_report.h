// velmora-cli --health: the window's health line as text, with an exit
// status that monitoring systems understand.
#pragma once

// Prints the health line (and each further problem on a line of its own)
// and returns 0 when healthy, 1 when degraded or working, 2 when offline or
// failing (or the driver does not answer).
int printHealth();
