#pragma once
// The lx-cli commands; each returns the process exit code.
#include <string>

namespace lx::cli {

enum ExitCode { kFound = 0, kNotFound = 1, kUsageOrUnreadable = 2 };
// `check` reuses kNotFound for "problems found".
inline constexpr int kProblemsFound = 1;

int ListEntries(bool asJson);
int ShowEntry(const std::wstring& id, bool asJson);
int ExpandEntry(const std::wstring& id, const std::wstring& selection, const std::wstring& clipboard);
int ExpandTemplate(const std::wstring& body, const std::wstring& selection, const std::wstring& clipboard);
int CheckData();

}  // namespace lx::cli
