#pragma once
// Where the user's data lives: the per-user data folder (settings and
// accelerators), the all-users scripts folder, or both beside the programs
// when a "portable" marker stands there. Every folder ends with a backslash.
#include <string>
#include <string_view>

namespace lx {

inline constexpr std::wstring_view kSettingsFileName = L"settings.xml";
inline constexpr std::wstring_view kAcceleratorFileName = L"accelerators.xml";
inline constexpr std::wstring_view kScriptExtension = L".lxscript";

std::wstring GetDataFolder();
std::wstring GetScriptsFolder();

// The folders as seen by a program in `programFolder` (with trailing
// backslash); the two above pass the running program's own folder.
std::wstring DataFolderFor(std::wstring_view programFolder);
std::wstring ScriptsFolderFor(std::wstring_view programFolder);

std::wstring ProgramFolder();

// The part of `path` before its last separator; empty when it has none.
std::wstring FolderOf(const std::wstring& path);

// A file or folder exists at `path`.
bool PathExists(const std::wstring& path);

// Paths are bounded by the platform's 260-character buffers: anything longer
// is cut, and the cut path is then simply not found.
std::wstring BoundedPath(std::wstring path);

}  // namespace lx
