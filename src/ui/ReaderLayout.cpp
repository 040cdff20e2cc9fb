#include "ui/ReaderLayout.h"

#include "controls/Fonts.h"
#include "controls/Twips.h"

namespace Layout {

void buildReaderControls(QWidget* form, Controls& ui)
{
    ui.salveaza = new ClickLabel(QStringLiteral("salveaza"), QStringLiteral("Salveaza"), form);
    ui.salveaza->setGeometry(Twips::rect(4560, 8775, 1095, 255));
    ui.salveaza->setFont(uiFont(QStringLiteral("Tahoma"), 9.75, true));
    ui.salveaza->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    ui.salveaza->setToolTip(QStringLiteral("Salveaza actul intr-un fisier (Ctrl+S)"));
    ui.salveaza->hide();

    ui.articole = new ComboBox(QStringLiteral("articole"), false, form);
    ui.articole->setGeometry(Twips::rect(7560, 8760, 3120, 270));
    // A slim box: the strip below the buttons is all the free room there is.
    ui.articole->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 2px; }"));
    ui.articole->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    ui.articole->setPlaceholderText(QStringLiteral("Cuprins"));
    ui.articole->setToolTip(QStringLiteral("Titlurile, capitolele si articolele actului (Ctrl+G: salt la articol)"));
    ui.articole->setMaxVisibleItems(20);
    ui.articole->hide();
}

} // namespace Layout
