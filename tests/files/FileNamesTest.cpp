#include "files/FileNames.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace ranvik;

namespace {
struct NameCase {
    const char* path;
    bool hasExtension;
    const char* chartPath;    // Save as's completion
    const char* changedToTms; // the extension replaced
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}
class FileNameRule : public ::testing::TestWithParam<NameCase> {};
} // namespace

// One rule for every command: a dot in the file-name part is an extension, whatever follows.
TEST_P(FileNameRule, ExtensionIsADotInTheFileNamePart) {
    const NameCase& c = GetParam();
    EXPECT_EQ(HasFileExtension(c.path), c.hasExtension);
    EXPECT_EQ(ChartPathFor(c.path), c.chartPath);
    EXPECT_EQ(WithExtensionChanged(c.path, ".tms"), c.changedToTms);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileNameRule,
    ::testing::Values(NameCase{"/d/report.qtr", true, "/d/report.qtr", "/d/report.tms"},
                      NameCase{"/d/report", false, "/d/report.tms", "/d/report.tms"},
                      NameCase{"", false, ".tms", ".tms"},
                      NameCase{"/d.v2/club", false, "/d.v2/club.tms", "/d.v2/club.tms"},
                      NameCase{"/d/a.b.c", true, "/d/a.b.c", "/d/a.b.tms"},
                      NameCase{"/d/club.", true, "/d/club.", "/d/club.tms"},
                      NameCase{"/d/.hidden", true, "/d/.hidden", "/d/.tms"},
                      NameCase{"C:\\x.d\\name", false, "C:\\x.d\\name.tms", "C:\\x.d\\name.tms"}),
    [](const auto& info) { return test::ParamName(info.index, info.param.path); });
