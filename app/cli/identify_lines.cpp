#include "app/cli/identify_lines.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/identify.h"
#include "app/cli/lookup.h"

namespace vorlane::cli {

namespace {

constexpr std::string_view kPrefix = "vorlane-cli: ";
constexpr std::string_view kBlanks = " \t\r";

// Appends the words of the line to args; they point into line.
void AppendWords(const std::string& line, std::vector<std::string_view>& args) {
    const std::string_view text = line;
    for (std::size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
        args.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kBlanks, end);
    }
}

}  // namespace

int IdentifyLines(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    std::vector<std::string_view> options;
    std::copy_if(args.begin(), args.end(), std::back_inserter(options),
                 [](std::string_view arg) { return arg != kStandardInput; });
    int status = kExitSuccess;
    std::string line;
    std::ostringstream lineErr;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string_view> lineArgs = options;
        AppendWords(line, lineArgs);
        if (lineArgs.size() > options.size()) {
            lineErr.str({});
            const int lineStatus = IdentifyNotes(lineArgs, out, lineErr);
            if (lineStatus != kExitSuccess) {
                std::string message = lineErr.str();
                const std::size_t at = message.starts_with(kPrefix) ? kPrefix.size() : 0;
                message.insert(at, "line " + std::to_string(number) + ": ");
                err << message;
                status = std::max(status, lineStatus);
            }
        }
        if (in.rdbuf()->in_avail() <= 0) {
            out.flush();
        }
    }
    return status;
}

}  // namespace vorlane::cli
