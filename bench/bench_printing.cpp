// Printing a 5 MB act to PDF, against Qt's own QTextDocument::print of the
// same text, and reading a 1 MB RTF file.
//
//   bench_printing [megabytes-to-print]
#include "catalogue/Printing.h"
#include "contracts/RtfReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>

namespace {

QString actText(qsizetype bytes)
{
    const QString para = QString::fromUtf8(
        "Art. %1. - (1) Prezenta lege reglementează raporturile juridice dintre părți, drepturile și obligațiile "
        "acestora, precum și modul de soluționare a litigiilor, în condițiile stabilite de normele în vigoare.\n");
    QString text;
    text.reserve(bytes);
    for (int i = 1; text.size() < bytes; ++i)
        text += para.arg(i);
    return text;
}

std::unique_ptr<QPrinter> pdf(const QString& path)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    return p;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double mb = argc > 1 ? std::atof(argv[1]) : 5.0;
    QTemporaryDir tmp;

    QTextEdit box;
    box.setPlainText(actText(qsizetype(mb * 1024 * 1024)));
    std::printf("act: %lld characters, %d paragraphs\n", qlonglong(box.document()->characterCount()),
                box.document()->blockCount());

    QElapsedTimer t;
    auto ours = pdf(tmp.filePath(QStringLiteral("ours.pdf")));
    t.start();
    Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, ours.get());
    const qint64 oursMs = t.elapsed();
    const int pages = Module1::countPages(*box.document(), {}, *ours);

    auto qt = pdf(tmp.filePath(QStringLiteral("qt.pdf")));
    t.restart();
    box.document()->print(qt.get());
    const qint64 qtMs = t.elapsed();

    std::printf("PrintRichText: %lld ms, %d pages, %lld bytes\n", qlonglong(oursMs), pages,
                qlonglong(QFile(ours->outputFileName()).size()));
    std::printf("QTextDocument::print: %lld ms, %lld bytes\n", qlonglong(qtMs),
                qlonglong(QFile(qt->outputFileName()).size()));
    std::printf("ratio: %.2f\n", qtMs > 0 ? double(oursMs) / double(qtMs) : 0.0);

    // About 1 MB of RTF in the shape of the contract templates.
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}}"
                     "{\\colortbl;\\red0\\green0\\blue0;}\n";
    for (int i = 1; rtf.size() < 1024 * 1024; ++i)
        rtf += "\\pard\\plain\\qj\\fi567\\sa120\\f0\\fs24 {\\b Art. " + QByteArray::number(i) +
               ".} Chiria\\u537\\'ba se oblig\\'e3 s\\'e3 pl\\'e3teasc\\'e3 chiria la termenele stabilite \\'een "
               "contract, pe baz\\'e3 de chitan\\u539\\'fe\\'e3.\\par\n";
    rtf += "}";
    QTextDocument doc;
    t.restart();
    RtfReader().read(rtf, doc);
    std::printf("RtfReader: %lld bytes, %d paragraphs in %lld ms\n", qlonglong(rtf.size()), doc.blockCount(),
                qlonglong(t.elapsed()));
    return 0;
}
