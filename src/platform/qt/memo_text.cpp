#include "platform/qt/memo_text.h"

#include "platform/qt/convert.h"

#include <QStringList>
#include <algorithm>

namespace platform::qt {

QString joinLines(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += u'\n';
        }
        text += toQString(lines[i]);
    }
    return text;
}

std::vector<std::string> splitLines(const QString& text) {
    std::vector<std::string> lines;
    if (text.isEmpty()) {
        return lines;
    }
    for (const QString& line : text.split(u'\n')) {
        lines.push_back(toCp1252(line));
    }
    return lines;
}

int toDocumentPosition(const std::vector<std::string>& lines, int position) {
    int remaining = std::max(position, 0);
    int document = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int length = static_cast<int>(lines[i].size());
        if (remaining <= length || i + 1 == lines.size()) {
            return document + std::min(remaining, length);
        }
        remaining -= length;
        document += length;
        if (remaining < 2) {
            return document + remaining;
        }
        remaining -= 2;
        document += 1;
    }
    return document;
}

int toModelPosition(const QString& text, int documentPosition) {
    const auto end = std::clamp<qsizetype>(documentPosition, 0, text.size());
    return static_cast<int>(end + text.left(end).count(u'\n'));
}

} // namespace platform::qt
