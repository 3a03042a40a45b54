#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Graph = std::map<std::string, std::set<std::string>>;

// Which folders of src/ each folder's files include.
Graph folderIncludes() {
    const fs::path src = fs::path(CLAVORA_SOURCE) / "src";
    const std::regex include(R"re(^\s*#\s*include\s+"([a-z_]+)/)re");
    Graph graph;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const fs::path relative = fs::relative(entry.path(), src);
        if (!entry.is_regular_file() || relative.begin() == relative.end() ||
            std::next(relative.begin()) == relative.end()) {
            continue; // files of src/ itself (main.cpp) stand above every folder
        }
        const std::string folder = relative.begin()->string();
        graph[folder];
        std::ifstream in(entry.path());
        std::smatch match;
        for (std::string line; std::getline(in, line);) {
            if (std::regex_search(line, match, include) && match[1] != folder &&
                fs::is_directory(src / match[1].str())) {
                graph[folder].insert(match[1]);
            }
        }
    }
    return graph;
}

// A path back to `start` through the graph, if there is one.
bool reaches(const Graph& graph, const std::string& from, const std::string& start,
             std::set<std::string>& seen, std::vector<std::string>& path) {
    for (const std::string& next : graph.at(from)) {
        if (next == start) {
            path.push_back(next);
            return true;
        }
        if (seen.insert(next).second && graph.contains(next)) {
            path.push_back(next);
            if (reaches(graph, next, start, seen, path)) {
                return true;
            }
            path.pop_back();
        }
    }
    return false;
}

TEST(IncludeLayers, TheFoldersOfTheSourcesFormNoCycle) {
    const Graph graph = folderIncludes();
    ASSERT_GT(graph.size(), 5U);
    for (const auto& [folder, uses] : graph) {
        std::set<std::string> seen;
        std::vector<std::string> path{folder};
        if (reaches(graph, folder, folder, seen, path)) {
            std::string cycle;
            for (const auto& step : path) {
                cycle += (cycle.empty() ? "" : " -> ") + step;
            }
            ADD_FAILURE() << "include cycle: " << cycle;
        }
    }
}

} // namespace
