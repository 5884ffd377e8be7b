// Feeds arbitrary bytes to the bar as its data file, on machines of four
// code pages: the first show must load them and the close must save without
// a crash, a hang or a sanitizer report; what was loaded must survive a save
// and a load; and on a machine of another code page the items must read the
// same, or their bytes must stay in the file or its copy.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/DataFileRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = pel::test::DataFileRoundTripFault(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
