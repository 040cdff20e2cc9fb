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
using namespace Qt::StringLiterals;

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
    return !QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty();
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// Page count from pdfinfo, or from the file's page objects without it.
int pdfPages(const QString& path)
{
    if (havePoppler()) {
        const auto m = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(run(u"pdfinfo"_s, {path}));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)));
}

// The non-blank lines of one page.
QStringList pageLines(const QString& path, int page)
{
    const QString p = QString::number(page);
    QStringList out;
    for (const QString& l : run(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, p, u"-l"_s, p, path, u"-"_s}).split(u'\n'))
        if (!l.trimmed().isEmpty() && l.trimmed() != u"\f"_s)
            out << l.trimmed();
    return out;
}

// One coordinate ("xMin", "yMin", "xMax") of every word in the file, in points.
QList<double> wordCoords(const QString& pdf, const QString& attr)
{
    QList<double> out;
    auto it =
        QRegularExpression(attr + u"=\"([\\d.]+)\""_s).globalMatch(run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}));
    while (it.hasNext())
        out << it.next().captured(1).toDouble();
    return out;
}

QString numberedLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << u"Linia %1"_s.arg(i, 4, 10, QLatin1Char('0'));
    return lines.join(u'\n');
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString pdf(const QString& name) const { return m_tmp.filePath(name); }

private slots:
    void pageCounts()
    {
        // An empty box and one that fits: one page each.
        QTextEdit box;
        for (const QString& text : {QString(), u"Un singur rand."_s}) {
            box.setPlainText(text);
            auto printer = pdfPrinter(pdf(u"short.pdf"_s));
            Module1::PrintRichText(&box, 1440, 1440.0, 1440.0, 1440.0, printer.get());
            QCOMPARE(pdfPages(pdf(u"short.pdf"_s)), 1);
        }
    }

    void longTextFillsPagesInOrder()
    {
        if (!havePoppler())
            QSKIP("pdftotext is not installed");
        QTextEdit box;
        const int total = 250;
        box.setPlainText(numberedLines(total));
        const QString html = box.toHtml();
        auto printer = pdfPrinter(pdf(u"long.pdf"_s), 5);
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QVERIFY(o.ok());
        const int pages = pdfPages(pdf(u"long.pdf"_s));
        QCOMPARE(pages, o.pages);
        QVERIFY(pages > 1);

        // Every line once, in order; full pages hold the same number of lines
        // and the last page is not empty.
        QStringList all;
        const int perPage = int(pageLines(pdf(u"long.pdf"_s), 1).size());
        for (int p = 1; p <= pages; ++p) {
            const QStringList lines = pageLines(pdf(u"long.pdf"_s), p);
            QVERIFY2(!lines.isEmpty(), qPrintable(u"page %1 is empty"_s.arg(p)));
            if (p < pages)
                QCOMPARE(int(lines.size()), perPage);
            all << lines;
        }
        QCOMPARE(all, numberedLines(total).split(u'\n'));
        QCOMPARE(pages, (total + perPage - 1) / perPage);
        QCOMPARE(box.toHtml(), html); // the box is left as it was
        QVERIFY(!box.document()->isModified());

        // Exactly one page of lines followed by empty lines: still one page.
        box.setPlainText(numberedLines(perPage) + u"\n\n\n\n"_s);
        printer = pdfPrinter(pdf(u"exact.pdf"_s), 5);
        QCOMPARE(Module1::printDocument(*box.document(), kInch, *printer).pages, 1);
        QCOMPARE(pdfPages(pdf(u"exact.pdf"_s)), 1);
        box.setPlainText(numberedLines(perPage + 1));
        QCOMPARE(Module1::countPages(*box.document(), kInch, *printer), 2);
    }

    void marginsCountFromThePaperEdge()
    {
        if (!havePoppler())
            QSKIP("pdftotext is not installed");
        QTextEdit box;
        box.setPlainText(u"Inceput "_s + u"cuvant "_s.repeated(400));
        // Whatever the unprintable border, the text starts one inch (72 pt) in.
        for (const double border : {0.0, 6.35, 15.0}) {
            const QString file = pdf(u"margin%1.pdf"_s.arg(border));
            auto printer = pdfPrinter(file, border);
            Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get());
            const double left = wordCoords(file, u"xMin"_s).value(0), top = wordCoords(file, u"yMin"_s).value(0);
            QVERIFY2(qAbs(left - 72.0) < 1.5, qPrintable(QString::number(left)));
            QVERIFY2(qAbs(top - 72.0) < 3.0, qPrintable(QString::number(top)));
        }
        // Nothing crosses the right margin: A4 is 595 pt wide.
        const QList<double> rights = wordCoords(pdf(u"margin0.pdf"_s), u"xMax"_s);
        const double right = rights.isEmpty() ? 0 : *std::max_element(rights.begin(), rights.end());
        QVERIFY2(right <= 595.28 - 72.0 + 1.0 && right > 400, qPrintable(QString::number(right)));
        // Two inches on the left move the text one inch further.
        auto printer = pdfPrinter(pdf(u"left2.pdf"_s), 10);
        Module1::PrintRichText(&box, 2880, 1440, 1440, 1440, printer.get());
        QVERIFY(qAbs(wordCoords(pdf(u"left2.pdf"_s), u"xMin"_s).value(0) - 144.0) < 1.5);

        // Paragraph indents keep their size on paper: one inch more each.
        QTextEdit indented;
        indented.setPlainText(u"Indent\nStanga"_s);
        QTextBlockFormat first, left;
        first.setTextIndent(96);
        left.setLeftMargin(96);
        QTextCursor(indented.document()->firstBlock()).setBlockFormat(first);
        QTextCursor(indented.document()->lastBlock()).setBlockFormat(left);
        printer = pdfPrinter(pdf(u"indent.pdf"_s), 5);
        Module1::PrintRichText(&indented, 1440, 1440, 1440, 1440, printer.get());
        const QList<double> xs = wordCoords(pdf(u"indent.pdf"_s), u"xMin"_s);
        QCOMPARE(xs.size(), 2);
        for (const double x : xs)
            QVERIFY(qAbs(x - 144.0) < 1.5);
    }

    void failingJobIsReported()
    {
        QTextEdit box;
        box.setPlainText(u"text"_s);
        auto printer = pdfPrinter(pdf(u"missing/dir/out.pdf"_s));
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QCOMPARE(o.status, Module1::PrintOutcome::Failed);
        QVERIFY(!o.reason.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Module1::PrintError,
                                 Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get()));
        // Margins that leave no room are refused, not printed as blank pages.
        printer = pdfPrinter(pdf(u"nospace.pdf"_s));
        QCOMPARE(Module1::printDocument(*box.document(), {7000, 1440, 7000, 1440}, *printer).status,
                 Module1::PrintOutcome::Failed);
    }

    void printButtonAndPdfOffer()
    {
        FormFixture f;
        f.ui().textlege->setText(u"Titlu\r\r\r\rContinut\r\r---Tarvenor 2007---"_s);
        auto good = pdfPrinter(pdf(u"button.pdf"_s), 5);
        f.form().context().printer = good.get();
        f.form().Label12_Click();
        QCOMPARE(pdfPages(pdf(u"button.pdf"_s)), 1);
        QVERIFY(f.dialogs.messages.isEmpty() && f.dialogs.questions.isEmpty());

        // A failing printer: the user is offered a PDF.
        f.ui().Label11->setText(u"Legea nr. 1/2007: test"_s);
        f.ui().textlege->setText(numberedLines(120));
        auto broken = pdfPrinter(pdf(u"nowhere/x.pdf"_s));
        f.form().context().printer = broken.get();

        // Declined: nothing saved, nothing claimed.
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions[0].startsWith(u"Tiparirea nu a reusit"_s));
        QVERIFY(f.dialogs.questions[0].contains(u"PDF"_s));
        QCOMPARE(f.dialogs.saveCalls, 0);
        QVERIFY(f.dialogs.messages.isEmpty());

        // Accepted: the same pages land in the chosen file.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf(u"saved"_s);
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.saveCalls, 1);
        QVERIFY(f.dialogs.lastSuggestedPath.endsWith(u"/Legea nr. 1_2007_ test.pdf"_s));
        auto same = pdfPrinter(pdf(u"check.pdf"_s));
        QCOMPARE(pdfPages(pdf(u"saved.pdf"_s)), Module1::countPages(*f.ui().textlege->document(), kInch, *same));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith(u"Paginile au fost salvate"_s));

        // A PDF that cannot be written is said so, not reported as saved.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf(u"nowhere/y.pdf"_s);
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].startsWith(u"Fisierul PDF nu a putut fi scris"_s));

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
        f.ui().textlege->setText(u"text"_s);
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf(u"fallback.pdf"_s);
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions[0].startsWith(u"Nu este instalata nicio imprimanta"_s));
        QVERIFY(f.dialogs.lastSuggestedPath.endsWith(u"/Tarvenor 2007.pdf"_s));
        QCOMPARE(pdfPages(pdf(u"fallback.pdf"_s)), 1);
        QTextEdit box;
        QVERIFY_THROWS_EXCEPTION(Module1::PrintError, Module1::PrintRichText(&box, 1440, 1440, 1440, 1440));
    }

    void pdfNames()
    {
        QCOMPARE(PrintCommand::pdfFileName(u" Ordin 5/2006 *nou* "_s), u"Ordin 5_2006 _nou_.pdf"_s);
        QCOMPARE(PrintCommand::pdfFileName(u".."_s), u"Tarvenor 2007.pdf"_s);
        QCOMPARE(PrintCommand::pdfFileName(QString(300, u'a')).size(), 124);
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
