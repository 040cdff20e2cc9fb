#pragma once

struct AppContext;

// The favourite acts: adding from the viewer, listing, removing by the pop-up menu.
class Favourites {
public:
    explicit Favourites(AppContext& ctx) : m_ctx(ctx) {}

    void Fav_Click();
    void LoadFavourites();
    void List1_MouseUp(int button, int shift, float x, float y);
    void sterge_Click();

private:
    AppContext& m_ctx;
};
