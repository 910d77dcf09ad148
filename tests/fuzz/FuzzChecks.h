#pragma once

#include <QByteArray>
#include <QString>

// The properties the fuzz targets check, shared with the test that replays the
// corpus. Each returns an empty text when the input behaved, or what went wrong.
namespace FuzzChecks {

// Information-file bytes: reading never fails more than twice, keeps the count
// in 16 bits, and every entry the window may show can be read.
QString entryReader(const QByteArray &bytes);

// A program folder (UTF-8): the launcher written for it parses back to exactly
// that folder and program, with no extra key.
QString desktopEntry(const QByteArray &bytes);

} // namespace FuzzChecks
