// The open-file dialog's filter list in Qt's form.
#include <gtest/gtest.h>

#include "ui/FileFilter.h"

namespace tv {
namespace {

struct Case {
  const char* filter;
  std::vector<std::string> nameFilters;
};

const Case kCases[] = {
    {"Midi file (*.mid)|*.mid|All files (*.*)|*.*", {"Midi file (*.mid) (*.mid)", "All files (*.*) (*)"}},
    {"Maps|*.map;*.MAP", {"Maps (*.map *.MAP)"}},
    {"Text (*.txt)|*.txt|dangling", {"Text (*.txt) (*.txt)"}},
    {"", {}},
};

TEST(FileFilter, EachNameAndPatternPairBecomesOneNameFilter) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(NameFilters(c.filter), c.nameFilters);
  }
}

}  // namespace
}  // namespace tv
