#pragma once

#include "store/UserError.h"

#include <QString>

class QPageSize;
class QPrinter;
class QTextDocument;
class QTextEdit;

namespace Module1 {

// Margins of a printed page in twips, measured from the paper's edge.
struct PageMargins {
    long left = 1440;
    long top = 1440;
    long right = 1440;
    long bottom = 1440;
};

struct PrintOutcome {
    enum Status {
        Printed,
        NoPrinter,
        Failed,
        NoService, // the print service does not answer
        Refused,   // the printer does not accept jobs, or refused this one
        Cancelled, // the job was taken but aborted or cancelled before printing
        Waiting,   // the job was taken by a paused printer and waits for it
    };
    Status status = Failed;
    int pages = 0;
    int jobId = 0;
    QString printer; // the printer the job was meant for, when known
    QString reason;  // Romanian, for the user, when not printed
    bool ok() const { return status == Printed; }
};

// A print job that did not complete.
class PrintError : public UserError {
public:
    explicit PrintError(const PrintOutcome& outcome);
    const PrintOutcome outcome;
};

// Lays out `document` page by page inside the margins and paints it on
// `printer`. The document itself is left untouched (a copy is laid out).
PrintOutcome printDocument(const QTextDocument& document, const PageMargins& margins, QPrinter& printer);

// The number of pages printDocument would produce on `printer`.
int countPages(const QTextDocument& document, const PageMargins& margins, QPrinter& printer);

// The paper a printer takes unless told otherwise; A4 when it does not say
// or is not known.
QPageSize printerPaper(const QString& printerName);

// Prints on the print service's default printer: checks that it can take a
// job, sends the pages as one job titled `title` and reads back what became
// of it, so a refused, aborted or waiting job is never reported as printed.
PrintOutcome printOnDefaultPrinter(const QTextDocument& document, const PageMargins& margins, const QString& title);

// Prints the whole content of `box` with the given margins in twips from the
// paper's edge. A null printer means the print service's default printer.
// Throws PrintError whenever the pages were not printed (a job waiting on a
// paused printer included), so a failure is never silent.
void PrintRichText(QTextEdit* box, long left, double top, double right, double bottom, QPrinter* printer = nullptr);

} // namespace Module1
