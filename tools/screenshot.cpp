// Renders the main window offscreen into one PNG per screen, for looking at
// the layout: screenshot [programDir] [outputDir]. The program folder is
// copied first, so opening an act never writes into the real database.
#include "shell/AppContext.h"
#include "shell/Dialogs.h"
#include "shell/Navigation.h"
#include "ui/Form1.h"
#include "ui/WindowArt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Messages are printed instead of shown, so the tool never waits for a click.
class PrintedDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString& text) override { std::printf("message: %s\n", qPrintable(text)); }
    bool question(QWidget*, const QString& text) override
    {
        std::printf("question: %s\n", qPrintable(text));
        return false;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

bool copyFolder(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists())
        return true;
    QDir().mkpath(to);
    for (const QFileInfo& fi : source.entryInfoList(QDir::Files))
        if (!QFile::copy(fi.filePath(), to + QLatin1Char('/') + fi.fileName()))
            return false;
    return true;
}

bool save(Form1& form, const QString& dir, const char* name)
{
    QApplication::processEvents();
    const QString path = dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    const bool ok = form.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString programDir =
        args.size() > 1 ? args.at(1) : QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const QString outDir = args.size() > 2 ? args.at(2) : programDir + QStringLiteral("/screenshots");
    QDir().mkpath(outDir);

    QTemporaryDir scratch;
    if (!scratch.isValid() || !copyFolder(programDir + QStringLiteral("/db"), scratch.path() + QStringLiteral("/db")) ||
        !copyFolder(programDir + QStringLiteral("/Docs"), scratch.path() + QStringLiteral("/Docs"))) {
        std::fprintf(stderr, "cannot copy the program folder %s\n", qPrintable(programDir));
        return 1;
    }

    PrintedDialogs dialogs;
    Form1 form(scratch.path(), nullptr, &dialogs);
    form.show();
    Controls& u = form.controls();
    Navigation nav(form.context());
    bool ok = WindowArt::picture().save(outDir + QStringLiteral("/background.png"));
    // The menu band at twice its size, to judge the buttons' drawing.
    ok &= WindowArt::picture()
              .copy(0, 0, WindowArt::kWidth, 140)
              .scaled(2 * WindowArt::kWidth, 280, Qt::KeepAspectRatio, Qt::SmoothTransformation)
              .save(outDir + QStringLiteral("/menu-band-zoom.png"));

    ok &= save(form, outDir, "1-search");

    if (u.List1->Count() > 0) {
        u.List1->selectRow(0);
        form.List1_DblClick();
        if (u.textlege->isHidden()) {
            // Without a working viewer, still show its layout.
            nav.openActViewerFromList(u.List1->SubItem(0, 1));
            u.textlege->setText(QStringLiteral("Textul actului apare aici."));
            nav.showActViewer();
        }
    }
    ok &= save(form, outDir, "2-act-viewer");

    form.Contracte_Click();
    ok &= save(form, outDir, "3-template-list");

    form.Agenda_Click();
    ok &= save(form, outDir, "4-agenda");

    form.Label18_Click();
    if (u.Frame3->isHidden())
        nav.showEventPanelForAdding();
    ok &= save(form, outDir, "5-event-panel");

    form.deftip_Click();
    ok &= save(form, outDir, "6-event-type-panel");

    return ok ? 0 : 1;
}
