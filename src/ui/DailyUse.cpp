// The window's additions for daily use: the agenda's event pop-up, the act
// count under the act list and the keyboard.
#include "agenda/EventDeletion.h"
#include "catalogue/ActCount.h"
#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "ui/Form1.h"
#include "ui/Keyboard.h"

#include <QAction>
#include <QMenu>

void Form1::setupDailyUse()
{
    Controls& u = m_ui;
    u.evmeniu = new QMenu(QStringLiteral("Eveniment"), this);
    u.evmeniu->setObjectName(QStringLiteral("evmeniu"));
    u.stergeev = u.evmeniu->addAction(QStringLiteral("Sterge evenimentul"));
    u.stergeev->setObjectName(QStringLiteral("stergeev"));

    // Below the act and news lists, on the blue of the background.
    u.nrgasite = new QLabel(this);
    u.nrgasite->setObjectName(QStringLiteral("nrgasite"));
    u.nrgasite->setGeometry(Twips::rect(2040, 8760, 2400, 255)); // clear of the reader's strip
    u.nrgasite->setFont(uiFont(QStringLiteral("Tahoma"), 8.25, true));
    u.nrgasite->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    m_eventDeletion = std::make_unique<EventDeletion>(*m_ctx);
    connect(u.stergeev, &QAction::triggered, this, &Form1::stergeev_Click);
    ListView* views[] = {u.View1, u.View2, u.View3};
    for (int day = 1; day <= 3; ++day)
        connect(views[day - 1], &ListView::MouseUp, this, [this, day](int button, int, float x, float y) {
            guarded([&] { m_eventDeletion->viewMouseUp(day, button, x, y); });
        });
    m_actCount = std::make_unique<ActCount>(*m_ctx);
    m_keyboard = std::make_unique<Keyboard>(this, u, *this);
}

void Form1::stergeev_Click()
{
    guarded([this] { m_eventDeletion->stergeev_Click(); });
}
