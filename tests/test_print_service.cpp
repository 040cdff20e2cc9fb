// Printing through a print service the test starts for itself: the act arrives
// whole, and each way of not printing is said and still offers the PDF.
#include "catalogue/Printing.h"
#include "support/TestSupport.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// Runs a command line (no quoting needed: no argument holds a space).
QString run(const QString& command)
{
    QProcess p;
    p.start(command.section(u' ', 0, 0), command.section(u' ', 1).split(u' ', Qt::SkipEmptyParts));
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

int pdfPages(const QString& path)
{
    return run(u"pdfinfo "_s + path).section(u"Pages:"_s, 1).section(u'\n', 0, 0).trimmed().toInt();
}

// A private print service in a temporary folder. Only root can run the PDF
// printer's backend (it writes to ~/PDF); otherwise the printer writes a file.
struct PrintService {
    QTemporaryDir dir;
    QProcess cupsd;
    QString out;
    bool hadOut = false;
    int files = 0;

    PrintService()
    {
        const QString d = dir.path();
        const auto write = [&d](const QString& name, QString text) {
            QFile f(d + u'/' + name);
            return f.open(QIODevice::WriteOnly) && f.write(text.replace(u"%1"_s, d).toUtf8()) > 0;
        };
        for (const QString& sub : {u"conf/ppd"_s, u"spool"_s, u"cache"_s, u"state"_s, u"log"_s, u"tmp"_s, u"out"_s})
            QDir(d).mkpath(sub);
        // Filters run as another user when the service runs as root.
        QFile::setPermissions(d, QFile::Permissions(0x7755));
        QFile::setPermissions(d + u"/tmp"_s, QFile::Permissions(0x7777));
        const bool backend = geteuid() == 0 && QFile::exists(u"/usr/lib/cups/backend/cups-pdf"_s);
        out = backend ? QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + u"/PDF"_s : d + u"/out"_s;
        hadOut = QDir(out).exists();
        QFile ppd(u"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"_s);
        ppd.open(QIODevice::ReadOnly);
        write(u"conf/ppd/pdf.ppd"_s,
              QString::fromLatin1(ppd.readAll())
                  .replace(u"*% cupsFilter:"_s,
                           backend ? u"*% cupsFilter:"_s : u"*cupsFilter: \"application/vnd.cups-pdf 0 -\"\n*%"_s));
        write(u"conf/cupsd.conf"_s, u"Listen %1/cups.sock\nBrowsing No\nLogLevel warn\nPreserveJobFiles Yes\n"
                                    "DefaultPolicy open\n<Policy open>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                                    "</Policy>\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"_s);
        write(u"conf/cups-files.conf"_s, u"ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                         "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                         "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                         "Printcap %1/printcap\nFileDevice Yes\n"_s);
        write(u"conf/printers.conf"_s, u"<DefaultPrinter pdf>\nDeviceURI "_s +
                                           (backend ? u"cups-pdf:/"_s : u"file://%1/out/job.pdf"_s) +
                                           u"\nState Idle\nAccepting Yes\n</DefaultPrinter>\n<Printer broken>\n"
                                           "DeviceURI serial:/dev/tarvenor-missing\nState Idle\nAccepting Yes\n"
                                           "ErrorPolicy abort-job\n</Printer>\n"_s);
        qputenv("CUPS_SERVER", QFile::encodeName(d + u"/cups.sock"_s));
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
        cupsd.start(u"/usr/sbin/cupsd"_s,
                    {u"-f"_s, u"-c"_s, d + u"/conf/cupsd.conf"_s, u"-s"_s, d + u"/conf/cups-files.conf"_s});
        for (int i = 0; i < 100 && !running(); ++i)
            QThread::msleep(100);
    }
    ~PrintService()
    {
        cupsd.terminate();
        cupsd.waitForFinished(10000);
        if (!hadOut)
            QDir().rmdir(out);
    }
    bool running() const { return run(u"lpstat -r"_s).contains(u"is running"_s); }
    QString freshFile() { return dir.filePath(u"file%1.pdf"_s.arg(++files)); }
    // Once every job is done, the PDF that arrived (moved here), if any.
    QString takeArrived()
    {
        for (int i = 0; i < 300 && !run(u"lpstat -o"_s).trimmed().isEmpty(); ++i)
            QThread::msleep(100);
        const QString from = QDir(out).entryInfoList({u"*.pdf"_s}, QDir::Files, QDir::Time).value(0).filePath();
        const QString to = freshFile();
        return !from.isEmpty() && QFile::rename(from, to) ? to : QString();
    }
};

} // namespace

class PrintServiceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrintService> m_service;

private slots:
    void initTestCase()
    {
        m_service = std::make_unique<PrintService>();
        if (!m_service->running())
            QSKIP(qPrintable(u"cupsd could not start here: "_s +
                             run(u"tail -5 "_s + m_service->dir.filePath(u"log/error_log"_s))));
    }

    void everyOutcome()
    {
        FormFixture f;
        QTextDocument& doc = *f.ui().textlege->document();
        // A page of one-line paragraphs, an empty spaced one opening page 2,
        // then one paragraph running over onto page 3.
        auto a4 = pdfPrinter(m_service->freshFile());
        const auto pages = [&](const QStringList& paragraphs) {
            f.ui().textlege->setPlainText(paragraphs.join(u'\n'));
            return Module1::countPages(doc, Module1::PageMargins{}, *a4);
        };
        QStringList paragraphs, words, tail;
        while (pages(paragraphs << (words << u"Rand%1"_s.arg(words.size())).last()) == 1) {
        }
        paragraphs.last().clear();
        words.removeLast();
        while (pages(paragraphs + QStringList{(tail << u"cuvant%1"_s.arg(tail.size())).join(u' ')}) < 3) {
        }
        QTextBlockFormat spaced;
        spaced.setTopMargin(60);
        QTextCursor(doc.findBlockByNumber(int(paragraphs.size()) - 1)).setBlockFormat(spaced);

        f.form().Label12_Click();
        QCOMPARE(f.dialogs.questions, QStringList());
        QCOMPARE(pdfPages(m_service->takeArrived()), 3);
        // The job as the service received it: every word exactly once, and
        // every page's text starting one inch (72 pt) from the paper's top.
        const QDir spool(m_service->dir.filePath(u"spool"_s));
        const QString sent = spool.filePath(spool.entryList({u"d*"_s}, QDir::Files, QDir::Time).value(0));
        const QString text = run(u"pdftotext "_s + sent + u" -"_s);
        for (const QString& word : words + tail)
            QVERIFY2(text.count(QRegularExpression(u"\\b"_s + word + u"\\b"_s)) == 1, qPrintable(word));
        QStringList tops = run(u"pdftotext -bbox "_s + sent + u" -"_s).split(u"<page"_s).mid(1);
        for (QString& top : tops)
            top = QString::number(qRound(top.section(u"yMin=\""_s, 1).section(u'"', 0, 0).toDouble()));
        QCOMPARE(tops, QStringList(3, u"72"_s));

        // What the service is told first (nothing: it stops), what the user is told.
        const QString lost = u", documentul nu a fost tiparit."_s;
        const std::pair<QString, QString> cases[] = {
            {u"cupsreject pdf"_s, u"Imprimanta \"pdf\" nu accepta lucrari"_s + lost},
            {u"cupsaccept pdf;cupsdisable pdf"_s,
             u"Imprimanta \"pdf\" este oprita: documentul asteapta si va fi tiparit cand imprimanta va fi repornita."_s},
            {u"lpadmin -d broken"_s,
             u"Lucrarea a fost oprita de serviciul de tiparire inainte de a fi tiparita"_s + lost},
            {u"lpadmin -x broken;lpadmin -x pdf"_s, u"Nu este instalata nicio imprimanta"_s + lost},
            {QString(), u"Serviciul de tiparire nu raspunde"_s + lost},
        };
        for (const auto& [commands, said] : cases) {
            for (const QString& command : commands.split(u';', Qt::SkipEmptyParts))
                run(command);
            if (commands.isEmpty())
                m_service->cupsd.terminate(), m_service->cupsd.waitForFinished(10000);
            f.dialogs.questions.clear();
            f.dialogs.answers = {true};
            f.dialogs.fileToSave = m_service->freshFile();
            f.form().Label12_Click();
            QCOMPARE(f.dialogs.questions, QStringList{said + u"\rDoriti sa salvati paginile intr-un fisier PDF?"_s});
            QCOMPARE(pdfPages(f.dialogs.fileToSave), 3);
            // Only the paused printer keeps the job, and prints it once resumed.
            run(u"cupsenable pdf"_s);
            if (m_service->running())
                QCOMPARE(pdfPages(m_service->takeArrived()), said.contains(u"asteapta"_s) ? 3 : 0);
        }
    }
};

QTEST_MAIN(PrintServiceTest)
#include "test_print_service.moc"
