#pragma once

#include <QRectF>

class QPainter;
class QPrinter;
class QTextDocument;

namespace Module1 {

// Draws the running header and footer kept with `document` (if any) on the
// page being painted: the header in the top margin, the footer in the
// bottom margin, as wide as `textArea` (the page's text area in painter
// coordinates), with page `page` (from 1) of `pages` in their page fields.
void drawPageDecorations(QPainter& painter, const QTextDocument& document, QPrinter& printer, const QRectF& textArea,
                         int page, int pages);

} // namespace Module1
