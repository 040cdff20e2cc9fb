#pragma once

#include "catalogue/Printing.h"

#include <QString>

struct AppContext;
class QPrinter;

// The "Print" button of the viewer.
class PrintCommand {
public:
    explicit PrintCommand(AppContext& ctx) : m_ctx(ctx) {}

    void Label12_Click();

    // The file name a PDF copy of the shown text is offered under.
    static QString pdfFileName(const QString& title);

private:
    Module1::PrintOutcome printOnPrinter();
    // When the print service, the printer or the job fails, or the job waits
    // for a paused printer, says so and offers the same pages as a PDF file.
    void offerPdf(const Module1::PrintOutcome& failed);

    AppContext& m_ctx;
};
