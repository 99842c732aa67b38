#pragma once

#include <string>
#include <vector>

namespace encoder {

// One argument written so that the C runtime's parser reads it back
// unchanged: quoted when it is empty or holds a blank, a tab or a quote,
// with backslashes doubled only where they stand before a quote.
std::string QuoteArgument(const std::string& argument);

// The arguments quoted and joined by blanks, as one command line.
std::string JoinArguments(const std::vector<std::string>& arguments);

}  // namespace encoder
