// The configuration a fresh emulator starts with: a workstation with a SATA
// RAID controller and an NVMe controller, three arrays holding C:, D: and E:,
// spares, a free disk and one not yet initialized.
#pragma once

#include "model.h"

namespace kvemu {

Model demoModel();

} // namespace kvemu
