#include "session/OpinionChooser.h"

#include "catalog/Opinion.h"
#include "catalog/OpinionTime.h"
#include "platform/Text.h"

namespace tv {

OpinionChooser::OpinionChooser(FileSystem& fs, UserInterface& ui, const DateTimeFormats& formats,
                               std::function<void(int code)> setOpinion)
    : m_fs(fs), m_ui(ui), m_formats(formats), m_setOpinion(std::move(setOpinion)) {}

void OpinionChooser::Prepare() {
  m_compareVisible = !opinionPath.empty();
  if (m_compareVisible && opinionPath.back() != kSep) opinionPath += kSep;
}

void OpinionChooser::ChooseOpinion(std::size_t row) { m_setOpinion(kOpinionRows.at(row).code); }

void OpinionChooser::Cancel() { exportFlag = false; }

void OpinionChooser::Compare() {
  Rgb colour{128, 128, 128};
  std::string verdict = "Map not found!";
  for (int i = 0; i < 7; ++i) {
    const std::string folder = opinionPath + "Maps" + (i == 0 ? "" : Dec(i));
    const std::string file = folder + kSep + mapName;
    if (!m_fs.FolderExists(folder) || !m_fs.FileExists(file)) continue;
    // The hour is taken as it reads, without turning 9 and above into 0.
    const int hour = OpinionFromFileTime(m_fs.ModifiedTime(file).value_or(0), m_formats);
    verdict = ComparisonText(hour);
    colour = OpinionColor(hour);
    break;
  }
  m_ui.Beep(BeepKind::Exclamation);
  m_ui.ShowOpinionMessage(mapName + "\n\n" + verdict, colour);
}

}  // namespace tv
