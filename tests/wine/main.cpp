#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

// The programs initialise OLE on their main thread before any DOM use; so do
// the tests.
int wmain(int argc, wchar_t** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 3;
    const int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
