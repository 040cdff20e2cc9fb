// Printing the viewer's text: page loop, margins from the paper's edge, the
// box left as it was, and the PDF offer when the printer fails or there is none.
#include "catalogue/PrintCommand.h"
#include "catalogue/Printing.h"
#include "support/TestSupport.h"

#include <QPrinter>
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

// Page count from the file's page objects.
int pdfPages(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? int(QString::fromLatin1(f.readAll()).count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)))
               : -1;
}

QString runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

// The non-blank lines of one page.
QStringList pageLines(const QString& path, int page)
{
    const QString p = QString::number(page);
    QStringList out;
    for (const QString& l : runTool(u"pdftotext"_s, {u"-layout"_s, u"-f"_s, p, u"-l"_s, p, path, u"-"_s}).split(u'\n'))
        if (!l.trimmed().isEmpty() && l.trimmed() != u"\f"_s)
            out << l.trimmed();
    return out;
}

// One coordinate ("xMin", "yMin", "xMax") of every word in the file, in points.
QList<double> wordCoords(const QString& pdf, const QString& attr)
{
    QList<double> out;
    auto it =
        QRegularExpression(attr + u"=\"([\\d.]+)\""_s).globalMatch(runTool(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}));
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
    void pagesInOrder()
    {
        QTextEdit box;
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        const int total = 250;
        box.setPlainText(numberedLines(total));
        const QString html = box.toHtml();
        auto printer = pdfPrinter(pdf(u"long.pdf"_s), 5);
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QVERIFY(o.ok());
        const int pages = pdfPages(pdf(u"long.pdf"_s));
        QVERIFY(pages > 1 && pages == o.pages);
        // Every line once, in order, no page empty.
        QStringList all;
        const int perPage = int(pageLines(pdf(u"long.pdf"_s), 1).size());
        for (int p = 1; p <= pages; ++p)
            all << pageLines(pdf(u"long.pdf"_s), p);
        QCOMPARE(all, numberedLines(total).split(u'\n'));
        QVERIFY(!pageLines(pdf(u"long.pdf"_s), pages).isEmpty());
        QCOMPARE(box.toHtml(), html); // the box is left as it was
        QVERIFY(!box.document()->isModified());
        // Exactly one page of lines followed by empty lines: still one page.
        box.setPlainText(numberedLines(perPage) + u"\n\n\n\n"_s);
        QCOMPARE(Module1::countPages(*box.document(), kInch, *printer), 1);
        box.setPlainText(numberedLines(perPage + 1));
        QCOMPARE(Module1::countPages(*box.document(), kInch, *printer), 2);
    }

    void marginsCountFromThePaperEdge()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        QTextEdit box;
        box.setPlainText(u"Inceput "_s + u"cuvant "_s.repeated(400));
        // Whatever the printer's unprintable border, the text starts one inch (72 pt) in and
        // ends within an inch of the right edge (A4 is 595 pt wide).
        for (const double border : {0.0, 6.35, 15.0}) {
            const QString file = pdf(u"margin%1.pdf"_s.arg(border));
            Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, pdfPrinter(file, border).get());
            const QList<double> rights = wordCoords(file, u"xMax"_s);
            const double left = wordCoords(file, u"xMin"_s).value(0), top = wordCoords(file, u"yMin"_s).value(0),
                         right = rights.isEmpty() ? 0 : *std::max_element(rights.begin(), rights.end());
            QVERIFY2(qAbs(left - 72.0) < 1.5 && qAbs(top - 72.0) < 3.0 && right <= 595.28 - 72.0 + 1.0 && right > 480,
                     qPrintable(u"%1 %2 %3"_s.arg(left).arg(top).arg(right)));
        }
        // Two inches on the left move the text one inch further.
        Module1::PrintRichText(&box, 2880, 1440, 1440, 1440, pdfPrinter(pdf(u"left2.pdf"_s), 10).get());
        QVERIFY(qAbs(wordCoords(pdf(u"left2.pdf"_s), u"xMin"_s).value(0) - 144.0) < 1.5);
        // Paragraph indents of 96 screen pixels keep their inch on paper.
        QTextEdit indented;
        indented.setPlainText(u"Indent\nStanga"_s);
        QTextBlockFormat first, left;
        first.setTextIndent(96);
        left.setLeftMargin(96);
        QTextCursor(indented.document()->firstBlock()).setBlockFormat(first);
        QTextCursor(indented.document()->lastBlock()).setBlockFormat(left);
        Module1::PrintRichText(&indented, 1440, 1440, 1440, 1440, pdfPrinter(pdf(u"indent.pdf"_s), 5).get());
        const QList<double> xs = wordCoords(pdf(u"indent.pdf"_s), u"xMin"_s);
        QVERIFY2(xs.size() == 2 && qAbs(xs[0] - 144.0) < 1.5 && qAbs(xs[1] - 144.0) < 1.5,
                 qPrintable(QString::number(xs.value(0)) + u' ' + QString::number(xs.value(1))));
    }

    void failingJobAndPdfOffer()
    {
        QTextEdit box(u"text"_s);
        auto printer = pdfPrinter(pdf(u"missing/dir/out.pdf"_s));
        const Module1::PrintOutcome o = Module1::printDocument(*box.document(), kInch, *printer);
        QVERIFY(o.status == Module1::PrintOutcome::Failed && !o.reason.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Module1::PrintError,
                                 Module1::PrintRichText(&box, 1440, 1440, 1440, 1440, printer.get()));
        QCOMPARE(PrintCommand::pdfFileName(u" Ordin 5/2006 *nou* "_s), u"Ordin 5_2006 _nou_.pdf"_s);
        QCOMPARE(PrintCommand::pdfFileName(u".."_s), u"Tarvenor 2007.pdf"_s);
        QCOMPARE(PrintCommand::pdfFileName(QString(300, u'a')).size(), 124);
        FormFixture f;
        f.ui().textlege->setText(u"Titlu\r\r\r\rContinut\r\r---Tarvenor 2007---"_s);
        auto good = pdfPrinter(pdf(u"button.pdf"_s), 5);
        f.form().context().printer = good.get();
        f.form().Label12_Click();
        QCOMPARE(pdfPages(pdf(u"button.pdf"_s)), 1);
        QVERIFY(f.dialogs.messages.isEmpty() && f.dialogs.questions.isEmpty());

        // A failing printer: the user is offered a PDF. Declined: nothing saved.
        f.ui().Label11->setText(u"Legea nr. 1/2007: test"_s);
        f.ui().textlege->setText(numberedLines(120));
        auto broken = pdfPrinter(pdf(u"nowhere/x.pdf"_s));
        f.form().context().printer = broken.get();
        f.form().Label12_Click();
        QVERIFY(f.dialogs.questions.value(0).startsWith(u"Tiparirea nu a reusit"_s));
        QVERIFY(f.dialogs.questions.value(0).endsWith(u"\rDoriti sa salvati paginile intr-un fisier PDF?"_s));
        QVERIFY(f.dialogs.saveCalls == 0 && f.dialogs.messages.isEmpty());

        // Accepted: the same pages land in the chosen file.
        f.dialogs.answers = {true};
        f.dialogs.fileToSave = pdf(u"saved"_s);
        f.form().Label12_Click();
        QVERIFY(f.dialogs.lastSuggestedPath.endsWith(u"/Legea nr. 1_2007_ test.pdf"_s));
        QCOMPARE(pdfPages(pdf(u"saved.pdf"_s)),
                 Module1::countPages(*f.ui().textlege->document(), kInch, *pdfPrinter(pdf(u"check.pdf"_s))));
        QCOMPARE(f.dialogs.messages, QStringList{u"Paginile au fost salvate in fisierul:\r"_s +
                                                 QDir::toNativeSeparators(pdf(u"saved.pdf"_s))});
        // A PDF that cannot be written is said so; cancelling the file dialog ends it quietly.
        f.dialogs.answers = {true, true};
        f.dialogs.fileToSave = pdf(u"nowhere/y.pdf"_s);
        f.form().Label12_Click();
        f.dialogs.fileToSave.clear();
        f.form().Label12_Click();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].startsWith(u"Fisierul PDF nu a putut fi scris"_s));
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
