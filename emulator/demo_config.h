// The configuration a fresh emulator starts with: a workstation with a SATA
// RAID controller and an NVMe controller, three arrays holding C:, D: and E:,
// spares, a free disk and one not yet initialized.
#pragma once

#include "model.h"

namespace kvemu {

Model demoModel();

// The RAID driver's three files as the demo host has them installed: all
// registered, carrying versions of the core's build, and loaded.
std::vector<DriverFile> demoDrivers();

} // namespace kvemu
