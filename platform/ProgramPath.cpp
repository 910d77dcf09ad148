#include "platform/ProgramPath.h"

namespace ProgramPath {

QString join(const QString &programDir, const QString &name)
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    return programDir.endsWith(u'/') ? programDir + relative : programDir + u'/' + relative;
}

} // namespace ProgramPath
