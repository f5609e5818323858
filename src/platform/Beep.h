#pragma once

namespace tv {

// The three standard system sounds the program plays.
enum class BeepKind { Default, Exclamation, Information };

}  // namespace tv
