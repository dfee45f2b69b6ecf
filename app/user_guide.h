// The user guide: the console's PDF copied out of the resources into a
// folder the desktop's viewer can read.
#pragma once

#include <QString>

// The "Velmora" folder of the temporary-files location, created as needed.
QString KV_UserGuideFolder();

// Copies `source` to "oxv-velmora_user_guide.pdf" in `folder`, replacing an
// earlier copy even when that was made read-only. Returns the target path,
// also when the copy failed.
QString KV_CopyUserGuide(const QString &source, const QString &folder);
