#pragma once
// A program folder with map folders, for the tests of the map list.
#include <algorithm>
#include <string>
#include <vector>

#include "fixture/Maps.h"
#include "support/ProgramFixture.h"

namespace tv::test {

class MapsTest : public ProgramTest {
 protected:
  // A map at the program folder's relative path, last changed in that hour
  // (1..8 an opinion, 12 none), its size growing with the sprites.
  void Map(const std::string& path, int hour = 12, int sprites = 1) {
    fixture::WriteMap(Path(path), hour, {1, 4, sprites});
  }
  void Settings(const std::string& lines) { WriteIni("[Tarvolin]\r\nInitialized=True\r\n" + lines); }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (const ListRow& row : program->View().mapRows) rows.push_back(row.text);
    return rows;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const ListRow& row : program->View().mapRows) codes.push_back(row.code);
    return codes;
  }
  std::string Selected() const {
    const MainView& v = program->View();
    return v.mapSelected.empty() ? "" : v.mapRows[std::size_t(v.mapSelected.front())].text;
  }
  long Shown(const std::string& text) const {
    return std::count_if(ui.shown.begin(), ui.shown.end(), [&](const auto& s) { return s.text == text; });
  }
  long Beeps(BeepKind kind) const { return std::count(ui.beeps.begin(), ui.beeps.end(), kind); }
};

inline const std::string kLimitWarning =
    "Folder exceeds maximim limit of 1000 Maps!\nPlease create new Maps(n) folder.";

}  // namespace tv::test
