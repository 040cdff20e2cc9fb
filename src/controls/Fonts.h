#pragma once

#include <QFont>
#include <QString>

// The interface fonts: Verdana or Tahoma where installed, else DejaVu Sans at
// the same size.
QFont uiFont(const QString& family, double pointSize, bool bold = false);
