#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/DataFileRoundTrip.h"

namespace pel::test {
namespace {

// The fuzzer's seeds and every input it ever broke the program with, kept in
// its corpus, must keep passing its check.
TEST(DataFileCorpus, EveryKeptInputSurvivesASaveAndALoad) {
    const std::filesystem::path corpus =
        std::filesystem::path(PEL_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / "fuzz_datafile";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(DataFileRoundTripFault(bytes), "") << entry.path().filename();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace pel::test
