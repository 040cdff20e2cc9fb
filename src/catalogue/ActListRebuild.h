#pragma once

#include "controls/ListView.h"

#include <QString>

struct AppContext;
class Recordset;

// A rebuild of the act list List1 through the scratch list List2, as the
// favourites and the recent acts do it: both lists emptied, one model reset
// each for the whole rebuild (also when a store failure unwinds it, so the
// rows listed so far stay).
class ActListRebuild {
public:
    explicit ActListRebuild(AppContext& ctx);

    ListView& list;
    ListView& scratch;

    // Looks the act up by id and appends its row; -1 when the act is no
    // longer in the catalogue.
    int appendAct(const QString& actId);

    // The row layout of every act list: the act's id, title and type from the
    // current record's ID, Titlu and TipAct.
    static int appendActRow(ListView& list, const Recordset& rs);

private:
    AppContext& m_ctx;
    ListFill m_listBatch;
    ListFill m_scratchBatch;
};
