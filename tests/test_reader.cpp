// The act viewer as a reader, through the window: bold headings over the
// unchanged text, the heading list and Ctrl+G, links between acts with their
// history, the citation on copy, saving, and the corpus of references.
#include "support/TestSupport.h"

#include "catalogue/ActViewer.h"
#include "shell/ListColumns.h"
#include "store/modDB.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QtTest>

#include <zlib.h>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

struct Act {
    int id;
    const char* type;
    const char* number;
    const char* date; // dd-mm-yyyy
    QString title;
    QString text = u"text"_s;
};

void addActs(FormFixture& f, const std::vector<Act>& acts)
{
    for (const Act& a : acts) {
        const QString date = QLatin1String(a.date);
        f.program.exec(u"INSERT INTO Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, Continut, "
                       "nract) VALUES (%1, %2, '%3', '%4', '%5', 'parlamentul', '%6', %7, '%8')"_s.arg(a.id)
                           .arg(quoted(a.title), date.right(4), date, QString::number(a.id + 71), QLatin1String(a.type),
                                quoted(a.text), QLatin1String(a.number)));
    }
    f.restart();
    f.form().show();
    f.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form()));
}

void open(FormFixture& f, int id)
{
    f.ui().List1->selectRow(int(listColumn(*f.ui().List1, ActColumn::Id).indexOf(QString::number(id))));
    f.form().List1_DblClick();
}

void key(FormFixture& f, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    // A modal question just closed may have left no window active.
    f.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.form()));
    f.ui().textlege->setFocus();
    QTest::keyClick(f.ui().textlege, Qt::Key(k), modifiers);
}

// Ctrl+G, answering its question with `answer`.
void jump(FormFixture& f, const QString& answer)
{
    auto* poll = new QTimer(&f.form());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            dialog->setTextValue(answer);
            dialog->accept();
        }
    });
    poll->start(10);
    key(f, Qt::Key_G, Qt::ControlModifier);
}

int topBlock(FormFixture& f)
{
    return f.ui().textlege->cursorForPosition(QPoint(2, 2)).blockNumber();
}

int readingPlace(FormFixture& f)
{
    return f.ui().textlege->cursorForPosition(QPoint(0, 0)).position();
}

// Every link of the shown act, as "block|text|href", pieces of one link joined.
QStringList links(FormFixture& f)
{
    QStringList out;
    for (QTextBlock b = f.ui().textlege->document()->begin(); b.isValid(); b = b.next()) {
        QString text, href;
        auto flush = [&] {
            if (!href.isEmpty())
                out << u"%1|%2|%3"_s.arg(b.blockNumber()).arg(text, href);
            text.clear();
            href.clear();
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString h = it.fragment().charFormat().anchorHref();
            if (h != href)
                flush();
            href = h;
            text += it.fragment().text();
        }
        flush();
    }
    return out;
}

bool boldAt(FormFixture& f, int position)
{
    QTextCursor c(f.ui().textlege->document());
    c.setPosition(position + 1);
    return c.charFormat().fontWeight() >= QFont::Bold;
}

// A stored entry of a zip file (an ODF document), inflated.
QByteArray zipEntry(const QByteArray& zip, const QByteArray& name)
{
    auto u16 = [&](qsizetype at) { return uint(uchar(zip[at])) | uint(uchar(zip[at + 1])) << 8; };
    auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    for (qsizetype at = zip.indexOf("PK\x03\x04"); at >= 0; at = zip.indexOf("PK\x03\x04", at + 4)) {
        const qsizetype data = at + 30 + u16(at + 26) + u16(at + 28);
        if (zip.mid(at + 30, u16(at + 26)) != name)
            continue;
        const QByteArray packed = zip.mid(data, u32(at + 18));
        if (u16(at + 8) == 0)
            return packed;
        QByteArray out(qsizetype(u32(at + 22)), '\0');
        z_stream z{};
        inflateInit2(&z, -MAX_WBITS);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
        z.avail_in = uInt(packed.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        const int rc = inflate(&z, Z_FINISH);
        inflateEnd(&z);
        return rc == Z_STREAM_END ? out : QByteArray();
    }
    return {};
}

QString filler(int lines)
{
    QStringList out;
    for (int i = 1; i <= lines; ++i)
        out << u"Textul alineatului %1, fara vreo trimitere."_s.arg(i);
    return out.join(u'\n');
}

} // namespace

class ReaderTest : public QObject {
    Q_OBJECT

private slots:
    void headingsListAndJump()
    {
        const QString longArticle = u"Art. 1. - (1) "_s + QString(80, u'x');
        // Heading lines (with their list entry) and lines that only look like one.
        const QStringList headings =
            utf8List({"TITLUL I", "CAPITOLUL II", "Secțiunea 1 - Contractul", "Sectiunea a 2-a", "Articolul 41",
                      "ANEXA nr. 2", "Art. 41^1 Text adaugat", "Capitolul IV"});
        const QStringList plain = utf8List(
            {"art. c) nu este un titlu", "Artele frumoase 5", "Anexa", "Dispoziții generale", "Capitolele 3 si 4"});
        QStringList lines{longArticle};
        for (int i = 0; i < headings.size(); ++i)
            lines << plain.value(i) << headings[i] << filler(30);
        const QString content = lines.join(u'\n');
        FormFixture f;
        addActs(f, {{1, "lege", "5", "01-01-2005", u"Actul"_s, content}});
        Controls& u = f.ui();
        open(f, 1);
        QCOMPARE(u.textlege->toPlainText(), ActViewer::composeText(u"Actul"_s, content));

        // Bold: each heading line whole, only the opening of a long article, nothing else.
        QTextDocument* doc = u.textlege->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const bool heading = headings.contains(b.text());
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QVERIFY2((it.fragment().charFormat().fontWeight() >= QFont::Bold) == heading || b.text() == longArticle,
                         qPrintable(b.text()));
        }
        const int article = doc->find(longArticle).selectionStart();
        QVERIFY(boldAt(f, article) && boldAt(f, article + 7) && !boldAt(f, article + 10));

        // The list: one entry per heading, in order; shown with the act viewer only.
        QStringList entries;
        for (int i = 0; i < u.articole->count(); ++i)
            entries << u.articole->itemText(i);
        QVERIFY(entries.size() == headings.size() + 1 && entries[0].startsWith(u"Art. 1. - (1) xxx"_s));
        QCOMPARE(entries.mid(1), headings);
        QVERIFY(!u.articole->isHidden() && !u.salveaza->isHidden());
        for (QWidget* w : f.form().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w != u.articole && w != u.salveaza && !qobject_cast<QMenu*>(w))
                QVERIFY2(!w->geometry().intersects(u.articole->geometry()) &&
                             !w->geometry().intersects(u.salveaza->geometry()),
                         qPrintable(w->objectName()));

        // Choosing an entry or Ctrl+G puts the heading at the top.
        const auto blockOf = [&](const QString& text) { return doc->find(text).blockNumber(); };
        u.articole->setCurrentIndex(int(entries.indexOf(u"Capitolul IV"_s)));
        QCOMPARE(topBlock(f), blockOf(u"Capitolul IV"_s));
        jump(f, u"41"_s);
        QCOMPARE(topBlock(f), blockOf(u"Articolul 41"_s));
        jump(f, u"art. 41^1"_s);
        QCOMPARE(topBlock(f), blockOf(u"Art. 41^1"_s));
        jump(f, u"99"_s);
        QCOMPARE(f.dialogs.messages, QStringList{u"Articolul 99 nu exista in acest act."_s});

        // Hidden on every other screen, the templates included.
        f.form().Agenda_Click();
        QVERIFY(u.articole->isHidden() && u.salveaza->isHidden());
        f.form().Inapoi_Click();
        QVERIFY(u.articole->isHidden());
        f.form().Contracte_Click();
        u.List3->selectRow(0);
        f.form().List3_DblClick();
        QVERIFY(!u.textlege->isHidden() && u.articole->isHidden() && u.salveaza->isHidden());
    }

    void linksHistoryAndCitation()
    {
        const QString content = u"CAPITOLUL I\n"_s + filler(40) + u"\nCAPITOLUL II\n"_s + filler(3) +
                                u"\nPotrivit Legii nr. 53/2003, republicata, si Legii nr. 10/2001 sau "
                                "Legii nr. 99/1999.\n"_s +
                                filler(40);
        FormFixture f;
        addActs(f, {{1, "lege", "5", "01-01-2005", u"Actul A"_s, content},
                    {2, "lege", "53", "24-01-2003", u"Legea nr. 53/2003 - Codul muncii"_s, u"CAPITOLUL I\nText"_s},
                    {3, "lege", "10", "08-02-2001", u"Legea 10 (a)"_s},
                    {4, "lege", "10", "14-02-2001", u"Legea 10 (b)"_s}});
        Controls& u = f.ui();
        const QStringList rows = listRows(*u.List1);
        const long long calls = f.form().db().callCount();
        open(f, 1);
        QCOMPARE(f.form().db().callCount() - calls, 3); // the act, the references, the history row
        // Ambiguous (two acts) and absent references stay plain.
        const int line = u.textlege->document()->find(u"Potrivit Legii"_s).blockNumber();
        QCOMPARE(links(f), QStringList{u"%1|Legii nr. 53/2003|act:2"_s.arg(line)});

        u.articole->setCurrentIndex(1);
        const int place = readingPlace(f);
        QTextCursor at(u.textlege->document());
        at.setPosition(u.textlege->document()->find(u"Legii nr. 53"_s).selectionStart() + 3);
        QTest::mouseClick(u.textlege->viewport(), Qt::LeftButton, {}, u.textlege->cursorRect(at).center());
        QCOMPARE(u.Label11->text(), u"Legea nr. 53/2003 - Codul muncii"_s);
        QCOMPARE(joinedRows(f.program, u"select id_acte from ultimele_legi order by id"_s),
                 (QStringList{u"1"_s, u"2"_s}));
        QVERIFY(boldAt(f, u.textlege->document()->find(u"CAPITOLUL I"_s).selectionStart()));

        key(f, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(u.Label11->text(), u"Actul A"_s);
        QCOMPARE(readingPlace(f), place);
        key(f, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(u.Label11->text(), u"Legea nr. 53/2003 - Codul muncii"_s);
        key(f, Qt::Key_Right, Qt::AltModifier); // nothing further
        key(f, Qt::Key_Left, Qt::AltModifier);
        // Enter on a link follows it too.
        at = QTextCursor(u.textlege->document());
        at.setPosition(u.textlege->document()->find(u"Legii nr. 53"_s).selectionStart() + 3);
        u.textlege->setTextCursor(at);
        key(f, Qt::Key_Return);
        QCOMPARE(u.Label11->text(), u"Legea nr. 53/2003 - Codul muncii"_s);
        QCOMPARE(f.program.count(u"ultimele_legi"_s), 3);

        // The copied passage carries the citation, in both clipboard forms.
        at = QTextCursor(u.textlege->document());
        at.setPosition(0);
        at.setPosition(11, QTextCursor::KeepAnchor);
        u.textlege->setTextCursor(at);
        key(f, Qt::Key_C, Qt::ControlModifier);
        const QString cite = u"Legea nr. 53/2003 - Codul muncii, publicat in Monitorul Oficial nr. 73/2003"_s;
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), u"Legea nr. 5\n"_s + cite);
        QVERIFY(copied->html().contains(cite) && copied->html().contains(u"Legea nr. 5"_s));
        // The same through the context menu's "Copy".
        QGuiApplication::clipboard()->clear();
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            menu->findChild<QAction*>(u"edit-copy"_s)->trigger();
            menu->close();
        });
        QContextMenuEvent menuAt(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 u.textlege->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(u.textlege->viewport(), &menuAt);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Legea nr. 5\n"_s + cite);

        f.form().Inapoi_Click();
        QCOMPARE(listRows(*u.List1), rows);
        // A template copies its text alone.
        f.form().Contracte_Click();
        u.List3->selectRow(0);
        f.form().List3_DblClick();
        u.textlege->selectAll();
        key(f, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u.textlege->textCursor().selection().toPlainText());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void savingInEachFormat()
    {
        FormFixture f;
        addActs(f, {{1, "lege", "53", "24-01-2003", u"Codul muncii"_s, u"CAPITOLUL I\nRaporturile de muncă."_s}});
        open(f, 1);
        QTemporaryDir out;
        const QString text = f.ui().textlege->toPlainText();
        for (const char* name : {"act.txt", "act.odt", "act.pdf", "act"}) {
            f.dialogs.fileToSave = out.filePath(QLatin1String(name));
            key(f, Qt::Key_S, Qt::ControlModifier);
            const QString saved =
                f.dialogs.fileToSave + (QFileInfo(f.dialogs.fileToSave).suffix().isEmpty() ? u".pdf"_s : QString());
            QCOMPARE(f.dialogs.messages.takeLast(), u"Actul a fost salvat in fisierul:\r%1"_s.arg(saved));
            QFile file(saved);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            if (saved.endsWith(u".txt"_s)) {
                QCOMPARE(QString::fromUtf8(bytes), text);
            } else if (saved.endsWith(u".odt"_s)) {
                const QString content = QString::fromUtf8(zipEntry(bytes, "content.xml"));
                QVERIFY(content.contains(u"Raporturile de muncă."_s) && content.contains(u"CAPITOLUL I"_s));
                QVERIFY(content.contains(u"fo:font-weight=\"bold\""_s));
            } else {
                QVERIFY(bytes.startsWith("%PDF") && bytes.contains("/Type /Page") && bytes.trimmed().endsWith("%%EOF"));
            }
        }
        // A folder that is not there: reported, nothing written, no scratch file left.
        f.dialogs.fileToSave = out.filePath(u"lipsa/act.txt"_s);
        key(f, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.dialogs.messages.takeLast().startsWith(u"Actul nu a putut fi salvat in fisierul:\r"_s));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{u"act.odt"_s, u"act.pdf"_s, u"act.txt"_s}));
    }

    void referenceCorpus()
    {
        QFile corpus(QStringLiteral(TARVENOR_SOURCE_DIR "/tests/support/reference_corpus.tsv"));
        QVERIFY(corpus.open(QIODevice::ReadOnly));
        QStringList sentences, expected;
        for (const QString& line : QString::fromUtf8(corpus.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(u'#'))
                continue;
            sentences << line.section(u'\t', 0, 0);
            for (const QString& link : line.section(u'\t', 1).split(u'|', Qt::SkipEmptyParts))
                expected
                    << u"%1|%2|act:%3"_s.arg(sentences.size() + 3).arg(link.section(u'@', 0, 0), link.section(u'@', 1));
        }
        QVERIFY(sentences.size() >= 60);
        // The catalogue the sentences name: two acts share "Legea nr. 10/2001"; one
        // number is stored with its thousands dot.
        FormFixture f;
        addActs(f, {{1, "lege", "1", "01-01-2010", u"Culegere"_s, sentences.join(u'\n')},
                    {101, "lege", "53", "24-01-2003", u"Codul muncii"_s},
                    {102, "ordonanta de urgenta", "34", "19-04-2006", u"Achizitii"_s},
                    {103, "hotarare", "1425", "11-10-2006", u"Norme"_s},
                    {104, "decret", "31", "30-01-1954", u"Persoane"_s},
                    {105, "ordin", "12", "05-01-2004", u"Igiena"_s},
                    {106, "lege", "554", "02-12-2004", u"Contencios"_s},
                    {107, "lege", "287", "17-07-2009", u"Codul civil"_s},
                    {108, "ordonanta", "2", "12-07-2001", u"Contraventii"_s},
                    {109, "decizie", "1", "10-01-2005", u"Decizie"_s},
                    {110, "lege", "10", "08-02-2001", u"Imobile (a)"_s},
                    {111, "lege", "10", "14-02-2001", u"Imobile (b)"_s},
                    {112, "lege", "53", "01-03-2004", u"Masuri fiscale"_s},
                    {113, "lege", "31", "16-11-1990", u"Societati"_s},
                    {114, "hotarare", "1.234", "20-09-2005", u"Tarife"_s},
                    {115, "ordonanta de urgenta", "195", "12-12-2002", u"Circulatie"_s},
                    {117, "hotarare", "53", "10-02-2003", u"Comisie"_s},
                    {118, "lege", "114", "11-10-1996", u"Locuinta"_s},
                    {119, "lege", "36", "12-05-1995", u"Notari"_s}});
        open(f, 1);
        const QStringList found = links(f);
        qsizetype right = 0;
        for (const QString& link : found)
            right += expected.contains(link) ? 1 : 0;
        const double precision = found.isEmpty() ? 0 : double(right) / double(found.size());
        const double recall = double(right) / double(expected.size());
        qInfo("reference corpus: %lld sentences, %lld expected links, %lld found, precision %.3f, recall %.3f",
              qlonglong(sentences.size()), qlonglong(expected.size()), qlonglong(found.size()), precision, recall);
        for (const QString& link : found)
            if (!expected.contains(link))
                qWarning("unexpected: %s", qPrintable(link));
        for (const QString& link : expected)
            if (!found.contains(link))
                qWarning("missed: %s", qPrintable(link));
        QVERIFY(precision >= 0.95 && recall >= 0.95);
    }
};

QTEST_MAIN(ReaderTest)
#include "test_reader.moc"
