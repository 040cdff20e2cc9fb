#include "ui/Form1.h"
#include "ui/Translation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenor 2007"));
    Translation::installToolkitRomanian();
    // The program's data lives beside it: db/database.sqlite and Docs/.
    Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
