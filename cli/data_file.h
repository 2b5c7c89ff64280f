#pragma once
// Opens the data files the way the programs do, but says why it failed.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lx {
class CAccelerator;
class CXMLProps;
}

namespace lx::cli {

std::wstring AcceleratorFilePath();

// Empty on success; otherwise a message naming the file and, for XML
// errors, the line and the parser's reason.
std::optional<std::wstring> OpenDataFile(CXMLProps& props, const std::wstring& path, std::wstring_view rootName);

// Prints the message to stderr; returns the exit code for unreadable files.
int ReportUnreadable(const std::wstring& message);

// Loads the top-level entry as the processor would; on failure reports why
// and returns the exit code.
int LoadTopLevelEntry(const std::wstring& id, std::unique_ptr<CAccelerator>& entry);

}  // namespace lx::cli
