#pragma once
// The one way every table of refusals fills in its rows, in every library.
#include <string>
#include <string_view>
#include <vector>

namespace rl {

// A wording's pattern with its values: "{N}" is value N; "{N|one|many}" is
// value N followed by the word for one or for many.
std::string filledIn(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace rl
