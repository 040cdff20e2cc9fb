#pragma once

#include <QString>

struct AppContext;

// The favourite acts: adding from the viewer, listing, removing by the pop-up menu.
class Favourites {
public:
    explicit Favourites(AppContext& ctx) : m_ctx(ctx) {}

    void Fav_Click();
    void LoadFavourites();
    void List1_MouseUp(int button, int shift, float x, float y);
    void sterge_Click();

    // Title shown for a favourite whose act has left the catalogue.
    static QString missingActTitle() { return QStringLiteral("(act indisponibil)"); }
    static QString addedMessage() { return QStringLiteral("Actul a fost adaugat la favorite."); }
    static QString alreadyFavouriteMessage() { return QStringLiteral("Actul este deja in lista de favorite."); }

private:
    AppContext& m_ctx;
};
