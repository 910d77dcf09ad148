#include "launch/ResolveTarget.h"

#include "platform/ProgramPath.h"

bool isWebAddressField(const QString &field)
{
    return field.size() > 4 && field.left(4).compare(QStringLiteral("HTTP"), Qt::CaseInsensitive) == 0;
}

QString ResolveTarget(const QString &programDir, const QString &field)
{
    return isWebAddressField(field) ? field : ProgramPath::join(programDir, field);
}
