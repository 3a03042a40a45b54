#pragma once

#include <QWidget>
#include <filesystem>

class QTextBrowser;

namespace platform::qt {

// The help pages in a window of the program's own, so they open without a
// desktop helper; a button still hands them to the browser where one exists.
class HelpWindow : public QWidget {
public:
    HelpWindow();
    void showPage(const std::filesystem::path& page);

private:
    QTextBrowser* browser_;
    std::filesystem::path page_;
};

} // namespace platform::qt
