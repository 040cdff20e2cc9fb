// The RTF reader on what word processors write: files written by a real one
// (tests/data, with their source and the word processor's own text export),
// and one small snippet per construct: revisions, hidden text, notes,
// raised text, tables, lists, symbol fonts, tabs, breaks, text boxes,
// headers and footers, printed to PDF.
#include "catalogue/Printing.h"
#include "contracts/RtfDocumentWriter.h"
#include "contracts/RtfReader.h"
#include "controls/PageDecoration.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString kData = QStringLiteral(TARVENOR_SOURCE_DIR "/tests/data/");

std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    RtfReader().read(rtf, *doc);
    return doc;
}

QString collapsed(QString s)
{
    s.remove(QChar(0xFEFF));
    return s.replace(QRegularExpression(u"\\s+"_s), u" "_s).trimmed();
}

QByteArray body(const QByteArray& text)
{
    return "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fcharset238 Times New Roman;}"
           "{\\f1\\fcharset2 Symbol;}{\\f2\\fcharset2 Wingdings;}}{\\colortbl;\\red255\\green255\\blue0;}" +
           text + "}";
}

QTextCharFormat formatOf(QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text)
                return it.fragment().charFormat();
    return QTextCharFormat();
}

QTextBlock blockStarting(QTextDocument& doc, const QString& text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(text))
            return b;
    return QTextBlock();
}

QList<QTextTable*> tablesOf(QTextFrame* frame)
{
    QList<QTextTable*> out;
    for (QTextFrame* f : frame->childFrames()) {
        if (auto* t = qobject_cast<QTextTable*>(f))
            out << t;
        out << tablesOf(f);
    }
    return out;
}

QString cellText(QTextTable* t, int row, int column)
{
    const QTextTableCell c = t->cellAt(row, column);
    QTextCursor cur = c.firstCursorPosition();
    cur.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cur.selection().toPlainText();
}

// The text of a PDF printed from `doc`, page by page, or a null list when
// the PDF text tool is missing.
QStringList printedPages(const QTextDocument& doc, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    const Module1::PrintOutcome o = Module1::printDocument(doc, Module1::PageMargins(), printer);
    if (!o.ok() || QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        return {};
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, file, u"-"_s});
    p.waitForFinished();
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar(u'\f'));
    if (pages.size() > 1 && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

class RtfDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void wordProcessorFiles()
    {
        // The export differs where the author's view does: it leaves the
        // notes and text boxes out, and keeps the deleted revision.
        const struct {
            const char* name;
            const char* notInExport;
            const char* deleted;
        } files[] = {{"contract_tabel", "", ""},
                     {"contract_antet", " 1 Legea 286/2009.", ""},
                     {"imputernicire", "Text din casetă ", "3.000 lei"}};
        for (const auto& f : files) {
            QTextDocument doc;
            QVERIFY(RtfReader().readFile(kData + QLatin1String(f.name) + u".rtf"_s, doc));
            QFile txt(kData + QLatin1String(f.name) + u".txt"_s);
            QVERIFY(txt.open(QIODevice::ReadOnly));
            const QString expected = collapsed(QString::fromUtf8(txt.readAll()).remove(QString::fromUtf8(f.deleted)));
            QString got = collapsed(doc.toPlainText());
            QVERIFY(!*f.notInExport || got.contains(QString::fromUtf8(f.notInExport)));
            QCOMPARE(got.remove(QString::fromUtf8(f.notInExport)), expected);
            if (QByteArray(f.name) != "imputernicire")
                continue;
            const QTextCharFormat small = formatOf(doc, u"cu majuscule mici"_s);
            QVERIFY(small.fontCapitalization() == QFont::AllUppercase && small.fontPointSize() < 12);
            QVERIFY(small.boolProperty(RtfDocumentWriter::kSmallCapitals));
            QCOMPARE(formatOf(doc, u"majuscule"_s).fontCapitalization(), QFont::AllUppercase);
            QCOMPARE(formatOf(doc, u"text eviden\u021Biat"_s).background().color(), QColor(255, 255, 0));
            QCOMPARE(blockStarting(doc, u"R"_s).blockFormat().lineHeight(), 150.0);
            const QTextBlockFormat tabs = blockStarting(doc, u"Client"_s).blockFormat();
            QCOMPARE(tabs.tabPositions().value(0).type, QTextOption::CenterTab);
            QCOMPARE(tabs.tabPositions().value(1).type, QTextOption::RightTab);
            QCOMPARE(tabs.property(RtfDocumentWriter::kTabLeaders).toList().value(0).toInt(), int('.'));
        }

        // Without the numbers the word processor wrote, the list definitions
        // give the same numbers and bullets.
        QFile file(kData + u"contract_tabel.rtf"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString rtf = QString::fromLatin1(file.readAll());
        QVERIFY(rtf.contains(u"{\\listtext"_s));
        rtf.remove(QRegularExpression(u"\\{\\\\listtext[^{}]*\\}"_s));
        QVERIFY(!rtf.contains(u"{\\listtext"_s));
        QCOMPARE(collapsed(readRtf(rtf.toLatin1())->toPlainText()),
                 collapsed(readRtf(file.seek(0) ? file.readAll() : QByteArray())->toPlainText()));

        QTextDocument doc;
        QVERIFY(RtfReader().readFile(kData + u"contract_tabel.rtf"_s, doc));
        QCOMPARE(formatOf(doc, u"2"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(blockStarting(doc, u"Semn"_s).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
        const QList<QTextTable*> tables = tablesOf(doc.rootFrame());
        QCOMPARE(tables.size(), 2);
        QTextTable* t = tables[0];
        QCOMPARE(t->rows(), 5);
        const struct {
            int row, column, rowSpan, columnSpan;
            const char* text;
        } cells[] = {{0, 0, 1, 1, "Nr."},          {0, 2, 1, 1, "Valoare"},   {1, 1, 1, 1, "Canapea\nculoare gri"},
                     {2, 0, 1, 2, "Total bunuri"}, {2, 2, 1, 1, "1.200 lei"}, {3, 0, 2, 1, "2"},
                     {4, 2, 1, 1, "150 lei"}};
        for (const auto& c : cells) {
            QCOMPARE(cellText(t, c.row, c.column), QString::fromUtf8(c.text));
            QCOMPARE(t->cellAt(c.row, c.column).rowSpan(), c.rowSpan);
            QCOMPARE(t->cellAt(c.row, c.column).columnSpan(), c.columnSpan);
        }
        // The word processor put the nested table after "300 lei", in that cell.
        QCOMPARE(cellText(tables[1], 0, 1), u"scaun B"_s);
        const QTextTableCell holder = t->cellAt(tables[1]->firstPosition());
        QCOMPARE(QList<int>({holder.row(), holder.column()}), QList<int>({3, 2}));
    }

    void headersFootersAndNotesPrinted()
    {
        QTextEdit box; // shown in the viewer, as the templates are
        auto* read = new QTextDocument(&box);
        QVERIFY(RtfReader().readFile(kData + u"contract_antet.rtf"_s, *read));
        box.setDocument(read);
        QTextDocument& doc = *box.document();
        QVERIFY(collapsed(doc.toPlainText()).endsWith(u"1 Legea 286/2009."_s));
        QCOMPARE(formatOf(doc, u"1"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        const PageDecoration* d = PageDecoration::of(doc);
        QVERIFY(d && d->header() && d->footer());
        QTemporaryDir dir;
        const QStringList pages = printedPages(doc, dir.filePath(u"antet.pdf"_s));
        if (pages.isEmpty())
            QSKIP("no PDF text tool");
        QCOMPARE(pages.size(), 2);
        for (int p = 0; p < 2; ++p) {
            QVERIFY2(pages[p].contains(u"Cabinet de avocatur"_s), qPrintable(pages[p]));
            QVERIFY(collapsed(pages[p]).contains(u"Pagina %1 din 2"_s.arg(p + 1)));
        }
        QVERIFY(pages[1].contains(u"Pagina a doua"_s) && !pages[0].contains(u"Pagina a doua"_s));
        // A title page has its own header and footer, empty when not given.
        auto title = readRtf(body("\\titlepg{\\headerf PRIMA}{\\header ANTET}{\\footer subsol \\chpgn}unu\\page doi"));
        const QStringList titled = printedPages(*title, dir.filePath(u"title.pdf"_s));
        QCOMPARE(titled.size(), 2);
        QVERIFY(titled[0].contains(u"PRIMA"_s) && !titled[0].contains(u"ANTET"_s) && !titled[0].contains(u"subsol"_s));
        QVERIFY(titled[1].contains(u"ANTET"_s) && collapsed(titled[1]).contains(u"subsol 2"_s));

        // Another text in the same document leaves the header behind.
        doc.setPlainText(u"alt act"_s);
        QCoreApplication::processEvents();
        QVERIFY(!PageDecoration::of(doc));
    }

    void snippetsText()
    {
        const QByteArray list = "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1"
                                "{\\leveltext\\'02\\'00.;}\\f0}{\\listlevel\\levelnfc4\\levelstartat1{\\leveltext"
                                "\\'03\\'00.\\'01;}}\\listid7}{\\list{\\listlevel\\levelnfc23\\f2{\\leveltext"
                                "\\'01\\'a7;}}\\listid8}}{\\listoverridetable{\\listoverride\\listid7\\ls1}"
                                "{\\listoverride\\listid8\\ls2}}";
        const struct {
            QByteArray rtf;
            const char* text;
        } cases[] = {
            {body("Pretul este de {\\deleted 3.000 lei}{\\revised 3.500 lei}."), "Pretul este de 3.500 lei."},
            {body("a{\\v NOTA INTERNA }b{\\deleted sters\\par}c\\par{\\deleted\\par}d"), "abc\nd"},
            {body("Art. 1{\\super\\chftn{\\*\\footnote\\pard{\\super\\chftn} Legea 287/2009.}} si 2{\\super\\chftn"
                  "{\\*\\footnote\\ftnalt\\pard{\\super\\chftn} Nota finala.}}\\par"),
             "Art. 11 si 2i\n\n1 Legea 287/2009.\ni Nota finala.\n"},
            {body(list + "\\pard\\ls1 Obiect\\par\\pard\\ls1\\ilvl1 detaliu\\par\\pard\\ls1\\ilvl1 altul\\par"
                         "\\pard\\ls1 Durata\\par\\pard\\ls2 garantie\\par"),
             "1.\tObiect\n1.a\tdetaliu\n1.b\taltul\n2.\tDurata\n\u25aa\tgarantie\n"},
            {body(list + "\\pard\\ls1{\\listtext 7)\\tab}scris\\par"), "7)\tscris\n"},
            {body("{\\f1 \\'b7 a\\'b1}{\\f2 \\'fc\\'a7}\\u61623?\\u61607?"),
             "\u2022 \u03b1\u00b1\u2713\u25aa\u2022\u2663"},
            {body("x{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 255}}{\\shptxt caseta}}}{\\shprslt vechi}y"),
             "xcasetay"},
            {"{\\rtf1\\ansi{\\fonttbl{\\f0\\froman{\\*\\panose 02020603050405020304}Times New Roman;}\\\n"
             "{\\f1 Arial;}}{\\colortbl;\\\n\\red1;}text}",
             "text"},
            {"{\\rtf1\\ansi\\ansicpg65001 \\'c4{}\\'83 \\'c8\\b\\'9b}", "\u0103 \u021b"},
            {body("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\\pard dupa"), "\na\nb\ndupa"},
        };
        for (const auto& c : cases) {
            const QString text = readRtf(c.rtf)->toPlainText();
            QCOMPARE(text, QString::fromUtf8(c.text));
        }
    }

    void snippetsFormats()
    {
        auto doc = readRtf(body("m{\\super 2} 10{\\up6 3} H{\\sub 2}-{\\dn4 o}{\\caps caps}{\\scaps Mici}"
                                "{\\highlight1 galben}\\par\\pard\\sl360\\slmult1 rand\\par"
                                "\\pard\\li720\\fi-360\\tqc\\tldot\\tx4320\\tqr\\tx8640 tab\\par"
                                "\\sect\\sectd\\sbkpage sectiune\\par\\sect\\sectd\\sbknone continua\\par"
                                "\\pard\\pagebb inainte\\par"));
        QTextDocument& d = *doc;
        QCOMPARE(formatOf(d, u"2"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatOf(d, u"3"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatOf(d, u"o"_s).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QCOMPARE(formatOf(d, u"caps"_s).fontCapitalization(), QFont::AllUppercase);
        // Small capitals: capitals as written, small letters as smaller capitals.
        QCOMPARE(formatOf(d, u"M"_s).fontPointSize(), 12.0);
        QCOMPARE(formatOf(d, u"ici"_s).fontPointSize(), 9.6);
        QCOMPARE(formatOf(d, u"ici"_s).fontCapitalization(), QFont::AllUppercase);
        QCOMPARE(formatOf(d, u"galben"_s).background().color(), QColor(255, 255, 0));
        QCOMPARE(formatOf(d, u"10"_s).verticalAlignment(), QTextCharFormat::AlignNormal);
        const QTextBlockFormat line = blockStarting(d, u"rand"_s).blockFormat();
        QCOMPARE(line.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(line.lineHeight(), 150.0);
        // From the margin: the first line starts at 360 twips, so the hanging
        // indent's stop is 360 twips on and the centred one 3960.
        const QTextBlockFormat tabs = blockStarting(d, u"tab"_s).blockFormat();
        const QList<QTextOption::Tab> stops = tabs.tabPositions();
        QCOMPARE(stops.size(), 3);
        QCOMPARE(stops[0].position, 24.0);
        QCOMPARE(stops[1].position, 264.0);
        QCOMPARE(stops[1].type, QTextOption::CenterTab);
        QCOMPARE(stops[2].type, QTextOption::RightTab);
        QCOMPARE(tabs.property(RtfDocumentWriter::kTabLeaders).toList().value(1).toInt(), int('.'));
        const struct {
            const char* start;
            bool breaks;
        } breaks[] = {{"sectiune", true}, {"continua", false}, {"inainte", true}, {"rand", false}};
        for (const auto& b : breaks)
            QCOMPARE(blockStarting(d, QString::fromLatin1(b.start)).blockFormat().pageBreakPolicy() ==
                         QTextFormat::PageBreak_AlwaysBefore,
                     b.breaks);

        auto table = readRtf(body("\\trowd\\trleft0\\cellx1500\\clmgf\\cellx3000\\clmrg\\cellx4500\\pard\\intbl "
                                  "a\\cell b\\cell\\cell\\row\\trowd\\cellx1500\\cellx3000\\cellx4500\\pard\\intbl "
                                  "c\\cell d\\cell e\\cell\\row\\pard"));
        QTextTable* t = tablesOf(table->rootFrame()).value(0);
        QVERIFY(t);
        QCOMPARE(t->cellAt(0, 1).columnSpan(), 2);
        QCOMPARE(cellText(t, 1, 2), u"e"_s);
        QCOMPARE(t->format().columnWidthConstraints().value(0).rawValue(), 100.0); // 1500 twips

        auto panose = readRtf("{\\rtf1{\\fonttbl{\\f0{\\*\\panose 0202}Times New Roman;}}\\f0 t}");
        QCOMPARE(formatOf(*panose, u"t"_s).fontFamilies().toStringList(), QStringList{u"Times New Roman"_s});

        // A nested table opening its cell stays in that cell.
        auto nested = readRtf(body("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell\\itap2 x\\nestcell y"
                                   "\\nestcell{\\*\\nesttableprops\\trowd\\cellx500\\cellx900\\nestrow}"
                                   "{\\nonesttables\\par}\\itap1 z\\cell\\row\\pard"));
        const QList<QTextTable*> both = tablesOf(nested->rootFrame());
        QCOMPARE(both.size(), 2);
        QCOMPARE(both[0]->cellAt(both[1]->firstPosition()).column(), 1);
        QCOMPARE(cellText(both[1], 0, 1), u"y"_s);
        QVERIFY(cellText(both[0], 0, 1).endsWith(u"z"_s));
    }

    // Random mixtures of the constructs above, with fixed seeds: each result
    // is checked. Plain text with no control characters reads back as it
    // is; a soup of tables, notes, lists and headers reads without a
    // failure, with every symbol mapped and every letter of it kept.
    void fuzzConstructs()
    {
        const int asked = qEnvironmentVariableIntValue("TARVENOR_FUZZ_CASES");
        const int cases = asked > 0 ? asked : 300;
        const QByteArray pieces[] = {"{",
                                     "}",
                                     "\\cell ",
                                     "\\row ",
                                     "\\intbl ",
                                     "\\trowd\\cellx900 ",
                                     "\\clvmrg ",
                                     "\\clmrg ",
                                     "\\itap2 ",
                                     "\\nestcell ",
                                     "{\\*\\nesttableprops\\trowd\\cellx500\\nestrow}",
                                     "\\pard ",
                                     "\\par ",
                                     "{\\*\\footnote ",
                                     "\\chftn ",
                                     "{\\header ",
                                     "{\\footer ",
                                     "\\ls1 ",
                                     "\\ilvl9 ",
                                     "{\\listtext ",
                                     "\\v ",
                                     "\\deleted ",
                                     "\\sect ",
                                     "\\sbkpage ",
                                     "\\pagebb ",
                                     "\\super ",
                                     "{\\field{\\*\\fldinst PAGE}{\\fldrslt ",
                                     "{\\shp{\\*\\shpinst{\\shptxt ",
                                     "{\\f2 \\'a7}",
                                     "\\u61623?",
                                     "\\tqr\\tldot\\tx500 ",
                                     "\\fi-300\\li600 ",
                                     "\\tab ",
                                     "word "};
        QRandomGenerator rng(20071207);
        const QByteArray letters = "abcdefghijklmnopqrstuvwxyz ABCXYZ0123456789.,;:-()!?'\"/%+=*&#@\t";
        for (int i = 0; i < cases; ++i) {
            QByteArray plain;
            for (int k = int(rng.bounded(200)); k > 0; --k)
                plain += letters[int(rng.bounded(int(letters.size())))];
            const QString read = readRtf("{\\rtf1\\ansi " + plain + "}")->toPlainText();
            QVERIFY2(read == QString::fromLatin1(plain), plain.constData());

            QByteArray soup;
            int words = 0;
            int open = 0; // the document's own group is never closed early
            for (int k = int(rng.bounded(80)); k > 0; --k) {
                const QByteArray& p = pieces[rng.bounded(int(std::size(pieces)))];
                if (open + int(p.count('{')) - int(p.count('}')) < 0)
                    continue;
                open += int(p.count('{')) - int(p.count('}'));
                words += p == "word ";
                soup += p;
            }
            QTextDocument doc;
            QVERIFY(RtfReader().read(body(soup), doc));
            const QString text = doc.toPlainText();
            for (const QChar c : text)
                QVERIFY2(c.unicode() < 0xF000 || c.unicode() > 0xF0FF, soup.constData());
            for (QTextTable* t : tablesOf(doc.rootFrame()))
                QVERIFY(t->columns() <= 64);
            // Hidden or deleted text and the headers may take some words; the
            // rest are all there, in the text or its notes.
            const int found = int(text.count(u"word"_s));
            const int inHeaders = PageDecoration::of(doc) ? 1 : 0;
            QVERIFY2(found <= words && (words == 0 || found > 0 || soup.contains("\\v") || soup.contains("\\deleted") ||
                                        soup.contains("{\\header") || soup.contains("{\\footer") ||
                                        soup.contains("fldinst") || inHeaders),
                     soup.constData());
        }
    }

    // Work per format change stays constant: a paragraph of many changes
    // is one edit block, so the reader never lays the paragraph out again.
    void manyChangesInOneParagraph()
    {
        QByteArray rtf = "{\\rtf1\\ansi ";
        for (int i = 0; i < 50000; ++i)
            rtf += i % 2 ? "\\b x" : "\\b0 y";
        QTextDocument doc;
        int changes = 0;
        connect(&doc, &QTextDocument::contentsChange, this, [&changes] { ++changes; });
        QVERIFY(RtfReader().read(rtf + "}", doc));
        QCOMPARE(doc.characterCount(), 50001);
        QVERIFY2(changes <= 2, qPrintable(QString::number(changes)));
    }
};

QTEST_MAIN(RtfDocumentsTest)
#include "test_rtf_documents.moc"
