// The RTF reader: code pages, Unicode escapes, formatting, skipped
// destinations, and input that is broken, deep or large.
#include "contracts/RtfReader.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QtTest>

namespace {

std::unique_ptr<QTextDocument> readDoc(const QByteArray& rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    RtfReader().read(rtf, *doc);
    return doc;
}

QString textOf(const QByteArray& rtf)
{
    // Blocks joined by '\n', so line and paragraph ends can be told apart.
    return readDoc(rtf)->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QByteArray wrap(const QByteArray& body, const QByteArray& header = "\\ansi\\ansicpg1250\\deff0")
{
    return "{\\rtf1" + header +
           "{\\fonttbl{\\f0\\froman\\fcharset238 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

// The character format at the first occurrence of `needle`.
QTextCharFormat formatAt(QTextDocument& doc, const QString& needle)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(needle))
                return it.fragment().charFormat();
    return QTextCharFormat();
}

QTextBlock blockWith(QTextDocument& doc, const QString& needle)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.text().contains(needle))
            return b;
    return QTextBlock();
}

} // namespace

class RtfTest : public QObject {
    Q_OBJECT

private slots:
    void codePages()
    {
        // Romanian letters through code page 1250, with the cedilla forms.
        QCOMPARE(textOf(wrap("\\'e3\\'e2\\'ee\\'ba\\'fe \\'c3\\'c2\\'ce\\'aa\\'de")), QString::fromUtf8("ăâîşţ ĂÂÎŞŢ"));
        // Code page 1252 has other letters at the same bytes; undefined bytes vanish.
        QCOMPARE(textOf(wrap("\\'e9\\'80\\'93x\\'94\\'81", "\\ansi\\ansicpg1252")), QString::fromUtf8("é€“x”"));
        // A font's character set wins over the document's code page.
        QCOMPARE(textOf(wrap("\\f1 \\'e3\\f0 \\'e3", "\\ansi\\ansicpg1250")), QString::fromUtf8("ãă"));
        // Unescaped high bytes are read with the code page too.
        QCOMPARE(textOf(wrap("a\xe3z")), QString::fromUtf8("aăz"));
        // The built-in tables agree with the platform's converters where those exist.
        for (const int cp : {1250, 1252}) {
            QStringDecoder platform(QByteArray("windows-" + QByteArray::number(cp)).constData());
            if (!platform.isValid())
                continue;
            for (int b = 0xA0; b <= 0xFF; ++b) {
                const QByteArray byte(1, char(b));
                QCOMPARE(RtfReader::decode(byte, cp), QString(platform.decode(byte)));
            }
        }
    }

    void unicodeEscapes()
    {
        QCOMPARE(textOf(wrap("\\uc1\\u537\\'ba\\u539\\'fe\\u536\\'aa\\u538\\'de")), QString::fromUtf8("șțȘȚ"));
        QCOMPARE(textOf(wrap("\\uc2\\u259 ab c")), QString::fromUtf8("ă c"));
        QCOMPARE(textOf(wrap("\\uc0\\u259\\'e3")), QString::fromUtf8("ăă"));
        // A control word counts as one skipped character (its space only ends
        // it); a group end stops skipping.
        QCOMPARE(textOf(wrap("\\uc1\\u259\\endash x")), QString::fromUtf8("ăx"));
        QCOMPARE(textOf(wrap("{\\uc3\\u537 a}bc")), QString::fromUtf8("șbc"));
        // \uc is scoped to its group.
        QCOMPARE(textOf(wrap("{\\uc0 x}\\u537?y")), QString::fromUtf8("xșy"));
        // Negative values and surrogate pairs.
        QCOMPARE(textOf(wrap("\\u-10179?\\u-8704?")), QString::fromUtf8("😀"));
    }

    void paragraphsAndSymbols()
    {
        QCOMPARE(textOf(wrap("a\\par b\\line c\\tab d\\par\r\n\\\\ \\{x\\} \\~\\_\\-")),
                 QStringLiteral("a\nb") + QChar(QChar::LineSeparator) + QStringLiteral("c\td\n\\ {x} ") +
                     QChar(0x00A0) + QChar(0x2011) + QChar(0x00AD));
        QCOMPARE(textOf(wrap("\\ldblquote x\\rdblquote\\emdash\\bullet")), QString::fromUtf8("“x”—•"));
        const auto doc(readDoc(wrap("one\\par\\page two\\par")));
        QCOMPARE(blockWith(*doc, QStringLiteral("two")).blockFormat().pageBreakPolicy(),
                 QTextFormat::PageBreak_AlwaysBefore);
        QCOMPARE(blockWith(*doc, QStringLiteral("one")).blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    }

    void characterFormatting()
    {
        const auto doc(readDoc(wrap(
            "\\fs20 n{\\b B{\\i I}\\ul U\\ul0 }k\\strike S\\strike0 {\\fs36 big}{\\cf1 red}{\\f1 arial}\\plain p")));
        auto at = [&doc](const char* needle) { return formatAt(*doc, QString::fromLatin1(needle)); };
        QCOMPARE(at("n").fontPointSize(), 10.0);
        QVERIFY(at("B").fontWeight() == QFont::Bold && !at("B").fontItalic());
        QVERIFY(at("I").fontWeight() == QFont::Bold && at("I").fontItalic());
        QVERIFY(at("U").fontUnderline());
        // Leaving the group restores what was in force before it.
        QVERIFY(at("k").fontWeight() == QFont::Normal && !at("k").fontUnderline());
        QVERIFY(at("S").fontStrikeOut());
        QCOMPARE(at("big").fontPointSize(), 18.0);
        QCOMPARE(at("red").foreground().color(), QColor(255, 0, 0));
        QCOMPARE(at("arial").fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
        QCOMPARE(at("big").fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
        QCOMPARE(at("p").fontPointSize(), 12.0);
    }

    void paragraphFormatting()
    {
        const auto doc(readDoc(wrap("\\qc centre\\par\\qr right\\par\\pard\\qj\\li720\\ri360\\fi-360\\sb240\\sa120 "
                                    "just\\par\\pard plain\\par")));
        QCOMPARE(blockWith(*doc, QStringLiteral("centre")).blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(blockWith(*doc, QStringLiteral("right")).blockFormat().alignment(), Qt::AlignRight);
        const QTextBlockFormat j = blockWith(*doc, QStringLiteral("just")).blockFormat();
        QCOMPARE(j.alignment(), Qt::AlignJustify);
        QCOMPARE((QList<qreal>{j.leftMargin(), j.rightMargin(), j.textIndent(), j.topMargin(), j.bottomMargin()}),
                 (QList<qreal>{48, 24, -24, 16, 8})); // twips to pixels at 96 dpi
        const QTextBlockFormat p = blockWith(*doc, QStringLiteral("plain")).blockFormat();
        QVERIFY(p.alignment() == Qt::AlignLeft && p.leftMargin() == 0.0);
    }

    void skippedDestinations()
    {
        const QByteArray body = "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator W 1.0;}"
                                "{\\header hdr\\par}{\\*\\unknownthing zz{\\b yy}}{\\pict\\wmetafile8 0123456789abcdef}"
                                "{\\*\\bkmkstart m}vis{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"
                                "{\\object{\\*\\objdata 01}}\\bin3 {}}ible";
        QCOMPARE(textOf(wrap(body)), QStringLiteral("vislinkible"));
    }

    void wordProcessorOutput()
    {
        // The shape of what common word processors save: theme and list tables,
        // revision ids, lists with their rendered bullet text, a table.
        const QByteArray rtf =
            "{\\rtf1\\adeflang1025\\ansi\\ansicpg1250\\uc1\\adeff0\\deff0\\stshfdbch0\\deflang1048\\deflangfe1048"
            "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset238\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
            "{\\f39\\fbidi \\froman\\fcharset0\\fprq2 Times New Roman;}}"
            "{\\colortbl;\\red0\\green0\\blue0;}{\\*\\defchp \\fs22}{\\stylesheet{\\ql \\snext0 Normal;}}"
            "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext \\'01\\u-3913 ?;}}}}"
            "{\\*\\rsidtbl \\rsid123}{\\mmathPr\\mmathFont34}{\\info{\\creatim\\yr2007\\mo3}}"
            "\\paperw11906\\paperh16838\\margl1417\\margr1417\\viewkind1\\pard\\plain \\ltrpar\\qc "
            "{\\rtlch\\af0\\afs24 \\ltrch\\b\\f0\\fs28\\insrsid123 CONTRACT DE \\'ceNCHIRIERE\\par "
            "}\\pard\\plain\\qj\\f0\\fs24 {\\listtext\\pard\\plain \\'b7\\tab}Art. 1\\par"
            "\\trowd\\cellx4000\\cellx8000\\pard\\intbl A\\cell B\\cell\\row"
            "{\\*\\themedata 504b0304}{\\*\\datastore 0105}}";
        const auto doc = std::make_unique<QTextDocument>();
        QVERIFY(RtfReader().read(rtf, *doc));
        const QTextBlock title = blockWith(*doc, QStringLiteral("CONTRACT"));
        QCOMPARE(title.text(), QString::fromUtf8("CONTRACT DE ÎNCHIRIERE"));
        QCOMPARE(title.blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(formatAt(*doc, QStringLiteral("CONTRACT")).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(*doc, QStringLiteral("CONTRACT")).fontPointSize(), 14.0);
        QCOMPARE(blockWith(*doc, QStringLiteral("Art. 1")).text(), QString::fromUtf8("\u00b7\tArt. 1"));
        QCOMPARE(blockWith(*doc, QStringLiteral("A\t")).text(), QStringLiteral("A\tB\t"));
        QVERIFY(!doc->toPlainText().contains(QStringLiteral("504b")));
        QVERIFY(!doc->toPlainText().contains(QStringLiteral("Normal")));
    }

    void malformedInput()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("old"));
        QString why;
        QVERIFY(!RtfReader().read("plain text", doc, &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(doc.isEmpty()); // a refused file leaves nothing behind
        QVERIFY(!RtfReader().read(QByteArray(), doc));
        QVERIFY(!RtfReader().readFile(QStringLiteral("/nonexistent/x.rtf"), doc, &why));

        // Broken but RTF: whatever text there is comes through, nothing crashes.
        QCOMPARE(textOf("{\\rtf1 unclosed {\\b group"), QStringLiteral("unclosed group"));
        QCOMPARE(textOf("{\\rtf1 a}}}} trailing"), QStringLiteral("a"));
        QCOMPARE(textOf("{\\rtf1 x\\'"), QStringLiteral("x"));
        QCOMPARE(textOf("{\\rtf1 x\\'4"), QStringLiteral("x4"));
        QCOMPARE(textOf("{\\rtf1 x\\'zzy}"), QStringLiteral("xzzy"));
        QCOMPARE(textOf("{\\rtf1 x\\"), QStringLiteral("x"));
        QCOMPARE(textOf("{\\rtf1 \\fs99999999999999999 \\li-99999999999 a\\bin99999999999"), QStringLiteral("a"));
        QCOMPARE(textOf("{\\rtf1 {\\fonttbl{\\f0 A;}{\\f1"), QString());
        QCOMPARE(
            textOf("{\\rtf1 " + QByteArray(100, 'x').replace('x', "\\abcdefghijklmnopqrstuvwxyzabcdefghijkl") + " z}"),
            QStringLiteral("z"));
    }

    void deepNesting()
    {
        // Far beyond the depth limit: the deep part is skipped, what follows is read.
        const int depth = 200000;
        QByteArray rtf = "{\\rtf1 a";
        rtf += QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "b}";
        QElapsedTimer t;
        t.start();
        QCOMPARE(textOf(rtf), QStringLiteral("ab"));
        QVERIFY(t.elapsed() < 5000);
        // Within the limit nesting works as usual.
        QCOMPARE(textOf("{\\rtf1 " + QByteArray(150, '{') + "\\b x" + QByteArray(150, '}') + "y}"),
                 QStringLiteral("xy"));
        // Never closed: no crash, no hang.
        QCOMPARE(textOf("{\\rtf1 " + QByteArray(depth, '{') + "z"), QString());
    }

    void largeFile()
    {
        // About 5 MB of paragraphs with formatting and escapes.
        QByteArray rtf = wrap("");
        rtf.chop(1);
        const QByteArray para = "\\pard\\qj\\fi567 {\\b Art. N.} Textul articolului cu diacritice: \\'e3\\'ee\\'e2"
                                "\\u537\\'ba\\u539\\'fe si alte cuvinte pentru a umple randul de text.\\par\n";
        int paragraphs = 0;
        while (rtf.size() < 5 * 1024 * 1024) {
            rtf += para;
            ++paragraphs;
        }
        rtf += "SFARSIT}";
        QTextDocument doc;
        QElapsedTimer t;
        t.start();
        QVERIFY(RtfReader().read(rtf, doc));
        const qint64 ms = t.elapsed();
        qInfo("read %lld bytes, %d paragraphs in %lld ms", qlonglong(rtf.size()), paragraphs, qlonglong(ms));
        QCOMPARE(doc.blockCount(), paragraphs + 1);
        QCOMPARE(doc.lastBlock().text(), QStringLiteral("SFARSIT"));
        QCOMPARE(doc.firstBlock().text(), QString::fromUtf8("Art. N. Textul articolului cu diacritice: ăîâșț si alte "
                                                            "cuvinte pentru a umple randul de text."));
        QVERIFY(ms < 60000);

        RtfReader::Limits small;
        small.maxBytes = 1024;
        QString why;
        QVERIFY(!RtfReader(small).read(rtf, doc, &why));
        QVERIFY(doc.isEmpty());
    }

    // Random damage to real documents and random token soup: the reader must
    // always return, within a bounded time.
    void fuzz()
    {
        const int asked = qEnvironmentVariableIntValue("TARVENOR_FUZZ_CASES");
        const int cases = asked > 0 ? asked : 400;
        QFile f(QStringLiteral(TARVENOR_SOURCE_DIR "/Docs/Contract de donatie.rtf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray seed = f.readAll();
        const QByteArray pieces[] = {"{",     "}",     "\\",          "\\'",  "\\u",       "\\uc",       "\\*",
                                     "\\bin", "\\par", "\\b",         "\\fs", "\\fonttbl", "\\colortbl", "\\pict",
                                     "-",     "9",     "99999999999", ";",    " ",         "\\'e3",      "\\u-1",
                                     "\\f",   "\\cf",  "\\page",      "\\'",  "\r\n",      "\xff",       "\0"};
        QRandomGenerator rng(20070314);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < cases; ++i) {
            QByteArray data;
            if (i % 2 == 0) {
                data = seed;
                const int edits = 1 + int(rng.bounded(20));
                for (int e = 0; e < edits; ++e) {
                    const int at = int(rng.bounded(quint32(data.size())));
                    switch (rng.bounded(4)) {
                    case 0: data[at] = char(rng.bounded(256)); break;
                    case 1: data.insert(at, pieces[rng.bounded(int(std::size(pieces)))]); break;
                    case 2: data.remove(at, int(rng.bounded(50))); break;
                    default: data.truncate(at); break;
                    }
                    if (data.isEmpty())
                        data = "{";
                }
            } else {
                data = "{\\rtf1";
                const int n = int(rng.bounded(400));
                for (int k = 0; k < n; ++k)
                    data += pieces[rng.bounded(int(std::size(pieces)))];
            }
            QTextDocument doc;
            RtfReader().read(data, doc); // must come back; the result may be either
        }
        qInfo("%d fuzz cases in %lld ms", cases, qlonglong(t.elapsed()));
    }
};

QTEST_MAIN(RtfTest)
#include "test_rtf.moc"
