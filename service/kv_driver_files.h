// Where the RAID driver's files are and which versions they carry, as the
// about box shows them, and whether a driver is loaded.
#pragma once

#include <string>
#include <vector>

inline constexpr const char *KV_DriverFileNames[] = {"kvraid.sys", "kvcfg.sys", "kvbottom.sys"};

// The directory of a driver file according to its service registration
// (the ImagePath of the service named after the file); false when it is
// not registered or the directory does not fit in `size` bytes.
bool KV_FindDriverDirectory(const char *fileName, char *buffer, int size);

// One record per file matching `pattern` in `directory`, at most `max`:
// the full path, then "|Name=value" entries (attributes, times, size and
// the version strings the file has), at most 2048 bytes each.
int KV_DescribeFiles(const std::string &directory, const std::string &pattern,
                     std::vector<std::string> *records, int max);

// The product version of the file; "Unknown" and false when it has none.
bool KV_GetFileVersion(const std::string &directory, const std::string &fileName,
                       std::string *version);

// The product versions of the three driver files, in their order; "Unknown"
// for a file whose version cannot be found.
std::vector<std::string> KV_GetDriverVersions();

// True when a loaded kernel driver has this base name.
bool KV_IsDriverLoaded(const std::string &name);
