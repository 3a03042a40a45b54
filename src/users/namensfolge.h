#pragma once

#include <string>
#include <vector>

// The order of user names as a person reads a list: letter case and accents
// set aside (É files under E, ß as SS), numbers by their value (USER2 before
// USER10). Names that read alike keep a fixed order by their bytes.
namespace users {

bool liestSichVor(const std::string& links, const std::string& rechts);

void namenSortieren(std::vector<std::string>& namen);

} // namespace users
