#pragma once
// Why an XML file fails to parse, for messages to the user. The DOM's own
// parse error is used when it names a line; some DOM implementations report
// neither line nor reason, and then the platform's SAX reader is asked, whose
// locator gives the line of the last construct it read before the error.
#include <optional>
#include <string>

namespace lx {

struct XmlError {
    int line = 0;
    std::wstring reason;
};

// Nothing when the file is well-formed (or could not be read at all).
std::optional<XmlError> DiagnoseXmlFile(const std::wstring& path);

}  // namespace lx
