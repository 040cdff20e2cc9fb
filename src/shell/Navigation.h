#pragma once

class QString;
struct AppContext;

// Panel switching: exactly the controls each entry, back button and viewer
// shows, hides or empties, and FavMode. It holds nothing but the context, so
// any subsystem may make one on the spot (`Navigation(ctx).showEventPanelForAdding()`)
// to do the switching part of its own handler.
class Navigation {
public:
    explicit Navigation(AppContext& ctx) : m_ctx(ctx) {}

    // Main-menu entries
    void Cautare_Click();
    void LegiCons_Click();
    void LegiFav_Click();
    void Agenda_Click();
    void Contracte_Click();

    // Back and panel buttons
    void Inapoi_Click();
    void inapoi2_Click();
    void Label13_Click();
    void Label34_Click();
    void deftip_Click();

    // The act viewer, opened from the act list: the steps before the act's
    // text is loaded, then the steps after it.
    void openActViewerFromList(const QString& title);
    // The act viewer, opened from the news list (the loader sets Label11).
    void openActViewerFromNews();
    void showActViewer();

    // The template viewer; every switch comes before the file is loaded.
    void openTemplateViewer(const QString& name);

    // The event panel: opened by a day's "Adauga" it is always in adding mode
    // ("Modifica" hidden), so a save can never rewrite the event last edited.
    void showEventPanelForAdding();
    void showEventPanelForEditing();
    // After a new event is saved: agenda shown, then (after the refill) the
    // event panel closed.
    void showAgendaPanel();
    void closeEventPanel();
    // "Modifica" hides itself before saving.
    void hideModifyButton();
    // After a new type is saved.
    void closeTypePanel();

private:
    AppContext& m_ctx;
};
