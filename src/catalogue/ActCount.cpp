#include "catalogue/ActCount.h"

#include "shell/AppContext.h"

#include <QEvent>

ActCount::ActCount(AppContext& ctx) : m_ctx(ctx)
{
    ListView* list = m_ctx.ui.List1;
    // Every rebuild ends in one of these, whoever rebuilt the list.
    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::modelReset, this, &ActCount::update);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ActCount::update);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ActCount::update);
    list->installEventFilter(this);
    m_ctx.ui.nrgasite->setVisible(!list->isHidden());
    update();
}

QString ActCount::text(int acts)
{
    if (acts <= 0)
        return QStringLiteral("Niciun act gasit.");
    if (acts == 1)
        return QStringLiteral("1 act");
    return QStringLiteral("%1 acte").arg(acts);
}

void ActCount::update()
{
    m_ctx.ui.nrgasite->setText(text(m_ctx.ui.List1->Count()));
}

bool ActCount::eventFilter(QObject* watched, QEvent* event)
{
    // Follows List1's own visibility, set by whichever handler switches screens.
    if (watched == m_ctx.ui.List1) {
        if (event->type() == QEvent::ShowToParent)
            m_ctx.ui.nrgasite->show();
        else if (event->type() == QEvent::HideToParent)
            m_ctx.ui.nrgasite->hide();
    }
    return QObject::eventFilter(watched, event);
}
