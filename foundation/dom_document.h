#pragma once
#include <windows.h>
#include <msxml2.h>
#include <wrl/client.h>

namespace lx {

// A free-threaded DOM document set up for the system's data files:
// synchronous loads, no external resources, no DTDs. Null when the DOM
// service cannot be created even after initialising COM on this thread.
Microsoft::WRL::ComPtr<IXMLDOMDocument> CreateDomDocument();

}  // namespace lx
