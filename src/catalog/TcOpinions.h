#pragma once
// The users' TC opinions in the section [TarvolinTC] of the settings file:
// keys TC_00, TC_01 ... holding the code, a space and the TC's group file.
#include <string>
#include <vector>

#include "catalog/TcDiscovery.h"
#include "settings/IniFile.h"

namespace tv {

inline constexpr const char* kTcOpinionSection = "TarvolinTC";

// "TC_" + the index, two digits at least.
std::string TcOpinionKey(std::size_t index);

// Drops the entries whose code is "0" and closes the gaps, from TC_00 up to
// the first empty value.
void PackTCOpinions(IniFile& ini);

struct TcRowOpinion {
  std::size_t row;
  char code;
};
// The opinion of each TC list row the entries name, in key order (a later
// entry for the same row wins when applied in order). Entries of the older
// form (the display name in place of the group file) are rewritten in ini.
std::vector<TcRowOpinion> LoadTCOpinions(IniFile& ini, const std::vector<TcRecord>& tcs,
                                         const std::vector<std::string>& rows);

// Records text (the code, a space and a TC list row's text): the entry of
// that TC is updated, else the first free key gets it.
void StoreTCOpinion(IniFile& ini, const std::vector<TcRecord>& tcs, std::size_t rowCount, const std::string& text);

}  // namespace tv
