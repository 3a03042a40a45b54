#pragma once

#include <string>
#include <vector>

// The welcome text of the main screen.
std::vector<std::string> willkommenstext();
