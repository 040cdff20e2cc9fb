#pragma once

#include "controls/ClickLabel.h"
#include "controls/ComboBox.h"
#include "controls/ListView.h"
#include "controls/MouseArea.h"
#include "controls/RichTextBox.h"

#include <QFrame>
#include <QLineEdit>

class QCheckBox;
class QMenu;
class QAction;
class QCalendarWidget;
class QDateEdit;
class QSpinBox;

// Every control of the main window, by the name the handlers use. The window
// owns them (Qt parent); subsystems reach them through this table.
struct Controls {
    // Main menu and window chrome
    MouseArea* Cautare = nullptr;
    MouseArea* LegiCons = nullptr;
    MouseArea* LegiFav = nullptr;
    MouseArea* Agenda = nullptr;
    MouseArea* Contracte = nullptr;
    MouseArea* Update = nullptr;
    MouseArea* Image2 = nullptr;
    QLabel* Label23 = nullptr;
    ClickLabel* Label27 = nullptr;
    ClickLabel* Label29 = nullptr;

    // Panels
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* Frame3 = nullptr;
    QFrame* Frame4 = nullptr;

    // Lists and viewer
    ListView* List1 = nullptr;
    ListView* List2 = nullptr;
    ListView* List3 = nullptr;
    ListView* List4 = nullptr;
    RichTextBox* textlege = nullptr;
    QLabel* Label11 = nullptr;
    ClickLabel* Fav = nullptr;
    ClickLabel* Label12 = nullptr;
    ClickLabel* Inapoi = nullptr;
    ClickLabel* inapoi2 = nullptr;
    QMenu* st = nullptr;
    QAction* sterge = nullptr;

    // Search panel (Frame1)
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    ComboBox* tipact = nullptr;
    QLineEdit* nract = nullptr;
    ComboBox* zi = nullptr;
    ComboBox* luna = nullptr;
    ComboBox* anull = nullptr;
    QLineEdit* data = nullptr;
    ComboBox* emitent = nullptr;
    QLineEdit* nr = nullptr;
    QLineEdit* an = nullptr;
    QLineEdit* cuvcheie = nullptr;
    ClickLabel* Label1 = nullptr;

    // Agenda panel (Frame2)
    QLabel* Label14 = nullptr;
    ClickLabel* Label15 = nullptr;
    ClickLabel* Label16 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    ListView* View1 = nullptr;
    ListView* View2 = nullptr;
    ListView* View3 = nullptr;
    ClickLabel* Label17 = nullptr;
    ClickLabel* Label18 = nullptr;
    ClickLabel* Label19 = nullptr;

    // Event panel (Frame3)
    QLabel* Label20 = nullptr; // title "Adaugare In Agenda:"
    QLabel* Label21 = nullptr; // "Data:"
    QLabel* Label22 = nullptr; // "Ora:"
    QLabel* Label24 = nullptr; // "Tip Eveniment:"
    QLabel* Label25 = nullptr; // "Comentariu:"
    QLineEdit* Datafr = nullptr;
    QLineEdit* Orra = nullptr;
    ComboBox* tipev = nullptr;
    ClickLabel* deftip = nullptr;
    RichTextBox* Com = nullptr;
    ClickLabel* Label13 = nullptr;
    ClickLabel* Label26 = nullptr;
    ClickLabel* modif = nullptr;
    QLineEdit* idev = nullptr;

    // Event-type panel (Frame4)
    QLabel* Label30 = nullptr; // title "Definire Tip Eveniment:"
    QLabel* Label31 = nullptr; // "Eveniment:"
    QLineEdit* tippev = nullptr;
    ClickLabel* Label34 = nullptr;
    ClickLabel* Label28 = nullptr;

    // Hidden boxes outside the panels
    QLineEdit* idag = nullptr;

    // Daily use: the event pop-up of the day views, the act count under List1
    QMenu* evmeniu = nullptr;
    QAction* stergeev = nullptr;
    QLabel* nrgasite = nullptr;
    // Agenda of a practice: deadline panel, month calendar, today's events, calendar export
    ClickLabel* calctermen = nullptr;
    ClickLabel* vezicalendar = nullptr;
    ClickLabel* exportics = nullptr;
    QLabel* evazi = nullptr;
    QFrame* termen = nullptr;
    QDateEdit* termenstart = nullptr;
    QSpinBox* termennr = nullptr;
    QComboBox* termenunit = nullptr;
    QComboBox* termenfel = nullptr;
    QComboBox* termenpreset = nullptr;
    QLabel* termenrezultat = nullptr;
    QComboBox* termentip = nullptr;
    QLineEdit* termencoment = nullptr;
    ClickLabel* termenadauga = nullptr;
    ClickLabel* termeninapoi = nullptr;
    QFrame* calendarluna = nullptr;
    QCalendarWidget* calendar = nullptr;
    ClickLabel* calendarinapoi = nullptr;
    // Act reader: heading list and "Salveaza" under the viewer
    ComboBox* articole = nullptr;
    ClickLabel* salveaza = nullptr;
    // Search in texts and find in the viewer
    QCheckBox* intext = nullptr;
    QLineEdit* gaseste = nullptr;
};
