#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ProcessOutput {
    std::vector<std::string> lines;
    int status = -1;
};

ProcessOutput RunCatalogueDump() {
    ProcessOutput output;
    FILE* pipe = popen("\"" CATALOGUE_DUMP_PATH "\"", "r");
    if (pipe == nullptr) {
        return output;
    }
    std::string text;
    char buffer[4096];
    for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, read);
    }
    output.status = pclose(pipe);
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        output.lines.push_back(text.substr(start, end - start));
    }
    return output;
}

TEST(CatalogueDumpTest, PrintsOneUtf8LinePerProgrammeAndPerEmptyHeading) {
    const ProcessOutput output = RunCatalogueDump();
    ASSERT_EQ(output.status, 0);
    ASSERT_EQ(output.lines.size(), 199u);
    EXPECT_EQ(output.lines.front(),
              "0\tAllgemeine Krankheiten\t0\tAdipositas (Fettsucht\t2:5\t8:3\t5:3\t8:3\t2:5\t"
              "total=19");
    EXPECT_EQ(output.lines.back(), "15\t ");

    const std::string expectedLines[] = {
        "3\tBewegungsapparat\t13\tMuskeldystrophie\t2:0\t3:0\t8:0\ttotal=0",
        "8\tNervensystem\t14\tL\xC3\xA4hmungen Polyomyelitis\t2:7\t3:10\t2:7\t3:10\t2:7\t3:10\t"
        "total=51",
        "13\tVerdauungsorgane 2\t5\tH\xC3\xA4morrhoiden\t",
    };
    for (const std::string& expected : expectedLines) {
        EXPECT_TRUE(std::ranges::any_of(output.lines, [&](const std::string& line) {
            return line.starts_with(expected);
        })) << expected;
    }
}

}  // namespace
