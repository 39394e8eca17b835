#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace vorlane::cli {

inline constexpr std::string_view kStandardInput = "-";

// "vorlane-cli identify [OPTION...] -": each line of `in` holds one chord's notes (options too,
// if wanted), named as `identify OPTION... NOTE...` would: its five look-up lines on `out`, or
// its one error on `err`, told with the line's number ("vorlane-cli: line 3: ..."). Blank lines
// are skipped. Returns 0 when every line named a chord, else the highest status of the lines
// that did not (1: named no chord, 2: bad input). Output is flushed whenever no input waits,
// so a script may ask one chord at a time.
int IdentifyLines(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace vorlane::cli
