#include "platform/qt/print_module/qt_printer.h"
#include "temporary_directory.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using platform::PrintOutcome;

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class QtPrinting : public testing::Test {
protected:
    QtPrinting() {
        printer.preferPdf(true);
        printer.setPdfChooser([this](const std::string&) { return pdf; });
    }

    platform::qt::ModalHook hook;
    platform::qt::QtPrinter printer{hook};
    TemporaryDirectory folder;
    std::optional<std::filesystem::path> pdf = folder / "statistics.pdf";
};

TEST_F(QtPrinting, TheFaultTableGoesThroughTheEngineIntoAPdfWhoseTextHoldsIt) {
    const std::vector<std::string> lines = {"Fault statistics of the lessons 1 - 16 [%]",
                                            "",
                                            "\tStudent: ANNA M\xDCLLER",
                                            "",
                                            "Lesson                   1   2 ",
                                            "left small finger        7 --- ",
                                            "",
                                            "5.1.2026"};
    const auto outcome =
        printer.printText("\"Clavora\" fault statistics", {"Courier New", 10, 0}, lines);
    ASSERT_EQ(outcome.kind, PrintOutcome::Kind::SavedAsPdf);
    EXPECT_EQ(outcome.pdf, *pdf);
    const QString text = run("pdftotext", {"-layout", QString::fromStdString(pdf->string()), "-"});
    EXPECT_TRUE(text.contains("Fault statistics of the lessons 1 - 16 [%]")) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Student: ANNA MÜLLER"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("left small finger +7 ---")));
    EXPECT_TRUE(text.contains("5.1.2026"));
    const QString info = run("pdfinfo", {QString::fromStdString(pdf->string())});
    EXPECT_TRUE(info.contains(QRegularExpression("Title: +\"Clavora\" fault statistics")));
}

TEST_F(QtPrinting, TheWindowPrintsOnOnePageAndACancelledSaveWritesNothing) {
    QLabel window("Clavora");
    window.resize(400, 300);
    printer.setWindowImage([&window] { return window.grab().toImage(); });
    ASSERT_EQ(printer.printWindow("Clavora").kind, PrintOutcome::Kind::SavedAsPdf);
    EXPECT_TRUE(run("pdfinfo", {QString::fromStdString(pdf->string())})
                    .contains(QRegularExpression("Pages: +1\\n")));

    // A window wider than the page is made smaller, never cut off: the whole
    // picture, on white, lies inside the page.
    QLabel wide("Clavora");
    wide.setStyleSheet("background: black");
    wide.resize(2000, 300);
    printer.setWindowImage([&wide] { return wide.grab().toImage(); });
    ASSERT_EQ(printer.printWindow("Clavora").kind, PrintOutcome::Kind::SavedAsPdf);
    const QString png = QString::fromStdString((folder / "page").string());
    run("pdftoppm",
        {"-r", "20", "-png", "-singlefile", QString::fromStdString(pdf->string()), png});
    const QImage page(png + ".png");
    ASSERT_FALSE(page.isNull());
    int right = 0;
    for (int x = 0; x < page.width(); ++x) {
        if (qGray(page.pixel(x, 5)) < 64) {
            right = x;
        }
    }
    EXPECT_LT(right, page.width() - 1) << "the picture runs off the page";
    EXPECT_GT(right, page.width() / 2);

    std::filesystem::remove(*pdf);
    pdf.reset();
    EXPECT_EQ(printer.printWindow("Clavora").kind, PrintOutcome::Kind::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(folder / "statistics.pdf"));
}

TEST_F(QtPrinting, WithoutAWindowImageThePrintFailsAndSaysWhy) {
    const auto outcome = printer.printWindow("Clavora");
    EXPECT_EQ(outcome.kind, PrintOutcome::Kind::Failed);
    EXPECT_FALSE(outcome.reason.empty());
}

} // namespace
