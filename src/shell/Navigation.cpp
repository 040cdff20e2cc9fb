#include "shell/Navigation.h"

#include "shell/AppContext.h"

#include <QString>

namespace {

void hide(std::initializer_list<QWidget*> ws)
{
    for (QWidget* w : ws)
        w->hide();
}

void show(std::initializer_list<QWidget*> ws)
{
    for (QWidget* w : ws)
        w->show();
}

} // namespace

void Navigation::Cautare_Click()
{
    Controls& u = m_ctx.ui;
    m_ctx.state.FavMode = false;
    hide({u.Frame4, u.Frame2, u.Frame3});
    show({u.List4});
    hide({u.Label12, u.inapoi2, u.List3});
    u.List1->Clear();
    m_ctx.state.AllActsListed = false;
    show({u.Frame1});
    u.Label11->setText(QString());
    show({u.List1});
    hide({u.textlege, u.Inapoi, u.Fav});
}

void Navigation::LegiCons_Click()
{
    Controls& u = m_ctx.ui;
    m_ctx.state.FavMode = false;
    hide({u.Frame4, u.Frame2, u.Frame3});
    show({u.List4});
    hide({u.Label12, u.inapoi2});
    show({u.Frame1});
    u.Label11->setText(QString());
    show({u.List1});
    hide({u.textlege, u.Inapoi, u.Fav, u.List3});
}

void Navigation::LegiFav_Click()
{
    Controls& u = m_ctx.ui;
    m_ctx.state.FavMode = true;
    hide({u.Frame4, u.Frame2, u.Frame3});
    show({u.List4});
    hide({u.Label12, u.inapoi2, u.List3});
    show({u.Frame1});
    u.Label11->setText(QString());
    show({u.List1});
    hide({u.textlege, u.Inapoi, u.Fav});
}

void Navigation::Agenda_Click()
{
    Controls& u = m_ctx.ui;
    m_ctx.state.FavMode = false;
    hide({u.Frame4, u.Frame3});
    show({u.Frame2});
}

void Navigation::Contracte_Click()
{
    Controls& u = m_ctx.ui;
    m_ctx.state.FavMode = false;
    hide({u.Frame4, u.Frame2, u.Frame3});
    show({u.List4});
    hide({u.Label12, u.Fav});
    show({u.Frame1});
    hide({u.textlege, u.inapoi2});
    u.List3->Clear();
    hide({u.List1});
    show({u.List3});
}

void Navigation::Inapoi_Click()
{
    Controls& u = m_ctx.ui;
    show({u.List4});
    hide({u.Label12});
    show({u.Frame1});
    u.Label11->setText(QString());
    show({u.List1});
    hide({u.textlege, u.Inapoi, u.Fav});
}

void Navigation::inapoi2_Click()
{
    Controls& u = m_ctx.ui;
    show({u.List4});
    hide({u.Label12});
    show({u.Frame1});
    u.Label11->setText(QString());
    show({u.List3});
    hide({u.textlege, u.inapoi2});
}

void Navigation::Label13_Click()
{
    Controls& u = m_ctx.ui;
    hide({u.Frame3});
    u.Datafr->clear();
    u.Orra->clear();
    u.Com->clear();
    hide({u.modif});
}

void Navigation::Label34_Click()
{
    m_ctx.ui.Frame4->hide();
}

void Navigation::deftip_Click()
{
    m_ctx.ui.tippev->clear();
    m_ctx.ui.Frame4->show();
}

void Navigation::openActViewerFromList(const QString& title)
{
    Controls& u = m_ctx.ui;
    hide({u.List4});
    show({u.Label12});
    hide({u.Frame1, u.List3});
    u.Label11->setText(title);
}

void Navigation::openActViewerFromNews()
{
    Controls& u = m_ctx.ui;
    show({u.Label12});
    hide({u.Frame1, u.List3, u.List4});
}

void Navigation::showActViewer()
{
    Controls& u = m_ctx.ui;
    hide({u.List1});
    show({u.textlege, u.Inapoi, u.Fav});
}

void Navigation::openTemplateViewer(const QString& name)
{
    Controls& u = m_ctx.ui;
    hide({u.List4});
    show({u.textlege, u.Label12});
    hide({u.Frame1});
    u.Label11->setText(name);
    hide({u.List1});
    show({u.textlege, u.inapoi2});
    hide({u.List3});
}

void Navigation::showEventPanelForAdding()
{
    Controls& u = m_ctx.ui;
    show({u.Frame3});
    hide({u.modif});
}

void Navigation::showEventPanelForEditing()
{
    Controls& u = m_ctx.ui;
    show({u.Frame3});
    show({u.modif});
}

void Navigation::showAgendaPanel()
{
    m_ctx.ui.Frame2->show();
}

void Navigation::closeEventPanel()
{
    m_ctx.ui.Frame3->hide();
}

void Navigation::hideModifyButton()
{
    m_ctx.ui.modif->hide();
}

void Navigation::closeTypePanel()
{
    m_ctx.ui.Frame4->hide();
}
