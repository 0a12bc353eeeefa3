#pragma once

#include <string>
#include <string_view>

namespace shell {

// The pages give their file dialogs' filters as pairs "description|patterns|...",
// patterns separated by ";" ("*.*|*.*|*.bin|*.bin"). The toolkit's dialogs take
// "description (patterns);;..." with blanks between patterns; "*.*" there would miss
// files without a dot, so it becomes "*". A filter without "|" is taken as it is.
std::string DialogFilter(std::string_view pairs);

}  // namespace shell
