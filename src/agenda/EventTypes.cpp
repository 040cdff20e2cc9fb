#include "agenda/EventTypes.h"

#include "agenda/EventEditor.h"
#include "shell/AppContext.h"
#include "shell/Navigation.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

bool EventTypes::nameTaken(const QString& name)
{
    m_ctx.db.RunSql(QStringLiteral("Select * from tip_eveniment"), true);
    for (Recordset& rs = m_ctx.db.CurrentRs(); !rs.Eof(); rs.MoveNext()) {
        if (rs.Text(QStringLiteral("tipeveniment")).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void EventTypes::Label28_Click()
{
    Controls& u = m_ctx.ui;
    // Types are picked by name only: a blank name or one already taken (in any
    // letter case) could never be told apart, so it is refused and the panel
    // stays open with what was typed.
    const QString name = u.tippev->text().trimmed();
    if (name.isEmpty()) {
        m_ctx.message(emptyNameMessage());
        return;
    }
    if (nameTaken(name)) {
        m_ctx.message(takenNameMessage());
        return;
    }
    EventEditor::clearTypeList(m_ctx);
    m_ctx.db.RunSql(QStringLiteral("insert into tip_eveniment (tipeveniment) values ('") + SqlLiteral::text(name) +
                        QStringLiteral("')"),
                    false);
    Navigation(m_ctx).closeTypePanel();
    EventEditor::fillTypeList(m_ctx);
}
