// The contract templates through the window: the list, opening each file
// with its formatting, going back, printing, and files that cannot be read.
#include "catalogue/Printing.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QtTest>

using namespace testsupport;

namespace {

struct Expected {
    const char* name;   // the file is this + ".rtf"
    const char* title;  // first line of the document
    const char* phrase; // a line further down
};

const Expected kTemplates[] = {
    {"Contract de donatie", "CONTRACT DE DONAȚIE", "în calitate de DONATOR"},
    {"Contract de inchiriere locuinte", "CONTRACT DE ÎNCHIRIERE A LOCUINȚEI", "denumit(ă) în continuare CHIRIAȘ"},
    {"Contract de sponsorizare", "CONTRACT DE SPONSORIZARE", "Legii nr. 32/1994 privind sponsorizarea"},
};

bool anyBold(const QTextBlock& b)
{
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().fontWeight() >= QFont::Bold)
            return true;
    return false;
}

void open(FormFixture& f, int row)
{
    f.ui().List3->selectRow(row);
    f.form().List3_DblClick();
}

} // namespace

class TemplatesTest : public QObject {
    Q_OBJECT

private slots:
    void listIsRebuiltOnEveryChoice()
    {
        FormFixture f;
        Controls& u = f.ui();
        f.form().LegiFav_Click();
        QVERIFY(f.form().FavMode);
        f.form().Contracte_Click();
        f.form().Contracte_Click();
        QVERIFY(!f.form().FavMode);
        QCOMPARE(listRows(*u.List3),
                 QStringList({QStringLiteral("|Contract de donatie|Contract de donatie.rtf|"),
                              QStringLiteral("|Contract de inchiriere locuinte|Contract de inchiriere locuinte.rtf|"),
                              QStringLiteral("|Contract de sponsorizare|Contract de sponsorizare.rtf|")}));
        const QStringList headers{QStringLiteral("id"), QStringLiteral("Contract Tip"), QStringLiteral("Tip Act"),
                                  QStringLiteral("id_lege")};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(u.List3->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(u.List3->isColumnHidden(c), c != 1);
        }
        QVERIFY(!u.List3->isHidden() && u.List1->isHidden());

        // A double-click with no row chosen opens nothing.
        u.List3->setCurrentIndex(QModelIndex());
        f.form().List3_DblClick();
        QVERIFY(!u.List3->isHidden() && u.textlege->isHidden());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void eachTemplateOpensWithItsFormatting()
    {
        FormFixture f;
        Controls& u = f.ui();
        f.form().Contracte_Click();
        for (int row = 0; row < 3; ++row) {
            const Expected& e = kTemplates[row];
            open(f, row);
            QVERIFY(f.dialogs.messages.isEmpty());
            QCOMPARE(u.Label11->text(), QString::fromUtf8(e.name));
            QVERIFY(!u.textlege->isHidden() && !u.Label12->isHidden() && !u.inapoi2->isHidden());
            QVERIFY(u.List3->isHidden() && u.List4->isHidden() && u.Frame1->isHidden() && u.List1->isHidden() &&
                    u.Fav->isHidden());

            QTextDocument* doc = u.textlege->document();
            const QTextBlock title = doc->firstBlock();
            QCOMPARE(title.text(), QString::fromUtf8(e.title));
            QCOMPARE(title.blockFormat().alignment(), Qt::AlignHCenter);
            QVERIFY(anyBold(title));
            QVERIFY(title.begin().fragment().charFormat().fontPointSize() > 12);
            const QString text = u.textlege->toPlainText();
            QVERIFY2(text.contains(QString::fromUtf8(e.phrase)), e.name);
            // Every model has its blanks, its headings and both signatures,
            // and no cedilla fallback or stray question mark leaks through.
            for (const char* part : {"........", "PĂRȚILE CONTRACTANTE", "DISPOZIȚII FINALE"})
                QVERIFY2(text.contains(QString::fromUtf8(part)), part);
            QVERIFY(anyBold(doc->findBlock(int(text.indexOf(QString::fromUtf8("PĂRȚILE"))))));
            QVERIFY(!text.contains(QChar(0x015F)) && !text.contains(QChar(0x0163)));
            QVERIFY(!text.contains(QLatin1Char('?')));
            QCOMPARE(doc->findBlock(int(text.indexOf(QStringLiteral("1.1.")))).blockFormat().alignment(),
                     Qt::AlignJustify);

            f.form().inapoi2_Click();
            QCOMPARE(u.List3->Count(), 3);
            QVERIFY(!u.List3->isHidden() && u.textlege->isHidden());
            QCOMPARE(u.Label11->text(), QString());
        }
    }

    void missingOrBrokenFileIsReported()
    {
        FormFixture f;
        Controls& u = f.ui();
        f.form().Contracte_Click();
        open(f, 0);
        const QDir docs(QDir(f.program.dir()).filePath(QStringLiteral("Docs")));
        const QString missing = docs.filePath(QStringLiteral("Contract de sponsorizare.rtf"));
        QVERIFY(QFile::remove(missing));
        QFile broken(docs.filePath(QStringLiteral("Contract de donatie.rtf")));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("PK\x03\x04 not a rich text file");
        broken.close();

        f.form().inapoi2_Click();
        open(f, 2);
        QCOMPARE(
            f.dialogs.messages,
            QStringList{QStringLiteral("Fisierul %1 nu poate fi deschis.").arg(QDir::toNativeSeparators(missing))});
        QVERIFY(u.textlege->document()->isEmpty()); // the previous template is not left on screen
        QVERIFY(!u.inapoi2->isHidden());
        QCOMPARE(u.Label11->text(), QStringLiteral("Contract de sponsorizare"));

        f.form().inapoi2_Click();
        open(f, 0);
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages[1].contains(QStringLiteral("Contract de donatie.rtf nu poate fi deschis.")));
        QVERIFY(u.textlege->document()->isEmpty());

        // The one still in place opens as before.
        f.form().inapoi2_Click();
        open(f, 1);
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(u.textlege->toPlainText().contains(QStringLiteral("LOCATOR")));
    }

    void templatePrintsWithItsFormatting()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
            QSKIP("pdffonts is not installed");
        FormFixture f;
        f.form().Contracte_Click();
        open(f, 1);
        QTemporaryDir tmp;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tmp.filePath(QStringLiteral("lease.pdf")));
        f.form().context().printer = &printer;
        f.form().Label12_Click();
        QVERIFY(f.dialogs.questions.isEmpty());
        auto run = [&printer](const char* tool, QStringList args) {
            QProcess p;
            p.start(QString::fromLatin1(tool), QStringList{printer.outputFileName()} + args);
            return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
        };
        const QString fonts = run("pdffonts", {});
        QVERIFY2(fonts.contains(QStringLiteral("Bold")), qPrintable(fonts)); // headings stay bold on paper
        QVERIFY(run("pdftotext", {QStringLiteral("-")}).contains(QString::fromUtf8("CHIRIAȘ")));
    }

    void buildPutsTheTemplatesBesideTheProgram()
    {
        for (const Expected& e : kTemplates)
            QVERIFY2(QFile::exists(QStringLiteral(TARVENOR_BINARY_DIR "/Docs/%1.rtf").arg(QString::fromUtf8(e.name))),
                     e.name);
    }
};

QTEST_MAIN(TemplatesTest)
#include "test_templates.moc"
