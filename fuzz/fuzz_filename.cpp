// The export file name made from a person's name: it must stay one plain
// file name in its folder, whatever the name holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "DataFile.h"
#include "DateTime.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const kelra::DateTime now =
        kelra::DateTime::FromSeconds(in.ConsumeIntegralInRange<std::int64_t>(-59000000000, 260000000000));
    const std::string name = in.ConsumeRemainingBytesAsString();
    const std::string file = kelra::DataFileName(name, now);

    if (now.IsValid()) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "%02d_%02d_%04d_", now.Month(), now.Day(), now.Year());
        FUZZ_CHECK(file.rfind(prefix, 0) == 0);
        FUZZ_CHECK(file.size() == std::string(prefix).size() + name.size() + 4);
    }
    FUZZ_CHECK(file.size() >= 4 && file.compare(file.size() - 4, 4, ".txt") == 0);
    for (char c : file) {
        const auto u = static_cast<unsigned char>(c);
        FUZZ_CHECK(c != '/' && c != '\\' && u >= 0x20 && u != 0x7F);
    }
    return 0;
}
