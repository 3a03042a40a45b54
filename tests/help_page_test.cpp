#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string readHelp() {
    const auto path = std::filesystem::path(CLAVORA_ASSETS) / "Clavora.html";
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string lowered(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

// The value of every attribute called `name`, as written between quotes.
std::vector<std::string> attributeValues(const std::string& html, std::string_view name) {
    std::vector<std::string> values;
    const std::string marker = " " + std::string(name) + "=\"";
    for (auto pos = html.find(marker); pos != std::string::npos; pos = html.find(marker, pos)) {
        pos += marker.size();
        values.push_back(html.substr(pos, html.find('"', pos) - pos));
    }
    return values;
}

struct Tag {
    std::string name;
    bool closing = false;
};

// Element tags in document order, without comments, the doctype and the
// content of <style>.
std::vector<Tag> tagsOf(const std::string& html) {
    std::vector<Tag> tags;
    for (auto pos = html.find('<'); pos != std::string::npos; pos = html.find('<', pos + 1)) {
        const bool closing = html.compare(pos + 1, 1, "/") == 0;
        const auto start = pos + (closing ? 2 : 1);
        auto end = start;
        while (end < html.size() && std::isalnum(static_cast<unsigned char>(html[end]))) {
            ++end;
        }
        if (end == start) {
            continue;
        }
        tags.push_back({lowered(html.substr(start, end - start)), closing});
        if (!closing && tags.back().name == "style") {
            pos = html.find("</style", pos);
            if (pos == std::string::npos) {
                break;
            }
            tags.push_back({"style", true});
        }
    }
    return tags;
}

// Every element the page opens must be closed in order; void elements
// have no closing tag.
std::string firstNestingError(const std::vector<Tag>& tags) {
    static const std::set<std::string> kVoid = {"meta", "br", "hr", "img", "link", "col", "wbr"};
    std::vector<std::string> open;
    for (const auto& tag : tags) {
        if (kVoid.contains(tag.name)) {
            continue;
        }
        if (!tag.closing) {
            open.push_back(tag.name);
            continue;
        }
        if (open.empty() || open.back() != tag.name) {
            return "</" + tag.name + "> closes " +
                   (open.empty() ? "nothing" : "<" + open.back() + ">");
        }
        open.pop_back();
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

TEST(HelpPage, IsAnHtml5PageWithATitle) {
    const std::string html = readHelp();

    EXPECT_TRUE(lowered(html).starts_with("<!doctype html>"));
    const auto title = html.find("<title>");
    ASSERT_NE(title, std::string::npos);
    EXPECT_NE(html.substr(title, html.find("</title>") - title).find("Clavora"), std::string::npos);
}

TEST(HelpPage, ElementsAreClosedInOrder) {
    const auto tags = tagsOf(readHelp());

    EXPECT_EQ(firstNestingError(tags), "");
    for (const char* name : {"html", "head", "body", "main", "nav", "section", "table"}) {
        EXPECT_TRUE(std::ranges::any_of(tags, [name](const Tag& t) { return t.name == name; }))
            << name;
    }
}

TEST(HelpPage, CoversEveryTopicALearnerNeeds) {
    const std::string html = readHelp();

    for (const char* heading :
         {"<h2>Signing in</h2>", "<h2>The course</h2>", "<h2>Doing the exercises</h2>",
          "<h2>What Clavora measures</h2>", "<h2>Settings</h2>", "<h2>Statistics</h2>",
          "<h2>Practising your own texts</h2>", "<h2>The examination</h2>",
          "<h2>Repetition and choosing a lesson</h2>", "<h2>Pausing and going back</h2>",
          "<h2>Keyboard shortcuts</h2>", "<kbd>F1</kbd>"}) {
        EXPECT_NE(html.find(heading), std::string::npos) << heading;
    }
}

TEST(HelpPage, NeedsNothingFromOutside) {
    const std::string html = lowered(readHelp());

    for (const char* outside : {"http:", "https:", "<script", "<img", "<link", "@import", "url("}) {
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    }
    EXPECT_TRUE(attributeValues(html, "src").empty());
}

TEST(HelpPage, EveryLinkLeadsToASectionOfThePage) {
    const std::string html = readHelp();
    const auto ids = attributeValues(html, "id");
    const std::set<std::string> targets(ids.begin(), ids.end());

    const auto links = attributeValues(html, "href");
    EXPECT_GE(links.size(), 13u);
    for (const auto& link : links) {
        ASSERT_TRUE(link.starts_with("#")) << link;
        EXPECT_TRUE(targets.contains(link.substr(1))) << link;
    }
}

} // namespace
