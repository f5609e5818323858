#include "session/OpinionChooser.h"

#include "catalog/Opinion.h"
#include "catalog/OpinionTime.h"
#include "platform/Text.h"

namespace tv {

void OpinionChooser::SetOtherInstallation(const std::string& folder) {
  m_otherInstallation = folder;
  if (!folder.empty() && folder.back() != kSep) m_otherInstallation += kSep;
}

OpinionAnswer OpinionChooser::Choose(const std::string& topLine, const std::string& mapName,
                                     const std::function<void(int code)>& apply) {
  OpinionRequest request{topLine, {}};
  if (!m_otherInstallation.empty()) request.compare = [this, mapName] { return Compare(mapName); };
  OpinionAnswer answer;
  m_s.ShowModal([&] {
    answer = m_s.ui.ChooseOpinion(request);
    if (answer.by != OpinionAnswer::By::Row) return;
    m_s.Guarded([&] {
      apply(answer.code);
      m_s.SaveSettings();
    });
  });
  return answer;
}

OpinionVerdict OpinionChooser::Compare(const std::string& mapName) const {
  OpinionVerdict verdict{"Map not found!", {128, 128, 128}};
  for (int i = 0; i < 7; ++i) {
    const std::string folder = m_otherInstallation + "Maps" + (i == 0 ? "" : Dec(i));
    const std::string file = folder + kSep + mapName;
    if (!m_s.fs.FolderExists(folder) || !m_s.fs.FileExists(file)) continue;
    // The hour is taken as it reads, without turning 9 and above into 0.
    const int hour = OpinionFromFileTime(m_s.fs.ModifiedTime(file).value_or(0), m_s.env.formats);
    verdict = {std::string(ComparisonText(hour)), OpinionColor(hour)};
    break;
  }
  m_s.ui.Beep(BeepKind::Exclamation);
  verdict.text = mapName + "\n\n" + verdict.text;
  return verdict;
}

}  // namespace tv
