// The map music maker writes a standard MIDI file a player would play: a
// header chunk and one track chunk whose events run to end-of-track.
#include <gtest/gtest.h>

#include <cstdint>

#include "fixture/Music.h"

namespace tv::test {
namespace {

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v = (v << 8) | std::uint8_t(bytes.at(at + std::size_t(i)));
  return v;
}

// Reads a variable-length quantity: seven bits a byte, the high bit set on all but the last.
std::uint32_t Quantity(const std::string& bytes, std::size_t& at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t b = std::uint8_t(bytes.at(at++));
    v = (v << 7) | (b & 0x7Fu);
    if ((b & 0x80u) == 0) return v;
  }
  ADD_FAILURE() << "a quantity longer than four bytes";
  return v;
}

TEST(Music, TheMidiFileParsesToItsEndOfTrack) {
  const std::string midi = fixture::MidiBytes();
  ASSERT_EQ(midi.substr(0, 4), "MThd");
  EXPECT_EQ(BigEndian(midi, 4, 4), 6u);
  EXPECT_EQ(BigEndian(midi, 8, 2), 0u) << "format";
  EXPECT_EQ(BigEndian(midi, 10, 2), 1u) << "tracks";
  EXPECT_GT(BigEndian(midi, 12, 2), 0u) << "ticks a quarter note";
  ASSERT_EQ(midi.substr(14, 4), "MTrk");
  const std::size_t end = 22 + BigEndian(midi, 18, 4);
  ASSERT_EQ(end, midi.size()) << "the track chunk ends the file";

  int notesOn = 0;
  bool ended = false;
  for (std::size_t at = 22; at < end && !ended;) {
    Quantity(midi, at);  // delta time
    const std::uint8_t status = std::uint8_t(midi.at(at++));
    if (status == 0xFF) {
      const std::uint8_t type = std::uint8_t(midi.at(at++));
      at += Quantity(midi, at);
      ended = type == 0x2F;
      EXPECT_TRUE(!ended || at == end) << "end-of-track is the last event";
    } else {
      ASSERT_TRUE(status == 0x90 || status == 0x80) << "unexpected status " << int(status);
      notesOn += status == 0x90;
      EXPECT_LT(std::uint8_t(midi.at(at)), 0x80u);
      EXPECT_LT(std::uint8_t(midi.at(at + 1)), 0x80u);
      at += 2;
    }
  }
  EXPECT_TRUE(ended);
  EXPECT_GT(notesOn, 0);
}

}  // namespace
}  // namespace tv::test
