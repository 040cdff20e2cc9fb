#pragma once

struct AppContext;

// Panel switching of the main-menu entries and the back buttons: exactly the
// controls each one shows, hides or empties, and FavMode.
class Navigation {
public:
    explicit Navigation(AppContext& ctx) : m_ctx(ctx) {}

    void Cautare_Click();
    void LegiCons_Click();
    void LegiFav_Click();
    void Agenda_Click();
    void Contracte_Click();
    void Inapoi_Click();
    void inapoi2_Click();
    void Label13_Click();
    void Label34_Click();
    void deftip_Click();

private:
    AppContext& m_ctx;
};
