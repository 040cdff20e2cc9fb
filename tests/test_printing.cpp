// Printing the viewer's text: page loop, margins from the paper's edge, the
// box left as it was, and the PDF offer when the printer fails.
#include "catalogue/PrintCommand.h"
#include "catalogue/Printing.h"
#include "support/TestSupport.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using namespace testsupport;

namespace {

const Module1::PageMargins kInch{1440, 1440, 1440, 1440};

// A PDF printer on A4 whose page margins stand for a printer's unprintable border.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path, double borderMm = 0)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(borderMm, borderMm, borderMm, borderMm), QPageLayout::Millimeter));
    return p;
}

bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Page count from pdfinfo, or from the file's page objects without it.
int pdfPages(const QString& path)
{
    if (havePoppler()) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

QStringList pageLines(const QString& path, int page)
{
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"),
                                                          QString::number(page), QStringLiteral("-l"),
                                                          QString::number(page), path, QStringLiteral("-")});
    QStringList out;
    for (const QString& l : text.split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty() && l.trimmed() != QStringLiteral("\f"))
            out << l.trimmed();
    return out;
}

// The box of the first word on page 1, in points: xMin, yMin, xMax, yMax.
QRectF firstWordBox(const QString& pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                                          QStringLiteral("1"), QStringLiteral("-l"),
                                                          QStringLiteral("1"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch m = QRegularExpression(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"")).match(html);
    if (!m.hasMatch())
        return QRectF();
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

QString numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("Linia %1").arg(i, 4, 10, QLatin1Char('0'));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString pdf(const char* name) const { return m_tmp.filePath(QString::fromLatin1(name)); }
    QString pdf(const QString& name) const { return m_tmp.filePath(name); }

private slots:
    void pageCounts()
    {
        QTextEdit box;
        auto printer = pdfPrinter(pdf("empty.pdf"));
        Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get());
        QCOMPARE(pdfPages(pdf("empty.pdf")), 1);

        box.setPlainText(QStringLiteral("Un singur rand."));
        printer = pdfPrinter(pdf("one.pdf"));
        Module1::PrintRichText(&box, 1440, 1440.0, 1440.0, 1440.0, printer.get());
        QCOMPARE(pdfPages(pdf("one.pdf")), 1);
    }

    void longTextFillsPagesInOrder()
    {
        if (!havePoppler())
            QSKIP("pdftotext is not installed");
        QTextEdit box;
        const int total = 250;
        box.setPlainText(numberedLines(total));
        const QString html = box.toHtml();
        auto printer = pdfPrinter(pdf("long.pdf"), 5);
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QVERIFY(o.ok());
        const int pages = pdfPages(pdf("long.pdf"));
        QCOMPARE(pages, o.pages);
        QVERIFY(pages > 1);

        // Every line once, in order; full pages hold the same number of lines
        // and the last page is not empty.
        QStringList all;
        const int perPage = int(pageLines(pdf("long.pdf"), 1).size());
        for (int p = 1; p <= pages; ++p) {
            const QStringList lines = pageLines(pdf("long.pdf"), p);
            QVERIFY2(!lines.isEmpty(), qPrintable(QStringLiteral("page %1 is empty").arg(p)));
            if (p < pages)
                QCOMPARE(int(lines.size()), perPage);
            all << lines;
        }
        QCOMPARE(all, numberedLines(total).split(QLatin1Char('\n')));
        QCOMPARE(pages, (total + perPage - 1) / perPage);
        QCOMPARE(box.toHtml(), html); // the box is left as it was
        QVERIFY(!box.document()->isModified());

        // Exactly one page of lines followed by empty lines: still one page.
        box.setPlainText(numberedLines(perPage) + QStringLiteral("\n\n\n\n"));
        printer = pdfPrinter(pdf("exact.pdf"), 5);
        QCOMPARE(Module1::printDocument(*box.document(), kInch, *printer).pages, 1);
        QCOMPARE(pdfPages(pdf("exact.pdf")), 1);
        box.setPlainText(numberedLines(perPage + 1));
        QCOMPARE(Module1::countPages(*box.document(), kInch, *printer), 2);
    }

    void marginsCountFromThePaperEdge()
    {
        if (!havePoppler())
            QSKIP("pdftotext is not installed");
        QTextEdit box;
        QString many;
        for (int i = 0; i < 400; ++i)
            many += QStringLiteral("cuvant ");
        box.setPlainText(QStringLiteral("Inceput ") + many);
        // Whatever the unprintable border, the text starts one inch (72 pt) in.
        for (const double border : {0.0, 6.35, 15.0}) {
            const QString file = pdf(QStringLiteral("margin%1.pdf").arg(border));
            auto printer = pdfPrinter(file, border);
            Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get());
            const QRectF first = firstWordBox(file);
            QVERIFY2(qAbs(first.left() - 72.0) < 1.5, qPrintable(QString::number(first.left())));
            QVERIFY2(qAbs(first.top() - 72.0) < 3.0, qPrintable(QString::number(first.top())));
        }
        // Two inches on the left move the text one inch further.
        auto printer = pdfPrinter(pdf("left2.pdf"), 10);
        Module1::PrintRichText(&box, 2880, 1440, 1440, 1440, printer.get());
        QVERIFY(qAbs(firstWordBox(pdf("left2.pdf")).left() - 144.0) < 1.5);
        // Paragraph indents keep their size on paper: one inch more each.
        QTextEdit indented;
        indented.setPlainText(QStringLiteral("Indent\nStanga"));
        QTextBlockFormat first;
        first.setTextIndent(96);
        QTextCursor(indented.document()->firstBlock()).setBlockFormat(first);
        QTextBlockFormat left;
        left.setLeftMargin(96);
        QTextCursor(indented.document()->lastBlock()).setBlockFormat(left);
        printer = pdfPrinter(pdf("indent.pdf"), 5);
        Module1::PrintRichText(&indented, 1440, 1440, 1440, 1440, printer.get());
        const QString words = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf("indent.pdf"),
                                                                QStringLiteral("-")});
        auto xs = QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\"")).globalMatch(words);
        int seen = 0;
        while (xs.hasNext()) {
            QVERIFY(qAbs(xs.next().captured(1).toDouble() - 144.0) < 1.5);
            ++seen;
        }
        QCOMPARE(seen, 2);

        // Nothing crosses the right margin: A4 is 595 pt wide.
        const QString bbox = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf("margin0.pdf"),
                                                               QStringLiteral("-")});
        auto it = QRegularExpression(QStringLiteral("xMax=\"([\\d.]+)\"")).globalMatch(bbox);
        double right = 0;
        while (it.hasNext())
            right = std::max(right, it.next().captured(1).toDouble());
        QVERIFY2(right <= 595.28 - 72.0 + 1.0 && right > 400, qPrintable(QString::number(right)));
    }

    void failingJobIsReported()
    {
        QTextEdit box;
        box.setPlainText(QStringLiteral("text"));
        auto printer = pdfPrinter(m_tmp.filePath(QStringLiteral("missing/dir/out.pdf")));
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QCOMPARE(o.status, Module1::PrintOutcome::Failed);
        QVERIFY(!o.reason.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Module1::PrintError, Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get()));
        // Margins that leave no room are refused, not printed as blank pages.
        printer = pdfPrinter(pdf("nospace.pdf"));
        QCOMPARE(Module1::printDocument(*box.document(), {7000, 1440, 7000, 1440}, *printer).status,
                 Module1::PrintOutcome::Failed);
    }

    void printButtonUsesThePrinter()
    {
        FormFixture f;
        f.ui().textlege->setText(QStringLiteral("Titlu\r\r\r\rContinut\r\r---Tarvenor 2007---"));
        auto printer = pdfPrinter(pdf("button.pdf"), 5);
        f.form().context().printer = printer.get();
        f.form().Label12_Click();
        QCOMPARE(pdfPages(pdf("button.pdf")), 1);
        QVERIFY(f.dialogs.messages.isEmpty());
        QVERIFY(f.dialogs.questions.isEmpty());
    }

    void failedPrintOffersPdf()
    {
        FormFixture f;
        f.ui().Label11->setText(QStringLiteral("Legea nr. 1/2007: test"));
        f.ui().textlege->setText(numberedLines(120));
        auto broken = pdfPrinter(m_tmp.filePath(QStringLiteral("nowhere/x.pdf")));
        f.form().context().printer = broken.get();

        // Declined: nothing saved, nothing claimed.
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions[0].startsWith(QStringLiteral("Tiparirea nu a reusit")));
        QVERIFY(f.dialogs.questions[0].contains(QStringLiteral("PDF")));
        QCOMPARE(f.dialogs.saveCalls, 0);
        QVERIFY(f.dialogs.messages.isEmpty());

        // Accepted: the same pages land in the chosen file.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf("saved");
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.saveCalls, 1);
        QVERIFY(f.dialogs.lastSuggestedPath.endsWith(QStringLiteral("/Legea nr. 1_2007_ test.pdf")));
        QVERIFY(QFile::exists(pdf("saved.pdf")));
        auto same = pdfPrinter(pdf("check.pdf"));
        QCOMPARE(pdfPages(pdf("saved.pdf")), Module1::countPages(*f.ui().textlege->document(), kInch, *same));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith(QStringLiteral("Paginile au fost salvate")));

        // A PDF that cannot be written is said so, not reported as saved.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = m_tmp.filePath(QStringLiteral("nowhere/y.pdf"));
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].startsWith(QStringLiteral("Fisierul PDF nu a putut fi scris")));

        // Cancelling the file dialog ends it quietly.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave.clear();
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
    }

    void noPrinterInstalled()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed here; the test would print on it");
        FormFixture f;
        f.ui().Label11->setText(QString());
        f.ui().textlege->setText(QStringLiteral("text"));
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf("fallback.pdf");
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions[0].startsWith(QStringLiteral("Nu este instalata nicio imprimanta")));
        QVERIFY(f.dialogs.lastSuggestedPath.endsWith(QStringLiteral("/Tarvenor 2007.pdf")));
        QCOMPARE(pdfPages(pdf("fallback.pdf")), 1);
        QTextEdit box;
        QVERIFY_THROWS_EXCEPTION(Module1::PrintError, Module1::PrintRichText(&box, 1440, 1440, 1440, 1440));
    }

    void pdfNames()
    {
        QCOMPARE(PrintCommand::pdfFileName(QStringLiteral(" Ordin 5/2006 *nou* ")), QStringLiteral("Ordin 5_2006 _nou_.pdf"));
        QCOMPARE(PrintCommand::pdfFileName(QStringLiteral("..")), QStringLiteral("Tarvenor 2007.pdf"));
        QCOMPARE(PrintCommand::pdfFileName(QString(300, QLatin1Char('a'))).size(), 124);
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
