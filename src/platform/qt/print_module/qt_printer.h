#pragma once

#include "platform/qt/modal_hook.h"
#include "platform/services.h"

#include <QImage>
#include <QPrinter>

class QPainter;
class QRectF;
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform::qt {

// Prints through Qt PrintSupport. Where no printer is installed (no print
// server, as on many laptops) each job is offered as a PDF file instead.
class QtPrinter : public Printer {
public:
    // Asks where a PDF should go; empty when the learner cancels.
    using PdfChooser =
        std::function<std::optional<std::filesystem::path>(const std::string& title)>;

    explicit QtPrinter(const ModalHook& beforeShow);

    Orientation orientation() override;
    bool setup() override;
    PrintOutcome printText(const std::string& title, const form::FontSpec& font,
                           const std::vector<std::string>& lines) override;
    PrintOutcome printWindow(const std::string& title) override;

    // The main window's client area as shown; set once the window exists.
    void setWindowImage(std::function<QImage()> grab) { windowImage_ = std::move(grab); }
    // Replaces the save dialog (tests print to a file they name).
    void setPdfChooser(PdfChooser chooser) { pdfChooser_ = std::move(chooser); }
    // Sends jobs to a PDF file even where a printer is installed.
    void preferPdf(bool prefer) { preferPdf_ = prefer; }

private:
    // Opens the job: on the printer, or on a PDF file where there is none.
    std::optional<PrintOutcome> begin(const std::string& title, PrintOutcome& done);
    // One job: opens it, lets `draw` paint on the page's printable area, and
    // says how it ended.
    PrintOutcome print(const std::string& title,
                       const std::function<void(QPainter&, const QRectF&)>& draw);

    // Made at the first print or setup: a printer loads the print system
    // (CUPS and all it needs), which the start of the program must not wait for.
    QPrinter& printer();

    const ModalHook& beforeShow_;
    std::unique_ptr<QPrinter> printer_;
    std::function<QImage()> windowImage_;
    PdfChooser pdfChooser_;
    bool preferPdf_ = false;
};

} // namespace platform::qt
