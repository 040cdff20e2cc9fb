#include "catalogue/ActSaver.h"

#include "catalogue/Printing.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextDocumentWriter>
#include <QTextEdit>

namespace ActSaver {
namespace {

QString writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return file.errorString();
    }
    return file.commit() ? QString() : file.errorString();
}

QString writeOdf(QTextEdit& box, const QString& path)
{
    // The ODF writer closes its device when done, which a save file refuses;
    // the document is written to memory first.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("odf"));
    if (!writer.write(box.document()))
        return QStringLiteral("documentul ODF nu a putut fi alcatuit");
    return writeBytes(path, bytes);
}

QString writePdf(QTextEdit& box, const QString& path, const QString& docName, const QPageLayout* paper)
{
    // The printer writes its own file; it goes to a scratch file beside the
    // target, which replaces the target in one step once the pages are done.
    QTemporaryFile scratch(QFileInfo(path).absolutePath() + QStringLiteral("/.tarvenor-XXXXXX.pdf"));
    if (!scratch.open())
        return scratch.errorString();
    scratch.close();

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(scratch.fileName());
    pdf.setDocName(docName);
    // No unprintable border on a file: the margins are the full inch.
    QPageLayout layout = paper ? *paper : pdf.pageLayout();
    layout.setMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageLayout(layout);
    try {
        Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, &pdf);
    } catch (const Module1::PrintError& e) {
        return e.outcome.reason;
    }

    QFile pages(scratch.fileName());
    if (!pages.open(QIODevice::ReadOnly))
        return pages.errorString();
    const QByteArray bytes = pages.readAll();
    if (!bytes.startsWith("%PDF"))
        return QStringLiteral("paginile nu au fost scrise");
    return writeBytes(path, bytes);
}

} // namespace

Format formatFor(QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("odt"))
        return Format::Odf;
    if (suffix == QLatin1String("txt"))
        return Format::Text;
    if (suffix != QLatin1String("pdf"))
        path += QStringLiteral(".pdf");
    return Format::Pdf;
}

QString write(QTextEdit& box, const QString& path, Format format, const QString& docName, const QPageLayout* paper)
{
    switch (format) {
    case Format::Odf: return writeOdf(box, path);
    case Format::Text: return writeBytes(path, box.toPlainText().toUtf8());
    case Format::Pdf: break;
    }
    return writePdf(box, path, docName, paper);
}

} // namespace ActSaver
