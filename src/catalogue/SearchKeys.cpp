#include "catalogue/SearchKeys.h"

#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "shell/AppContext.h"

#include <QCheckBox>
#include <QKeyEvent>

namespace {

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

SearchKeys::SearchKeys(AppContext& ctx) : QObject(ctx.window), m_ctx(ctx)
{
    Controls& u = ctx.ui;
    // Under the keyword field, left of "CAUTA!": unchecked at start, and the
    // search screen leaves it as the user set it.
    u.intext = new QCheckBox(QStringLiteral("si in textul actelor"), u.Frame1);
    u.intext->setObjectName(QStringLiteral("intext"));
    u.intext->setGeometry(Twips::rect(1800, 1880, 4200, 285));
    u.intext->setFont(uiFont(QStringLiteral("Tahoma"), 8.25));
    u.intext->show();

    for (QObject* field : std::initializer_list<QObject*>{u.tipact, u.nract, u.zi, u.luna, u.anull, u.emitent, u.nr,
                                                          u.an, u.cuvcheie, u.intext, u.List1})
        field->installEventFilter(this);
    for (ComboBox* box : {u.zi, u.luna, u.anull}) {
        if (box->lineEdit())
            box->lineEdit()->installEventFilter(this);
    }
}

bool SearchKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (!isEnter(event))
        return false;
    if (watched == m_ctx.ui.List1) {
        if (m_ctx.ui.List1->SelectedItem() < 0)
            return false;
        emit openRequested();
    } else {
        emit searchRequested();
    }
    return true;
}
