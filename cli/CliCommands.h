#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DateTime.h"

namespace kelra::cli {

// Exit status of a command line that cannot be carried out.
inline constexpr int kBadInput = 2;

// YYYY-MM-DD, optionally followed by THH:MM or THH:MM:SS; nothing when the
// text is not of that form or names no real moment.
std::optional<DateTime> ParseIsoDateTime(std::string_view text);

// Runs one command line (the arguments after the program's name) against
// the clock kelra::Now(). Standard output goes to out, the one line of a
// failure to err. Charts need a QGuiApplication. Returns the exit status.
int Run(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace kelra::cli
