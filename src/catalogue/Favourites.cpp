#include "catalogue/Favourites.h"

#include "catalogue/ActListRebuild.h"

#include "controls/Twips.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QMenu>

void Favourites::Fav_Click()
{
    Controls& u = m_ctx.ui;
    // While the viewer shows an act, that act is the one meant, also when it
    // was opened from the news list and List1's selection is another act.
    QString actId;
    if (!u.Fav->isHidden() && !m_ctx.state.ShownActId.isEmpty()) {
        actId = m_ctx.state.ShownActId;
    } else {
        const int row = u.List1->SelectedItem();
        if (row < 0)
            return;
        actId = u.List1->SubItem(row, ActColumn::Id);
    }
    if (actId.isEmpty())
        return;
    // One row per act: a second press says so instead of listing the act twice.
    m_ctx.db.RunSql(QStringLiteral("Select id from legi_favorite where id_acte = ") + SqlLiteral::id(actId), true);
    if (!m_ctx.db.CurrentRs().Eof()) {
        m_ctx.message(alreadyFavouriteMessage());
        return;
    }
    m_ctx.db.RunSql(QStringLiteral("insert into legi_favorite (id_acte) values (") + SqlLiteral::id(actId) +
                        QStringLiteral(")"),
                    false);
    m_ctx.message(addedMessage());
}

void Favourites::LoadFavourites()
{
    ActListRebuild rebuild(m_ctx);
    ListView& list = rebuild.list;
    ListView& scratch = rebuild.scratch;

    m_ctx.db.RunSql(QStringLiteral("Select * from legi_favorite"), true);
    {
        Recordset& rs = m_ctx.db.CurrentRs();
        while (!rs.Eof()) {
            const int row = scratch.Add();
            scratch.SetSubItem(row, ScratchColumn::FavouriteId, rs.Text(QStringLiteral("id")));
            scratch.SetSubItem(row, ScratchColumn::ActId, rs.Text(QStringLiteral("id_acte")));
            rs.MoveNext();
        }
    }

    // One query per favourite: CurrentRs holds one result at a time. On a
    // store failure the rows listed so far stay (the batch ends on unwinding).
    const int count = scratch.Count();
    for (int i = 0; i < count; ++i) {
        const QString actId = scratch.SubItem(i, ScratchColumn::ActId);
        int row = rebuild.appendAct(actId);
        if (row < 0) {
            // Still listed, so that the user can remove it.
            row = list.Add();
            list.SetSubItem(row, ActColumn::Id, actId);
            list.SetSubItem(row, ActColumn::Title, missingActTitle());
        }
        list.SetSubItem(row, ActColumn::FavouriteId, scratch.SubItem(i, ScratchColumn::FavouriteId));
    }
}

void Favourites::List1_MouseUp(int button, int shift, float x, float y)
{
    Q_UNUSED(shift);
    Controls& u = m_ctx.ui;
    if (!m_ctx.state.FavMode || button != 2)
        return;
    // Only over a row, and only for a row that is a favourite: search results
    // listed from the favourites screen have no favourite id to remove.
    const QPoint at(qRound(x / Twips::kPerPixel), qRound(y / Twips::kPerPixel));
    if (!u.List1->indexAt(at).isValid())
        return;
    const int row = u.List1->SelectedItem();
    if (row < 0 || u.List1->SubItem(row, ActColumn::FavouriteId).isEmpty())
        return;
    u.st->popup(u.List1->viewport()->mapToGlobal(at));
}

void Favourites::sterge_Click()
{
    Controls& u = m_ctx.ui;
    const int row = u.List1->SelectedItem();
    if (row < 0)
        return;
    const QString favId = u.List1->SubItem(row, ActColumn::FavouriteId);
    if (favId.isEmpty())
        return;
    m_ctx.db.RunSql(QStringLiteral("delete * from legi_favorite where id = ") + SqlLiteral::id(favId), false);
    LoadFavourites();
}
