#include "catalogue/ActViewer.h"

#include "catalogue/ViewerHits.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "shell/Navigation.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

namespace {

const QString kMissingAct = QStringLiteral("Actul nu mai exista in catalog.");

} // namespace

QString ActViewer::composeText(const QString& title, QString content)
{
    // The act's own line ends (CR, LF or CR LF) are unified before the joins,
    // so that a text ending in CR cannot merge with the first line break of
    // the marker; the box then takes the text without another copy.
    content = RichTextBox::normaliseLineEnds(content);
    static const QString head(4, QLatin1Char('\n'));
    static const QString tail = QString(2, QLatin1Char('\n')) + QStringLiteral("---Tarvenor 2007---");
    QString text;
    text.reserve(title.size() + head.size() + content.size() + tail.size());
    text += title;
    text += head;
    text += content;
    text += tail;
    return text;
}

void ActViewer::ShowAct(const QString& title, QString content)
{
    // Composed once and set once: an act may be several megabytes long.
    if (present)
        present(composeText(title, std::move(content)));
    else
        m_ctx.ui.textlege->setText(composeText(title, std::move(content)));
    ViewerHits::clear(*m_ctx.ui.textlege);
}

void ActViewer::recordOpening(const QString& actId)
{
    m_ctx.db.RunSql(QStringLiteral("insert into ultimele_legi (id_acte) values (") + actId + QStringLiteral(")"),
                    false);
}

void ActViewer::List1_DblClick()
{
    Controls& u = m_ctx.ui;
    const int row = u.List1->SelectedItem();
    if (row < 0)
        return;
    const QString title = u.List1->SubItem(row, ActColumn::Title);
    const QString actId = SqlLiteral::id(u.List1->SubItem(row, ActColumn::Id));

    // The act is read before the screen changes, so that a vanished act
    // leaves the user on the list.
    m_ctx.db.RunSql(QStringLiteral("Select Continut from Acte where id = ") + actId, true);
    Recordset& rs = m_ctx.db.CurrentRs();
    if (rs.Eof()) {
        m_ctx.message(kMissingAct);
        return;
    }
    QString content = rs.Text(QStringLiteral("Continut"));

    Navigation nav(m_ctx);
    nav.openActViewerFromList(title);
    ShowAct(title, std::move(content));
    nav.showActViewer();
    if (!m_ctx.state.HitKeyword.isEmpty()) {
        // Opened from a search: the keyword's hits marked, the first in view.
        RichTextBox& box = *u.textlege;
        ViewerHits::show(box, ViewerHits::keywordHits(box.toPlainText(), m_ctx.state.HitKeyword, m_ctx.state.HitInText),
                         true);
    }
    m_ctx.state.ShownActId = actId;
    recordOpening(actId);
    if (onShown)
        onShown(actId);
}

void ActViewer::List4_DblClick()
{
    Controls& u = m_ctx.ui;
    const int row = u.List4->SelectedItem();
    if (row < 0)
        return;
    const QString link = SqlLiteral::id(u.List4->SubItem(row, NewsColumn::Link));

    m_ctx.db.RunSql(QStringLiteral("Select ID, Titlu, Continut from Acte where ID  = ") + link, true);
    Recordset& rs = m_ctx.db.CurrentRs();
    if (rs.Eof()) {
        m_ctx.message(kMissingAct);
        return;
    }
    const QString title = rs.Text(QStringLiteral("titlu"));
    QString content = rs.Text(QStringLiteral("Continut"));

    Navigation nav(m_ctx);
    nav.openActViewerFromNews();
    u.Label11->setText(title);
    ShowAct(title, std::move(content));
    nav.showActViewer();
    m_ctx.state.ShownActId = link;
    recordOpening(link);
    if (onShown)
        onShown(link);
}
