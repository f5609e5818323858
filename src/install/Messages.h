#pragma once
// The texts that launching and the tools menu show.
#include <string>

#include "platform/Process.h"

namespace tv {

std::string AboutText(const std::string& programVersion);

// The "Command Line" question before a launch: two spaces between program
// and parameters (the settings file records one).
std::string CommandLineQuestion(const std::string& program, const std::string& parameters);

// Why a program could not be started at all.
std::string StartFailureText(const std::string& program, const StartResult& result);

}  // namespace tv
