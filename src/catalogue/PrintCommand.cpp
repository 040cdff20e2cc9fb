#include "catalogue/PrintCommand.h"

#include "shell/AppContext.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>

namespace {

const Module1::PageMargins kOneInch{1440, 1440, 1440, 1440};

QString jobName(const QString& title)
{
    return title.trimmed().isEmpty() ? QString::fromLatin1(kAppTitle) : title.trimmed();
}

} // namespace

QString PrintCommand::pdfFileName(const QString& title)
{
    QString name;
    name.reserve(title.size());
    for (const QChar c : title.trimmed()) {
        // Characters no file system or file dialog takes kindly.
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            name += QLatin1Char('_');
        else
            name += c;
    }
    name = name.left(120).trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QString::fromLatin1(kAppTitle);
    return name + QStringLiteral(".pdf");
}

Module1::PrintOutcome PrintCommand::printOnPrinter()
{
    const QString title = jobName(m_ctx.ui.Label11->text());
    if (m_ctx.printer) {
        m_ctx.printer->setDocName(title);
        return Module1::printDocument(*m_ctx.ui.textlege->document(), kOneInch, *m_ctx.printer);
    }
    return Module1::printOnDefaultPrinter(*m_ctx.ui.textlege->document(), kOneInch, title);
}

void PrintCommand::Label12_Click()
{
    const Module1::PrintOutcome outcome = printOnPrinter();
    if (!outcome.ok())
        offerPdf(outcome);
}

void PrintCommand::offerPdf(const Module1::PrintOutcome& failed)
{
    // Only a failure of the job itself needs words around its cause; every
    // other outcome arrives as a whole sentence.
    const QString why = failed.status == Module1::PrintOutcome::Failed
                            ? QStringLiteral("Tiparirea nu a reusit: %1").arg(failed.reason)
                            : failed.reason;
    if (!m_ctx.dialogs->question(m_ctx.window,
                                 why + QStringLiteral("\rDoriti sa salvati paginile intr-un fisier PDF?")))
        return;

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString title = m_ctx.ui.Label11->text();
    QString path =
        m_ctx.dialogs->saveFile(m_ctx.window, QStringLiteral("Salvare ca PDF"),
                                QDir(folder).filePath(pdfFileName(title)), QStringLiteral("Fisiere PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");

    // The same paper as the printer would have used, so the pages match.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(jobName(title));
    QPageLayout layout = m_ctx.printer ? m_ctx.printer->pageLayout()
                                       : QPageLayout(Module1::printerPaper(failed.printer), QPageLayout::Portrait, {});
    layout.setMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageLayout(layout);

    const Module1::PrintOutcome saved = Module1::printDocument(*m_ctx.ui.textlege->document(), kOneInch, pdf);
    if (saved.ok())
        m_ctx.message(QStringLiteral("Paginile au fost salvate in fisierul:\r%1").arg(QDir::toNativeSeparators(path)));
    else
        m_ctx.message(QStringLiteral("Fisierul PDF nu a putut fi scris:\r%1").arg(QDir::toNativeSeparators(path)));
}
