#include "controls/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

QFont uiFont(const QString& family, double pointSize, bool bold)
{
    static const QStringList installed = QFontDatabase::families();
    QFont f(installed.contains(family, Qt::CaseInsensitive) ? family : QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
