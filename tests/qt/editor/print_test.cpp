// Printing through the print dialog onto a PDF file: the pages a document takes, and the
// job's scaling of the 1/600-inch measures to the printer's resolution.
#include "tests/qt/editor/desktop_fixture.h"
#include "editor/font_commands.h"
#include "qt/editor/qt_print_job.h"

#include <QFile>
#include <QPrintDialog>
#include <QProcess>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace trelvo::qt::test {
namespace {

int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += (i > 1 ? "\r\n" : "") + std::string("line ") + std::to_string(i);
    return text;
}

// What a PDF text extractor reads off one page (1-based), with blank lines dropped.
QStringList PageText(const QString& pdf, int page) {
    QProcess extractor;
    extractor.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                     QString::number(page), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!extractor.waitForFinished(30000) || extractor.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(extractor.readAllStandardOutput()).split('\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

class PrintTest : public DesktopTest {
protected:
    // Prints the editor's text to a PDF file on A4 paper with the dialog's OK.
    int PrintedPages() {
        const QString pdf = NextPdf();
        script_.Then([pdf](QDialog& dialog) {
            auto& printDialog = dynamic_cast<QPrintDialog&>(dialog);
            QPrinter* printer = printDialog.printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageSize(QPageSize(QPageSize::A4));
            dialog.done(QDialog::Accepted);
        });
        Press(Qt::Key_P, Qt::ControlModifier);
        return PdfPages(pdf);
    }

    QString NextPdf() { return folder_.filePath(QStringLiteral("out%1.pdf").arg(++prints_)); }
    QString LastPdf() const { return folder_.filePath(QStringLiteral("out%1.pdf").arg(prints_)); }

    QTemporaryDir folder_;
    int prints_ = 0;
};

TEST_F(PrintTest, SixtyTwoLinesFillOnePageAtElevenPoints) {
    Editor().SetText(Lines(62));
    EXPECT_EQ(PrintedPages(), 1) << "no empty page after a full one";
    Editor().SetText(Lines(63));
    EXPECT_EQ(PrintedPages(), 2);
}

TEST_F(PrintTest, PagesHoldTheEditorLinesInOrder) {
    Editor().SetText(Lines(63));
    ASSERT_EQ(PrintedPages(), 2);
    const QStringList first = PageText(LastPdf(), 1);
    ASSERT_EQ(first.size(), 62) << first.join('|').toStdString();
    EXPECT_EQ(first.constFirst(), QStringLiteral("line 1"));
    EXPECT_EQ(first.constLast(), QStringLiteral("line 62"));
    EXPECT_EQ(PageText(LastPdf(), 2), QStringList{QStringLiteral("line 63")});
}

TEST_F(PrintTest, ADeckAndItsReportPrintAsTheEditorShowsThem) {
    const std::string deck = "EXAMPLE 2D TRUSS\r\n3 2\r\n1 1 1 1 0.0 0.0 0.0 0.0 0.0 0.0\r\n"
                             "2 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0\r\n \r\nNode: Displacement (X,Y,Z)\r\n"
                             "2   3.247E-04   3.937E-05   0.000E+00  ";
    Editor().SetText(deck);
    ASSERT_EQ(PrintedPages(), 1);
    const QStringList page = PageText(LastPdf(), 1);
    ASSERT_EQ(page.size(), 6) << page.join('|').toStdString(); // the blank line is dropped
    EXPECT_EQ(page[0], QStringLiteral("EXAMPLE 2D TRUSS"));
    EXPECT_EQ(page[3], QStringLiteral("2 0 0 1 8.0 6.0 0.0 50.0 0.0 0.0"));
    EXPECT_EQ(page[4], QStringLiteral("Node: Displacement (X,Y,Z)"));
    EXPECT_TRUE(page[5].startsWith(QStringLiteral("2"))) << page[5].toStdString();
    EXPECT_TRUE(page[5].contains(QStringLiteral("3.247E-04"))) << page[5].toStdString();
}

TEST_F(PrintTest, EmptyDocumentPrintsOneEmptyPage) {
    EXPECT_EQ(PrintedPages(), 1);
}

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
    Editor().SetText("text");
    script_.Then(Cancel());
    Press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(script_.Titles().size(), 1);
    EXPECT_TRUE(QDir(folder_.path()).isEmpty());
}

std::unique_ptr<QtPrintJob> PdfJob(const QString& path, int dpi,
                                   QPageSize::PageSizeId paper = QPageSize::A4) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(dpi);
    printer->setPageSize(QPageSize(paper));
    return QtPrintJob::Begin(std::move(printer), QStringLiteral("Trelvo"));
}

TEST(QtPrintJob, MeasuresAreSixHundredthsOfAnInchOnEveryPrinter) {
    QTemporaryDir folder;
    for (int dpi : {300, 600, 1200}) {
        SCOPED_TRACE(dpi);
        auto job = PdfJob(folder.filePath(QStringLiteral("%1.pdf").arg(dpi)), dpi);
        ASSERT_NE(job, nullptr);
        EXPECT_DOUBLE_EQ(job->Scale(), dpi / 600.0);
        const QPaintDevice* device = job->Painter().device();
        EXPECT_NEAR(job->PageHeight(), device->height() * 600.0 / dpi, 1.0);
        // 11 points at four times on a 96-dpi display: 59 pixels, read as 59/600 inch.
        job->SetFont(MakeFont("Arial", 44, kStyleItalic, 96), 0x000000FF);
        EXPECT_EQ(job->Painter().font().pixelSize(), qRound(59 * dpi / 600.0));
        EXPECT_TRUE(job->Painter().font().italic());
        EXPECT_EQ(job->Painter().pen().color(), QColor(255, 0, 0));
        EXPECT_EQ(job->Painter().backgroundMode(), Qt::TransparentMode);
        EXPECT_EQ(job->Painter().background().color(), QColor(Qt::white));
        job->DrawText(360, 448, "line 1");
        job->Finish();
        EXPECT_FALSE(job->Painter().isActive());
    }
}

TEST(QtPrintJob, PrintableHeightOfALetterPageIsBelowElevenInches) {
    QTemporaryDir folder;
    auto job = PdfJob(folder.filePath(QStringLiteral("letter.pdf")), 600, QPageSize::Letter);
    ASSERT_NE(job, nullptr);
    EXPECT_LT(job->PageHeight(), 11 * 600 + 1);
    EXPECT_GT(job->PageHeight(), 5760) << "the page limit of the shell fits on a page";
}

} // namespace
} // namespace trelvo::qt::test
