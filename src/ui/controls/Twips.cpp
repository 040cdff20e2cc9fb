#include "ui/controls/Twips.h"

#include <QStringList>

#include <QFontDatabase>

QFont uiFont(const QString& family, double pointSize, bool bold)
{
    static const QStringList installed = QFontDatabase::families();
    QFont f(installed.contains(family, Qt::CaseInsensitive) ? family : QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
