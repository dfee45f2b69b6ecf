#include "velmora_resources.h"

namespace velmora::resources {

QString iconPath(QStringView fileName)
{
    return QStringLiteral(":/images/icons/") + fileName.toString();
}

QString eulaPath()
{
    return QStringLiteral(":/EULA/EULA/EULA.txt");
}

} // namespace velmora::resources
