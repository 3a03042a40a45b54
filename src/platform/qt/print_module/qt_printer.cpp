#include "platform/qt/print_module/qt_printer.h"

#include "platform/qt/convert.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScreen>
#include <algorithm>

namespace platform::qt {
namespace {

std::optional<std::filesystem::path> askForPdf(const std::string& title) {
    QString name = toQString(title);
    name.remove(u'"');
    const QString chosen = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), QStringLiteral("No printer: save as PDF"),
        QDir::home().filePath(name + QStringLiteral(".pdf")), QStringLiteral("PDF files (*.pdf)"));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(chosen.toStdString());
}

bool noPrinterInstalled() {
    return QPrinterInfo::availablePrinters().isEmpty();
}

// The lines are laid out for a monospaced font with tab stops every eight
// characters.
QString withTabsExpanded(const QString& line) {
    constexpr int kTabStop = 8;
    QString expanded;
    for (const QChar c : line) {
        if (c != u'\t') {
            expanded += c;
            continue;
        }
        expanded += QString(kTabStop - expanded.size() % kTabStop, u' ');
    }
    return expanded;
}

PrintOutcome failed(const QString& reason) {
    return {PrintOutcome::Kind::Failed, {}, toCp1252(reason)};
}

} // namespace

QtPrinter::QtPrinter(const ModalHook& beforeShow)
    : beforeShow_(beforeShow), pdfChooser_(askForPdf) {}

Orientation QtPrinter::orientation() {
    return printer().pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                          : Orientation::Portrait;
}

QPrinter& QtPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

bool QtPrinter::setup() {
    beforeShow_();
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Printer setup"));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<PrintOutcome> QtPrinter::begin(const std::string& title, PrintOutcome& done) {
    printer().setDocName(toQString(title));
    done = {};
    const bool toPdf =
        preferPdf_ || printer().outputFormat() == QPrinter::PdfFormat || noPrinterInstalled();
    if (toPdf) {
        beforeShow_();
        const auto file = pdfChooser_(title);
        if (!file) {
            return PrintOutcome{PrintOutcome::Kind::Cancelled, {}, {}};
        }
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(QString::fromStdString(file->string()));
        done = {PrintOutcome::Kind::SavedAsPdf, *file, {}};
    }
    return std::nullopt;
}

PrintOutcome QtPrinter::print(const std::string& title,
                              const std::function<void(QPainter&, const QRectF&)>& draw) {
    PrintOutcome done;
    if (const auto stop = begin(title, done)) {
        return *stop;
    }
    QPainter painter;
    if (!painter.begin(&printer())) {
        return failed(QStringLiteral("The printer could not be opened."));
    }
    draw(painter, printer().pageLayout().paintRectPixels(printer().resolution()));
    if (!painter.end() || printer().printerState() == QPrinter::Error) {
        return failed(QStringLiteral("The printer reported an error."));
    }
    return done;
}

PrintOutcome QtPrinter::printText(const std::string& title, const form::FontSpec& font,
                                  const std::vector<std::string>& lines) {
    return print(title, [&](QPainter& painter, const QRectF& page) {
        QFont printed(toQString(font.name));
        printed.setStyleHint(QFont::Monospace);
        printed.setPointSize(font.size);
        painter.setFont(printed);
        const QFontMetricsF metrics(printed, &printer());
        double y = 0;
        for (const std::string& line : lines) {
            if (y + metrics.height() > page.height() && y > 0) {
                printer().newPage();
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), withTabsExpanded(toQString(line)));
            y += metrics.lineSpacing();
        }
    });
}

PrintOutcome QtPrinter::printWindow(const std::string& title) {
    // The window must show what the handler changed before it is taken.
    beforeShow_();
    const QImage image = windowImage_ ? windowImage_() : QImage();
    if (image.isNull()) {
        return failed(QStringLiteral("There is no window to print."));
    }
    return print(title, [&](QPainter& painter, const QRectF& page) {
        // The printout has the size the window has on the screen, unless that
        // is wider or taller than the page: then it is made smaller, never cut.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double screenDpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
        const double scale =
            std::min({printer().resolution() / screenDpi, page.width() / image.width(),
                      page.height() / image.height()});
        painter.drawImage(QRectF(0, 0, image.width() * scale, image.height() * scale), image);
    });
}

} // namespace platform::qt
