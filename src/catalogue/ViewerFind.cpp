#include "catalogue/ViewerFind.h"

#include "catalogue/ViewerHits.h"
#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "shell/AppContext.h"

#include <QKeyEvent>
#include <QShortcut>

ViewerFind::ViewerFind(AppContext& ctx) : QObject(ctx.window), m_ctx(ctx)
{
    Controls& u = ctx.ui;
    // Over the last line of the viewer, so that nothing else on the screen moves.
    u.gaseste = new QLineEdit(ctx.window);
    u.gaseste->setObjectName(QStringLiteral("gaseste"));
    u.gaseste->setGeometry(Twips::rect(1680, 3000 + 5175 - 330, 9975, 330));
    u.gaseste->setFont(uiFont(QStringLiteral("Verdana"), 8.25));
    u.gaseste->setPlaceholderText(QStringLiteral("Gaseste in text (Enter: urmatorul, Esc: inchide)"));
    u.gaseste->setAccessibleName(QStringLiteral("Gaseste in text"));
    u.gaseste->hide();
    u.gaseste->installEventFilter(this);
    connect(u.gaseste, &QLineEdit::textChanged, this, &ViewerFind::refresh);
    connect(u.gaseste, &QLineEdit::returnPressed, this, [this] { next(true); });

    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), ctx.window);
    connect(find, &QShortcut::activated, this, &ViewerFind::open);
    auto* forward = new QShortcut(QKeySequence(Qt::Key_F3), ctx.window);
    connect(forward, &QShortcut::activated, this, [this] { next(true); });
    auto* backward = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), ctx.window);
    connect(backward, &QShortcut::activated, this, [this] { next(false); });
}

bool ViewerFind::viewerShown() const
{
    return m_ctx.ui.textlege->isVisibleTo(m_ctx.window);
}

void ViewerFind::open()
{
    if (!viewerShown())
        return;
    QLineEdit& field = *m_ctx.ui.gaseste;
    field.show();
    field.raise();
    field.setFocus(Qt::ShortcutFocusReason);
    field.selectAll();
    if (!field.text().isEmpty())
        refresh();
}

void ViewerFind::close()
{
    const bool hadFocus = m_ctx.ui.gaseste->hasFocus();
    m_ctx.ui.gaseste->hide();
    ViewerHits::clear(*m_ctx.ui.textlege);
    if (hadFocus)
        m_ctx.ui.textlege->setFocus(Qt::OtherFocusReason);
}

void ViewerFind::next(bool forward)
{
    if (viewerShown())
        ViewerHits::go(*m_ctx.ui.textlege, forward);
}

void ViewerFind::refresh()
{
    RichTextBox& box = *m_ctx.ui.textlege;
    const QString phrase = m_ctx.ui.gaseste->text();
    if (phrase.isEmpty()) {
        ViewerHits::clear(box);
        return;
    }
    ViewerHits::show(box, ViewerHits::phraseHits(box.toPlainText(), phrase), false);
}

bool ViewerFind::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ctx.ui.gaseste)
        return false;
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    // Esc belongs to the field while it has the focus: it closes the field and
    // nothing else, whatever the window binds Esc to.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        close();
    return true;
}
