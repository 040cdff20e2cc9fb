#pragma once

#include "controls/ShortDate.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/WindowState.h"

#include <QDate>
#include <QString>

class modDB;
class QPrinter;
class QWidget;

// What every subsystem of the window works with: its controls, its state, the
// store, the dialogs, the program folder and the calendar.
struct AppContext {
    Controls& ui;
    WindowState& state;
    modDB& db;
    QWidget* window;
    QString programDir;
    Dialogs* dialogs = nullptr;
    ShortDate dates;
    QDate fixedToday;            // tests fix "today"; invalid means the system clock
    QPrinter* printer = nullptr; // tests print to a PDF printer; null means the default printer

    QDate today() const { return fixedToday.isValid() ? fixedToday : QDate::currentDate(); }
    void message(const QString& text) const { dialogs->message(window, text); }
};
