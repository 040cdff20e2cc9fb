#include "catalogue/Favourites.h"

#include "ui/AppContext.h"

void Favourites::Fav_Click()
{
}

void Favourites::LoadFavourites()
{
}

void Favourites::List1_MouseUp(int button, int shift, float x, float y)
{
}

void Favourites::sterge_Click()
{
}
