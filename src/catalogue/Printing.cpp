#include "catalogue/Printing.h"

#include "catalogue/PageDecorations.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>

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

// Pages up to the last one that carries visible text: trailing empty lines
// that spill over never start a page of their own.
int inkedPages(QTextDocument& doc, double pageHeight)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextBlock b = doc.lastBlock(); b.isValid(); b = b.previous()) {
        const QString text = b.text();
        if (!hasInk(text, 0, int(text.size())))
            continue;
        const QTextLayout* tl = b.layout();
        const double blockTop = layout->blockBoundingRect(b).top();
        for (int i = tl->lineCount() - 1; i >= 0; --i) {
            const QTextLine line = tl->lineAt(i);
            if (!hasInk(text, line.textStart(), line.textLength()))
                continue;
            const double y = blockTop + line.y();
            return std::max(1, int(std::floor((y + 0.5) / pageHeight)) + 1);
        }
    }
    return 1;
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
    int pages = 1;
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
    out.pages = inkedPages(*out.doc, out.area.height());
    return out;
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
    return layOut(document, margins, printer).pages;
}

PrintOutcome printDocument(const QTextDocument& document, const PageMargins& margins, QPrinter& printer)
{
    if (!printer.isValid())
        return failure(PrintOutcome::NoPrinter, QStringLiteral("Imprimanta nu este disponibila."));
    LaidOut laid = layOut(document, margins, printer);
    if (!laid.doc)
        return failure(PrintOutcome::Failed, QStringLiteral("Marginile nu lasa loc textului pe pagina."));

    QPainter painter;
    if (!painter.begin(&printer))
        return failure(PrintOutcome::Failed, QStringLiteral("Lucrarea de tiparire nu a putut fi pornita."));

    const double h = laid.area.height();
    QAbstractTextDocumentLayout* layout = laid.doc->documentLayout();
    for (int page = 0; page < laid.pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return failure(PrintOutcome::Failed, QStringLiteral("Imprimanta nu a acceptat o pagina noua."), page);
        }
        const QRectF visible(0, page * h, laid.area.width(), h);
        painter.save();
        painter.translate(laid.area.left(), laid.area.top() - page * h);
        painter.setClipRect(visible);
        QAbstractTextDocumentLayout::PaintContext ctx;
        // Lines touching the page's edges belong to the neighbouring pages;
        // a hair's inset keeps them out of this page's text.
        ctx.clip = visible.adjusted(0, 0.5, 0, -0.5);
        ctx.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, ctx);
        painter.restore();
        drawPageDecorations(painter, document, printer, laid.area, page + 1, laid.pages); // running header and footer
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return failure(PrintOutcome::Failed, QStringLiteral("Imprimanta a raportat o eroare."), laid.pages);

    PrintOutcome done;
    done.status = PrintOutcome::Printed;
    done.pages = laid.pages;
    return done;
}

bool hasDefaultPrinter()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PrintRichText(QTextEdit* box, long left, double top, double right, double bottom, QPrinter* printer)
{
    if (!box)
        return;
    const PageMargins margins{left, std::lround(top), std::lround(right), std::lround(bottom)};
    PrintOutcome outcome;
    if (printer) {
        outcome = printDocument(*box->document(), margins, *printer);
    } else if (!hasDefaultPrinter()) {
        outcome = failure(PrintOutcome::NoPrinter, QStringLiteral("Nu este instalata nicio imprimanta."));
    } else {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            info = QPrinterInfo::availablePrinters().value(0);
        QPrinter native(info, QPrinter::HighResolution);
        outcome = printDocument(*box->document(), margins, native);
    }
    if (!outcome.ok())
        throw PrintError(outcome);
}

} // namespace Module1
