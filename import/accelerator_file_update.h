#pragma once
// Read-modify-write of the user's accelerator file, safe against a second
// import at the same time, a crash halfway and a file that does not parse.
#include <windows.h>

#include <functional>
#include <string>

namespace lx {

class CXMLProps;

// Opens the file (or starts a new document when it is missing or does not
// open), lets `change` append below the root, and replaces the file in one
// step with a hidden file holding the result. A file that exists but does
// not open is first copied beside itself as
// "<name>.broken-YYYYMMDD-HHMMSS.bak"; when that copy fails nothing is
// written. False when the file was left as it was.
bool UpdateAcceleratorFile(const std::wstring& path, const std::function<void(CXMLProps&)>& change);

// The name the backup of a broken file gets at the given local time.
std::wstring BrokenFileBackupName(const std::wstring& path, const SYSTEMTIME& localTime);

}  // namespace lx
