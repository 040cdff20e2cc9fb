#include "catalogue/PageDecorations.h"

#include "controls/PageDecoration.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace Module1 {
namespace {

// A copy of `text` laid out for the printer with its page fields filled in.
std::unique_ptr<QTextDocument> prepared(const QTextDocument& text, QPrinter& printer, double width, int page, int pages)
{
    std::unique_ptr<QTextDocument> doc(text.clone());
    doc->setUndoRedoEnabled(false);
    struct Field {
        int from, length, kind;
    };
    std::vector<Field> fields;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int kind = f.charFormat().intProperty(PageDecoration::kFieldProperty);
            if (kind)
                fields.push_back({f.position(), f.length(), kind});
        }
    }
    // From the end, so the earlier positions stay right.
    for (auto f = fields.rbegin(); f != fields.rend(); ++f) {
        QTextCursor c(doc.get());
        c.setPosition(f->from);
        c.setPosition(f->from + f->length, QTextCursor::KeepAnchor);
        c.insertText(PageDecoration::fieldText(f->kind, page, pages), c.charFormat());
    }
    doc->documentLayout()->setPaintDevice(&printer);
    doc->setDocumentMargin(0);
    doc->setTextWidth(width);
    return doc;
}

} // namespace

void drawPageDecorations(QPainter& painter, const QTextDocument& document, QPrinter& printer, const QRectF& textArea,
                         int page, int pages)
{
    const PageDecoration* d = PageDecoration::of(document);
    if (!d || textArea.width() < 1)
        return;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double offsetY = printable.top() - paper.top();
    const double dpiY = printer.logicalDpiY();
    auto paint = [&](const QTextDocument* text, bool top) {
        if (!text)
            return;
        auto doc = prepared(*text, printer, textArea.width(), page, pages);
        const double height = doc->size().height();
        // Header below the paper's top edge, footer above its bottom edge,
        // each kept inside its margin so it never covers the text.
        double y = top ? d->headerFromTop * dpiY / 1440.0 - offsetY
                       : paper.height() - d->footerFromBottom * dpiY / 1440.0 - offsetY - height;
        y = top ? std::min(y, textArea.top() - height) : std::max(y, textArea.bottom());
        painter.save();
        painter.translate(textArea.left(), y);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, ctx);
        painter.restore();
    };
    paint(d->header(page), true);
    paint(d->footer(page), false);
}

} // namespace Module1
