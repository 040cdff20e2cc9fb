#include "catalogue/Printing.h"

#include "catalogue/PageDecorations.h"
#include "catalogue/PrintSystem.h"
#include "shell/Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

namespace Module1 {
namespace {

constexpr double kTwipsPerInch = 1440.0;

// The text area of a page in the painter's coordinates. The painter's origin
// is the corner of the printable area, so the printer's unprintable border is
// subtracted to measure the margins from the paper's edge.
QRectF textArea(const PageMargins& m, const QPrinter& printer)
{
    const double dpiX = printer.logicalDpiX();
    const double dpiY = printer.logicalDpiY();
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double offsetX = printable.left() - paper.left();
    const double offsetY = printable.top() - paper.top();

    double left = m.left * dpiX / kTwipsPerInch - offsetX;
    double top = m.top * dpiY / kTwipsPerInch - offsetY;
    double right = (paper.width() - m.right * dpiX / kTwipsPerInch) - offsetX;
    double bottom = (paper.height() - m.bottom * dpiY / kTwipsPerInch) - offsetY;
    // A margin narrower than the unprintable border cannot be honoured; keep
    // the text inside what the printer can reach rather than cut it off.
    left = std::max(left, 0.0);
    top = std::max(top, 0.0);
    right = std::min(right, printable.width());
    bottom = std::min(bottom, printable.height());
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

bool hasInk(const QString& text, int from, int length)
{
    for (int i = from; i < from + length && i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSpace() && c != QChar(0x00AD))
            return true;
    }
    return false;
}

// One line of the laid-out flow, in the layout's coordinates.
struct FlowLine {
    double top = 0;
    double height = 0;
    bool ink = false;
    int block = 0; // block number
    int index = 0; // line within its block
};

// Every line of the document (table cells included), top to bottom.
std::vector<FlowLine> flowLines(QTextDocument& doc)
{
    std::vector<FlowLine> lines;
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    // Asking for the last block first lays the whole document out in one go;
    // walking from the first would lay it out again and again in small steps.
    layout->blockBoundingRect(doc.lastBlock());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* tl = b.layout();
        if (!tl)
            continue;
        const QString text = b.text();
        const double blockTop = layout->blockBoundingRect(b).top();
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            lines.push_back({blockTop + line.y(), line.height(), hasInk(text, line.textStart(), line.textLength()),
                             b.blockNumber(), i});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const FlowLine& a, const FlowLine& b) { return a.top < b.top; });
    return lines;
}

// The share of the flow that one page shows. The layout already breaks the
// flow into page-high steps without splitting a line; a page is drawn from
// its first line with text, placed at the top margin, so blank paragraphs
// and spacing carried over a page break never push the text down.
struct PageSlice {
    double from = 0; // the flow's y drawn at the top margin
    // The layout draws the lines that reach into [clipTop, clipBottom], and
    // with them the last line above clipTop of any paragraph it draws.
    double clipTop = 0;
    double clipBottom = std::numeric_limits<double>::max();
    // A paragraph begun on an earlier page; its lines on this page are drawn
    // one by one and the layout starts below it, so its earlier lines are
    // never drawn again.
    int carried = -1;
    int carriedFrom = 0;
    int carriedTo = -1;
};

std::vector<PageSlice> pageSlices(QTextDocument& doc, double pageHeight)
{
    const std::vector<FlowLine> lines = flowLines(doc);
    // A line that the layout moved to a page's top starts exactly there;
    // a device pixel of slack keeps rounding from sending it back a page.
    const auto pageOf = [pageHeight](const FlowLine& l) { return int(std::floor((l.top + 1.0) / pageHeight)); };
    int pages = 1;
    for (const FlowLine& l : lines)
        if (l.ink)
            pages = std::max(pages, pageOf(l) + 1);

    std::vector<PageSlice> slices(static_cast<size_t>(pages));
    for (size_t p = 0; p < slices.size(); ++p)
        slices[p].from = slices[p].clipTop = double(p) * pageHeight; // a page no line starts on
    std::vector<double> smallest(slices.size(), std::numeric_limits<double>::max());
    std::vector<bool> inked(slices.size(), false);
    for (size_t i = 0; i < lines.size(); ++i) {
        const FlowLine& l = lines[i];
        const int p = pageOf(l);
        if (p >= pages)
            break;
        PageSlice& s = slices[size_t(p)];
        const bool opensPage = i == 0 || pageOf(lines[i - 1]) < p;
        if (opensPage) {
            s.from = s.clipTop = l.top;
            if (l.index > 0) {
                s.carried = l.block;
                s.carriedFrom = l.index;
            }
        }
        if (l.block == s.carried)
            s.carriedTo = l.index;
        if (!inked[size_t(p)] && l.ink) {
            inked[size_t(p)] = true;
            s.from = l.top;
        }
        if (l.height > 0)
            smallest[size_t(p)] = std::min(smallest[size_t(p)], l.height);
        if (i + 1 < lines.size() && pageOf(lines[i + 1]) > p)
            s.clipBottom = lines[i + 1].top - 0.5;
    }
    for (size_t p = 0; p < slices.size(); ++p) {
        PageSlice& s = slices[p];
        if (s.carried >= 0)
            s.clipTop = doc.documentLayout()->blockBoundingRect(doc.findBlockByNumber(s.carried)).bottom() + 0.5;
        else if (smallest[p] < std::numeric_limits<double>::max())
            s.clipTop += smallest[p] / 2;
        s.clipBottom = std::min(s.clipBottom, s.from + pageHeight);
    }
    return slices;
}

// Block indents are pixels at 96 dots per inch, but the layout takes them
// as device pixels of the printer (spacing above and below and tab stops it
// does scale); bring them to the printer's resolution so an indent keeps its
// size on paper.
void scaleIndents(QTextDocument& doc, double scale)
{
    if (std::abs(scale - 1.0) < 1e-6)
        return;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        if (f.leftMargin() == 0 && f.rightMargin() == 0 && f.textIndent() == 0)
            continue;
        f.setLeftMargin(f.leftMargin() * scale);
        f.setRightMargin(f.rightMargin() * scale);
        f.setTextIndent(f.textIndent() * scale);
        QTextCursor(b).setBlockFormat(f);
    }
}

struct LaidOut {
    std::unique_ptr<QTextDocument> doc;
    QRectF area;
    std::vector<PageSlice> pages{PageSlice{}};
};

LaidOut layOut(const QTextDocument& document, const PageMargins& margins, QPrinter& printer)
{
    LaidOut out;
    out.area = textArea(margins, printer);
    if (out.area.width() < 1 || out.area.height() < 1)
        return out;
    out.doc.reset(document.clone());
    out.doc->setUndoRedoEnabled(false);
    scaleIndents(*out.doc, printer.logicalDpiX() / 96.0);
    out.doc->documentLayout()->setPaintDevice(&printer);
    out.doc->setDocumentMargin(0);
    out.doc->setPageSize(out.area.size());
    out.pages = pageSlices(*out.doc, out.area.height());
    return out;
}

// Paints one page's share of the flow inside the text area.
void drawPageText(QPainter& painter, const LaidOut& laid, const PageSlice& slice)
{
    const QRectF page(0, slice.from, laid.area.width(), laid.area.height());
    painter.save();
    painter.translate(laid.area.left(), laid.area.top() - slice.from);
    painter.setClipRect(page);
    QAbstractTextDocumentLayout* layout = laid.doc->documentLayout();
    if (slice.carried >= 0) {
        const QTextBlock block = laid.doc->findBlockByNumber(slice.carried);
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        painter.setPen(Qt::black);
        for (int i = slice.carriedFrom; i <= slice.carriedTo; ++i)
            block.layout()->lineAt(i).draw(&painter, origin);
    }
    // An empty clip would mean no clip at all to the layout.
    if (slice.clipBottom > slice.clipTop) {
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.clip = QRectF(QPointF(0, slice.clipTop), QPointF(page.width(), slice.clipBottom));
        ctx.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, ctx);
    }
    painter.restore();
}

PrintOutcome failure(PrintOutcome::Status status, const QString& reason, int pages = 0)
{
    PrintOutcome o;
    o.status = status;
    o.reason = reason;
    o.pages = pages;
    return o;
}

} // namespace

PrintError::PrintError(const PrintOutcome& o) : UserError(o.reason), outcome(o) {}

int countPages(const QTextDocument& document, const PageMargins& margins, QPrinter& printer)
{
    return int(layOut(document, margins, printer).pages.size());
}

PrintOutcome printDocument(const QTextDocument& document, const PageMargins& margins, QPrinter& printer)
{
    if (!printer.isValid())
        return failure(PrintOutcome::NoPrinter,
                       QStringLiteral("Imprimanta nu este disponibila, documentul nu a fost tiparit."));
    LaidOut laid = layOut(document, margins, printer);
    if (!laid.doc)
        return failure(PrintOutcome::Failed, QStringLiteral("Marginile nu lasa loc textului pe pagina."));

    QPainter painter;
    if (!painter.begin(&printer))
        return failure(PrintOutcome::Failed, QStringLiteral("Lucrarea de tiparire nu a putut fi pornita."));

    const int pageCount = int(laid.pages.size());
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return failure(PrintOutcome::Failed, QStringLiteral("Imprimanta nu a acceptat o pagina noua."), page);
        }
        drawPageText(painter, laid, laid.pages[size_t(page)]);
        // The running header and footer, within the margins.
        drawPageDecorations(painter, document, printer, laid.area, page + 1, pageCount);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return failure(PrintOutcome::Failed, QStringLiteral("Imprimanta a raportat o eroare."), pageCount);

    PrintOutcome done;
    done.status = PrintOutcome::Printed;
    done.pages = pageCount;
    return done;
}

namespace {

// How long a click waits for the service to say what became of a job before
// taking "still being printed" as printed; the window is frozen meanwhile.
constexpr int kJobWatchMs = 4000;

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

PrintOutcome notPrinted(PrintOutcome::Status status, const QString& why)
{
    return failure(status, why + QStringLiteral(", documentul nu a fost tiparit."));
}

// The pages as a PDF on the printer's own paper: the service takes PDF from
// every client and turns it into what the printer needs.
PrintOutcome writeJobFile(const QTextDocument& document, const PageMargins& margins, const QString& printerName,
                          const QString& title, const QString& path)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(title);
    pdf.setPageLayout(QPageLayout(printerPaper(printerName), QPageLayout::Portrait, QMarginsF()));
    return printDocument(document, margins, pdf);
}

// Waits a little for the job to be done with; a job that the service stops or
// cancels is not printed, and one held by a paused printer waits for it.
PrintOutcome followJob(const QString& printer, PrintOutcome sent)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const PrintSystem::JobFate fate = PrintSystem::jobFate(printer, sent.jobId);
        switch (fate) {
        case PrintSystem::JobFate::Completed:
        case PrintSystem::JobFate::Unknown: return sent;
        case PrintSystem::JobFate::Stopped:
        case PrintSystem::JobFate::Cancelled:
            return notPrinted(
                PrintOutcome::Cancelled,
                QStringLiteral("Lucrarea a fost oprita de serviciul de tiparire inainte de a fi tiparita"));
        case PrintSystem::JobFate::Waiting:
        case PrintSystem::JobFate::Printing: break;
        }
        if (fate == PrintSystem::JobFate::Waiting &&
            PrintSystem::destination(printer).state == PrintSystem::Destination::Paused) {
            PrintOutcome waiting =
                failure(PrintOutcome::Waiting,
                        QStringLiteral("Imprimanta %1 este oprita: documentul asteapta si va fi tiparit cand "
                                       "imprimanta va fi repornita.")
                            .arg(quotedName(printer)),
                        sent.pages);
            waiting.jobId = sent.jobId;
            return waiting;
        }
        if (clock.elapsed() > kJobWatchMs)
            return sent; // in the service's hands and under way
        QThread::msleep(100);
    }
}

PrintOutcome printOn(const PrintSystem::Destination& dest, const QTextDocument& document, const PageMargins& margins,
                     const QString& title)
{
    switch (dest.state) {
    case PrintSystem::Destination::NoService:
        return notPrinted(PrintOutcome::NoService, QStringLiteral("Serviciul de tiparire nu raspunde"));
    case PrintSystem::Destination::NoPrinter:
        return notPrinted(PrintOutcome::NoPrinter, QStringLiteral("Nu este instalata nicio imprimanta"));
    case PrintSystem::Destination::Refusing:
        return notPrinted(PrintOutcome::Refused,
                          QStringLiteral("Imprimanta %1 nu accepta lucrari").arg(quotedName(dest.name)));
    case PrintSystem::Destination::Ready:
    case PrintSystem::Destination::Paused: break; // a paused printer still takes the job and keeps it
    }

    const QTemporaryDir spool;
    if (!spool.isValid())
        return failure(PrintOutcome::Failed, QStringLiteral("Nu exista loc pentru pregatirea lucrarii."));
    const QString file = spool.filePath(QStringLiteral("lucrare.pdf"));
    PrintOutcome out = writeJobFile(document, margins, dest.name, title, file);
    if (!out.ok())
        return out;

    const PrintSystem::Submission sent = PrintSystem::submitPdf(dest.name, file, title);
    switch (sent.result) {
    case PrintSystem::Submission::Accepted: break;
    case PrintSystem::Submission::NoService:
        return notPrinted(PrintOutcome::NoService, QStringLiteral("Serviciul de tiparire nu raspunde"));
    case PrintSystem::Submission::Refused:
        return notPrinted(PrintOutcome::Refused,
                          QStringLiteral("Imprimanta %1 a refuzat lucrarea").arg(quotedName(dest.name)));
    case PrintSystem::Submission::Failed:
        return failure(PrintOutcome::Failed, QStringLiteral("serviciul de tiparire a raspuns: %1").arg(sent.error));
    }
    out.jobId = sent.jobId;
    return followJob(dest.name, out);
}

} // namespace

QPageSize printerPaper(const QString& printerName)
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(printerName);
    const QPageSize paper = info.isNull() ? QPageSize() : info.defaultPageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::A4);
}

PrintOutcome printOnDefaultPrinter(const QTextDocument& document, const PageMargins& margins, const QString& title)
{
    const PrintSystem::Destination dest = PrintSystem::defaultDestination();
    PrintOutcome out = printOn(dest, document, margins, title);
    out.printer = dest.name;
    return out;
}

void PrintRichText(QTextEdit* box, long left, double top, double right, double bottom, QPrinter* printer)
{
    if (!box)
        return;
    const PageMargins margins{left, std::lround(top), std::lround(right), std::lround(bottom)};
    const PrintOutcome outcome = printer
                                     ? printDocument(*box->document(), margins, *printer)
                                     : printOnDefaultPrinter(*box->document(), margins, QString::fromLatin1(kAppTitle));
    if (!outcome.ok())
        throw PrintError(outcome);
}

} // namespace Module1
