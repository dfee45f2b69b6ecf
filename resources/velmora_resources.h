// Where the compiled-in resources live. Linking velmora_resources registers them; these
// helpers only spell the paths.
#pragma once

#include <QString>

namespace velmora::resources {

// ":/images/icons/<fileName>", for example iconPath(u"small_array.png").
QString iconPath(QStringView fileName);

// The end-user licence agreement, plain UTF-8 text.
QString eulaPath();

} // namespace velmora::resources
