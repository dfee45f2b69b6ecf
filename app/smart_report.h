// velmora --smart DISK: a disk's S.M.A.R.T. values and its attribute report,
// read through the service as the S.M.A.R.T. overview reads them.
#pragma once

// Prints the values, writes the report to the application log and the
// S.M.A.R.T. log beside it (the one the overview opens, started afresh),
// and prints that log; returns the process's exit code. `programPath` is
// the program's own path, which decides where the logs lie.
int printSmartReport(int diskId, const char *programPath);
