#include "ui/Keyboard.h"

#include "shell/Controls.h"
#include "shell/ListColumns.h"
#include "shell/WindowState.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QSpinBox>

#include <utility>
#include <vector>

Keyboard::Keyboard(QWidget* form, Controls& ui, WindowState& state) : m_form(form), m_ui(ui), m_state(state)
{
    for (ClickLabel* l : {ui.Label27, ui.Label29})
        l->setFocusPolicy(Qt::TabFocus);
    for (MouseArea* m : {ui.Cautare, ui.LegiCons, ui.LegiFav, ui.Agenda, ui.Contracte, ui.Update})
        m->setFocusPolicy(Qt::TabFocus);
    // Tab leaves the text boxes instead of typing a tab into them.
    ui.Com->setTabChangesFocus(true);
    ui.textlege->setTabChangesFocus(true);

    applyTabOrder();
    nameControls();
    addShortcuts();

    form->installEventFilter(this);
    for (QWidget* w :
         {static_cast<QWidget*>(ui.Frame2), static_cast<QWidget*>(ui.Frame3), static_cast<QWidget*>(ui.Frame4),
          static_cast<QWidget*>(ui.textlege), static_cast<QWidget*>(ui.List1), static_cast<QWidget*>(ui.List3)})
        w->installEventFilter(this);
    ui.cuvcheie->setFocus();
}

const QStringList& Keyboard::backButtons()
{
    static const QStringList names = {QStringLiteral("Label34"),      QStringLiteral("Label13"),
                                      QStringLiteral("termeninapoi"), QStringLiteral("calendarinapoi"),
                                      QStringLiteral("Inapoi"),       QStringLiteral("inapoi2")};
    return names;
}

void Keyboard::applyTabOrder()
{
    Controls& u = m_ui;
    std::vector<QWidget*> chain = {u.tipact, u.nract, u.zi, u.luna, u.anull, u.nr, u.an, u.emitent, u.cuvcheie};
    if (auto* intext = m_form->findChild<QWidget*>(QStringLiteral("intext")))
        chain.push_back(intext);
    const std::initializer_list<QWidget*> rest = {
        u.Label1,  u.List1,   u.List4,    u.textlege, u.Fav,    u.Label12,   u.Inapoi,  u.inapoi2, u.List3,   u.Label15,
        u.Text1,   u.Text2,   u.Text3,    u.Label16,  u.View1,  u.View2,     u.View3,   u.Label17, u.Label18, u.Label19,
        u.Datafr,  u.Orra,    u.tipev,    u.deftip,   u.Com,    u.Label13,   u.Label26, u.modif,   u.tippev,  u.Label34,
        u.Label28, u.Cautare, u.LegiCons, u.LegiFav,  u.Agenda, u.Contracte, u.Update,  u.Label29, u.Label27};
    chain.insert(chain.end(), rest.begin(), rest.end());
    for (size_t i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void Keyboard::nameControls()
{
    Controls& u = m_ui;
    // Controls without a caption of their own: what they hold.
    const std::pair<QWidget*, const char*> names[] = {
        {u.Cautare, "Cautare"},
        {u.LegiCons, "Legi consultate"},
        {u.LegiFav, "Legi favorite"},
        {u.Agenda, "Agenda"},
        {u.Contracte, "Contracte tip"},
        {u.Update, "Update"},
        {u.Image2, "Bara de titlu"},
        {u.Label27, "Inchidere Program"},
        {u.Label29, "Minimizare"},
        {u.Frame1, "Cautare"},
        {u.Frame2, "Agenda"},
        {u.Frame3, "Adaugare In Agenda"},
        {u.Frame4, "Definire Tip Eveniment"},
        {u.List1, "Lista actelor"},
        {u.List2, "Lista de lucru"},
        {u.List3, "Contracte tip"},
        {u.List4, "Noutati"},
        {u.textlege, "Textul afisat"},
        {u.tipact, "Tip Act"},
        {u.nract, "Nr. Act"},
        {u.zi, "Data: ziua"},
        {u.luna, "Data: luna"},
        {u.anull, "Data: anul"},
        {u.data, "Data cautata"},
        {u.nr, "Monitorul Oficial: Nr."},
        {u.an, "Monitorul Oficial: Anul"},
        {u.emitent, "Emitent"},
        {u.cuvcheie, "Cuvant Cheie"},
        {u.Label15, "Ziua anterioara"},
        {u.Label16, "Ziua urmatoare"},
        {u.Text1, "Prima zi"},
        {u.Text2, "A doua zi"},
        {u.Text3, "A treia zi"},
        {u.View1, "Evenimentele primei zile"},
        {u.View2, "Evenimentele zilei a doua"},
        {u.View3, "Evenimentele zilei a treia"},
        {u.Datafr, "Data"},
        {u.Orra, "Ora"},
        {u.tipev, "Tip Eveniment"},
        {u.Com, "Comentariu"},
        {u.idev, "Tipul ales"},
        {u.tippev, "Eveniment"},
        {u.idag, "Evenimentul deschis"},
        {u.evazi, "Evenimente azi"},
        {u.termen, "Calcul termen"},
        {u.termenstart, "Termenul curge de la"},
        {u.termennr, "Durata termenului"},
        {u.termenunit, "Unitatea termenului"},
        {u.termenfel, "Felul termenului"},
        {u.termenpreset, "Termene uzuale"},
        {u.termenrezultat, "Ultima zi a termenului"},
        {u.termentip, "Tip Eveniment"},
        {u.termencoment, "Comentariu"},
        {u.calendarluna, "Calendar"},
        {u.calendar, "Calendarul lunii"},
        {u.articole, "Titlurile si articolele actului"},
    };
    for (const auto& [widget, name] : names)
        if (widget && widget->accessibleName().isEmpty())
            widget->setAccessibleName(QString::fromLatin1(name));
    // Label buttons and captions speak their caption; the rest of the window's
    // controls (made elsewhere) fall back to their hint or tool tip.
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            !w->accessibleName().isEmpty())
            continue;
        if (auto* label = qobject_cast<ClickLabel*>(w))
            w->setAccessibleName(label->text());
        else if (auto* menu = qobject_cast<QMenu*>(w))
            w->setAccessibleName(menu->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->placeholderText().isEmpty())
            w->setAccessibleName(edit->placeholderText());
        else if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) && !w->toolTip().isEmpty())
            w->setAccessibleName(w->toolTip());
    }
}

void Keyboard::addShortcuts()
{
    Controls& u = m_ui;
    auto add = [this](const QKeySequence& keys, auto action) {
        auto* s = new QShortcut(keys, m_form);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    // The six menu entries, left to right.
    MouseArea* entries[] = {u.Cautare, u.LegiCons, u.LegiFav, u.Agenda, u.Contracte, u.Update};
    for (int i = 0; i < 6; ++i)
        add(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), [m = entries[i]] { m->click(); });
    // Only what the screen offers: Print and "Adauga la Favorite" are shown.
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this] {
        if (m_ui.Label12->isVisibleTo(m_form))
            m_ui.Label12->click();
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_D), [this] {
        if (m_ui.Fav->isVisibleTo(m_form))
            m_ui.Fav->click();
    });
}

bool Keyboard::pressBack()
{
    for (const QString& name : backButtons()) {
        QWidget* button = m_form->findChild<QWidget*>(name);
        if (button && button->isEnabled() && button->isVisibleTo(m_form))
            return QMetaObject::invokeMethod(button, "click");
    }
    return false;
}

void Keyboard::focusFrontScreen()
{
    Controls& u = m_ui;
    auto shown = [this](QWidget* w) { return w->isVisibleTo(m_form); };
    QWidget* target = u.cuvcheie;
    if (shown(u.Frame4))
        target = u.tippev;
    else if (shown(u.Frame3))
        target = u.Datafr->isReadOnly() ? static_cast<QWidget*>(u.Orra) : u.Datafr;
    else if (shown(u.Frame2))
        target = u.View1;
    else if (shown(u.textlege))
        target = u.textlege;
    else if (shown(u.List1) && u.List1->Count() > 0)
        target = u.List1;
    else if (shown(u.List3) && !shown(u.List1))
        target = u.List3;
    target->setFocus(Qt::OtherFocusReason);
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Esc and Delete reach the window only when the control with the focus
        // did not use them (a text box deletes a character, a find field may
        // close itself on Esc).
        if (watched == m_form && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)
            return pressBack();
        if (watched == m_ui.List1 && key->key() == Qt::Key_Delete && m_state.FavMode) {
            const int row = m_ui.List1->SelectedItem();
            if (row >= 0 && !m_ui.List1->SubItem(row, ActColumn::FavouriteId).isEmpty())
                m_ui.sterge->trigger();
            return true;
        }
        break;
    }
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched != m_form)
            focusFrontScreen();
        break;
    case QEvent::Show:
        if (watched == m_form && !m_shownOnce) {
            m_shownOnce = true;
            applyTabOrder();
            nameControls();
            m_ui.cuvcheie->setFocus();
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
