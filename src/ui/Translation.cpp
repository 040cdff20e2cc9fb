#include "ui/Translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Translation {

bool installToolkitRomanian()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    const QString name = QStringLiteral("tarvenor_qt_ro");
    if (app->findChild<QTranslator*>(name))
        return true; // several windows in one process load it once
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (!translator->load(QStringLiteral(":/translations/qt_ro.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace Translation
