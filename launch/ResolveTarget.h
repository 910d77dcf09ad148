#pragma once

#include <QString>

// True for a file field that names a web address: longer than four characters,
// with "HTTP" (in any case) as its first four. A field of four characters or
// fewer is always a file, so the window shows exactly what Go runs.
bool isWebAddressField(const QString &field);

// The launch target of a file field: a web address unchanged, anything else
// joined to the program's folder.
QString ResolveTarget(const QString &programDir, const QString &field);
