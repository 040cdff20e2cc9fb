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
    // When the printer is missing or the job fails, offers the same pages as
    // a PDF file instead.
    void offerPdf(const Module1::PrintOutcome& failed);

    AppContext& m_ctx;
};
