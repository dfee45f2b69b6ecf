// velmora-cli's subcommands, in the style of common storage tools:
// `velmora-cli COMMAND [OPTIONS] [ARGUMENTS]`, `--help` on each, `--json` on
// every read command. The options of old (--dump, --create, ...) stay with
// the dispatcher in console_main.cpp.
#pragma once

// True when `word` (the first argument) names a subcommand or asks for help:
// every word that does not begin with "-", and "-h", "--help".
bool KV_CliHandles(const char *word);

// Runs the subcommand in argv[1]; the process's exit status:
//   0 done, 1 failed (refused by a rule or the driver, or no answer from the
//   driver), 2 bad usage, 3 no such disk or array, 4 not confirmed.
// `printDump` prints the compact configuration dump as --dump does.
int KV_CliMain(int argc, char **argv, int (*printDump)());
