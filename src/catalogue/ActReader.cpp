#include "catalogue/ActReader.h"

#include "catalogue/ActReferences.h"
#include "catalogue/ActSaver.h"
#include "catalogue/ActViewer.h"
#include "catalogue/PrintCommand.h"
#include "shell/AppContext.h"
#include "store/SqlLiteral.h"
#include "store/modDB.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>

#include <memory>
#include <utility>

namespace {

const QColor kLinkColour(0, 70, 160);
// An act up to this many characters is read and formatted as it opens; a
// longer one right after, this many characters per step.
constexpr qsizetype kAtOnce = 256 * 1024;
constexpr qsizetype kStep = 100000;

} // namespace

ActReader::ActReader(AppContext& ctx) : QObject(ctx.window), m_ctx(ctx)
{
    Controls& u = m_ctx.ui;
    // A caret lets the keyboard reach a link and open it with Enter.
    u.textlege->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                        Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    u.textlege->installEventFilter(this);
    u.textlege->viewport()->installEventFilter(this);
    for (QWidget* w :
         {static_cast<QWidget*>(u.Inapoi), static_cast<QWidget*>(u.inapoi2), static_cast<QWidget*>(u.Frame2)})
        w->installEventFilter(this);

    const std::pair<QKeySequence, void (ActReader::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_G), &ActReader::jumpToArticle},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &ActReader::save},
        {QKeySequence(Qt::ALT | Qt::Key_Left), &ActReader::goBack},
        {QKeySequence(Qt::ALT | Qt::Key_Right), &ActReader::goForward},
    };
    for (const auto& [key, action] : keys) {
        for (QWidget* scope : {static_cast<QWidget*>(u.textlege), static_cast<QWidget*>(u.articole)}) {
            auto* shortcut = new QShortcut(key, scope);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            connect(shortcut, &QShortcut::activated, this,
                    [this, action = action] { guarded([&] { (this->*action)(); }); });
        }
    }
    // A list model: an act may have thousands of headings.
    m_headingLabels = new QStringListModel(this);
    u.articole->setModel(m_headingLabels);
    connect(u.articole, &QComboBox::activated, this, [this](int i) { guarded([&] { showHeading(i); }); });
    connect(u.articole, &QComboBox::currentIndexChanged, this, [this](int i) { guarded([&] { showHeading(i); }); });
    connect(u.salveaza, &ClickLabel::Click, this, [this] { guarded([&] { save(); }); });
}

void ActReader::guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const UserError& e) {
        m_ctx.message(e.message());
    } catch (const std::exception& e) {
        m_ctx.message(QStringLiteral("A aparut o eroare neasteptata: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

bool ActReader::actShown() const
{
    const Controls& u = m_ctx.ui;
    return !m_actId.isEmpty() && !u.textlege->isHidden() && !u.Inapoi->isHidden() && u.inapoi2->isHidden() &&
           u.Frame2->isHidden();
}

void ActReader::updateVisibility()
{
    const bool shown = actShown();
    m_ctx.ui.articole->setVisible(shown);
    m_ctx.ui.salveaza->setVisible(shown);
}

void ActReader::actOpened(const QString& actId)
{
    m_back.clear();
    m_forward.clear();
    m_actId = actId;
    updateVisibility();
}

void ActReader::present(const QString& composed)
{
    // The plain replacement first, then the formats over it: the characters,
    // and so the plain text, stay exactly those of the plain replacement.
    RichTextBox* box = m_ctx.ui.textlege;
    box->setText(composed);
    ++m_generation;
    m_text = RichTextBox::normaliseLineEnds(composed);
    m_analysed = false;
    m_headings.clear();
    m_links.clear();
    m_nextHeading = 0;
    m_nextLink = 0;
    m_decoratedLength = box->document()->characterCount();
    showHeadingList();
    // A long act is shown at once and read for its headings and references
    // (one query for all of them) right after, in short steps, so that it
    // opens as fast as plain text.
    if (m_text.size() <= kAtOnce) {
        analyse();
        decorateUpTo(m_text.size());
    } else {
        QTimer::singleShot(0, this, [this, generation = m_generation] { decorateRest(generation); });
    }
}

void ActReader::analyse()
{
    if (m_analysed)
        return;
    m_analysed = true;
    m_headings = ActStructure::headings(m_text);
    m_links = ActReferences::find(m_text);
    ActReferences::resolve(m_ctx.db, m_links);
    m_links.erase(std::remove_if(m_links.begin(), m_links.end(), [](const auto& r) { return r.actId.isEmpty(); }),
                  m_links.end());
    showHeadingList();
}

void ActReader::showHeadingList()
{
    QStringList labels;
    labels.reserve(qsizetype(m_headings.size()));
    for (const ActStructure::Heading& heading : m_headings)
        labels << heading.label;
    ComboBox* list = m_ctx.ui.articole;
    const QSignalBlocker quiet(list);
    m_headingLabels->setStringList(labels);
    list->setCurrentIndex(-1);
    list->setEnabled(!m_headings.empty());
}

bool ActReader::decorateUpTo(qsizetype end)
{
    QTextDocument* doc = m_ctx.ui.textlege->document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setForeground(kLinkColour);
    link.setFontUnderline(true);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    auto apply = [&cursor](qsizetype start, qsizetype length, const QTextCharFormat& format) {
        cursor.setPosition(int(start));
        cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    };
    for (; m_nextHeading < m_headings.size() && m_headings[m_nextHeading].start < end; ++m_nextHeading)
        apply(m_headings[m_nextHeading].start, m_headings[m_nextHeading].length, bold);
    for (; m_nextLink < m_links.size() && m_links[m_nextLink].start < end; ++m_nextLink) {
        link.setAnchorHref(ActReferences::linkFor(m_links[m_nextLink].actId));
        apply(m_links[m_nextLink].start, m_links[m_nextLink].length, link);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    return decorationDone();
}

bool ActReader::stillShowing(unsigned generation) const
{
    // Another act, or a template, may have taken the box meanwhile.
    const Controls& u = m_ctx.ui;
    return generation == m_generation && u.inapoi2->isHidden() &&
           u.textlege->document()->characterCount() == m_decoratedLength;
}

void ActReader::decorateRest(unsigned generation)
{
    if (!stillShowing(generation))
        return;
    bool done = false;
    guarded([&] {
        if (!m_analysed) {
            analyse();
            return;
        }
        qsizetype reached = m_text.size();
        if (m_nextHeading < m_headings.size())
            reached = m_headings[m_nextHeading].start;
        if (m_nextLink < m_links.size())
            reached = std::min(reached, m_links[m_nextLink].start);
        done = decorateUpTo(reached + kStep);
    });
    if (!done)
        QTimer::singleShot(0, this, [this, generation] { decorateRest(generation); });
}

bool ActReader::decorationDone() const
{
    return m_analysed && m_nextHeading == m_headings.size() && m_nextLink == m_links.size();
}

void ActReader::showHeading(int index)
{
    if (index < 0 || index >= int(m_headings.size()) || !actShown())
        return;
    scrollTo(m_headings[std::size_t(index)].start);
}

qsizetype ActReader::readingPosition() const
{
    return m_ctx.ui.textlege->cursorForPosition(QPoint(0, 0)).position();
}

void ActReader::scrollTo(qsizetype position)
{
    RichTextBox* box = m_ctx.ui.textlege;
    QTextDocument* doc = box->document();
    QTextCursor cursor(doc);
    cursor.setPosition(int(qBound(qsizetype(0), position, qsizetype(doc->characterCount() - 1))));
    box->setTextCursor(cursor);
    // The layout of a long act is done lazily; asking for the block's place
    // lays it out that far, and the cursor made visible extends the range.
    const QTextBlock block = cursor.block();
    qreal top = doc->documentLayout()->blockBoundingRect(block).top();
    if (const QTextLayout* layout = block.layout()) {
        const QTextLine line = layout->lineForTextPosition(cursor.position() - block.position());
        if (line.isValid())
            top += line.y();
    }
    box->ensureCursorVisible();
    box->verticalScrollBar()->setValue(qRound(top));
}

bool ActReader::openAct(const QString& actId)
{
    m_ctx.db.RunSql(QStringLiteral("Select ID, Titlu, Continut from Acte where ID  = ") + SqlLiteral::id(actId), true);
    Recordset& rs = m_ctx.db.CurrentRs();
    if (rs.Eof()) {
        m_ctx.message(QStringLiteral("Actul nu mai exista in catalog."));
        return false;
    }
    const QString title = rs.Text(QStringLiteral("Titlu"));
    QString content = rs.Text(QStringLiteral("Continut"));
    m_ctx.ui.Label11->setText(title);
    present(ActViewer::composeText(title, std::move(content)));
    m_ctx.state.ShownActId = actId;
    m_actId = actId;
    updateVisibility();
    return true;
}

void ActReader::followLink(const QString& actId)
{
    if (!actShown())
        return;
    const Place here{m_actId, readingPosition(), m_ctx.ui.textlege->verticalScrollBar()->value()};
    if (!openAct(actId))
        return;
    m_back.push_back(here);
    m_forward.clear();
    // An opening like any other: the recent acts list shows it.
    m_ctx.db.RunSql(QStringLiteral("insert into ultimele_legi (id_acte) values (") + actId + QStringLiteral(")"),
                    false);
}

void ActReader::returnTo(std::vector<Place>& from, std::vector<Place>& to)
{
    if (from.empty() || !actShown())
        return;
    const Place here{m_actId, readingPosition(), m_ctx.ui.textlege->verticalScrollBar()->value()};
    const Place there = from.back();
    if (!openAct(there.actId))
        return;
    from.pop_back();
    to.push_back(here);
    // The text is laid out as before, so the old scroll value puts the same
    // line at the same height; the position lays the text out that far first.
    scrollTo(there.position);
    QScrollBar* bar = m_ctx.ui.textlege->verticalScrollBar();
    if (there.scroll <= bar->maximum())
        bar->setValue(there.scroll);
}

void ActReader::goBack()
{
    returnTo(m_back, m_forward);
}

void ActReader::goForward()
{
    returnTo(m_forward, m_back);
}

void ActReader::jumpToArticle()
{
    if (!actShown())
        return;
    bool ok = false;
    const QString typed =
        QInputDialog::getText(m_ctx.window, QStringLiteral("Salt la articol"), QStringLiteral("Numarul articolului:"),
                              QLineEdit::Normal, QString(), &ok)
            .trimmed();
    if (!ok || typed.isEmpty())
        return;
    analyse(); // a long act just opened may not be read yet
    if (const ActStructure::Heading* h = ActStructure::findArticle(m_headings, typed)) {
        scrollTo(h->start);
        return;
    }
    const QString number = ActStructure::articleNumber(typed);
    m_ctx.message(QStringLiteral("Articolul %1 nu exista in acest act.").arg(number.isEmpty() ? typed : number));
}

QString ActReader::citation()
{
    m_ctx.db.RunSql(
        QStringLiteral("Select Titlu, Monitoruloficial, An from Acte where ID = ") + SqlLiteral::id(m_actId), true);
    Recordset& rs = m_ctx.db.CurrentRs();
    if (rs.Eof())
        return QString();
    const QString title = rs.Text(QStringLiteral("Titlu")).trimmed();
    const QString gazette = rs.Text(QStringLiteral("Monitoruloficial")).trimmed();
    const QString year = rs.Text(QStringLiteral("An")).trimmed();
    if (gazette.isEmpty())
        return title;
    return title + QStringLiteral(", publicat in Monitorul Oficial nr. ") + gazette +
           (year.isEmpty() ? QString() : QLatin1Char('/') + year);
}

void ActReader::copySelection()
{
    RichTextBox* box = m_ctx.ui.textlege;
    const QTextCursor cursor = box->textCursor();
    if (!cursor.hasSelection())
        return;
    if (!actShown()) {
        box->copy();
        return;
    }
    const QTextDocumentFragment passage = cursor.selection();
    const QString cite = citation();
    auto* mime = new QMimeData;
    mime->setText(passage.toPlainText() + QLatin1Char('\n') + cite);
    QString html = passage.toHtml();
    const QString line = QStringLiteral("<p>") + cite.toHtmlEscaped() + QStringLiteral("</p>");
    const qsizetype end = html.lastIndexOf(QLatin1String("</body>"));
    if (end >= 0)
        html.insert(end, line);
    else
        html += line;
    mime->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ActReader::save()
{
    if (!actShown())
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString title = m_ctx.ui.Label11->text();
    QString path = m_ctx.dialogs->saveFile(
        m_ctx.window, QStringLiteral("Salvare act"), QDir(folder).filePath(PrintCommand::pdfFileName(title)),
        QStringLiteral("Document PDF (*.pdf);;Document ODF (*.odt);;Text simplu (*.txt)"));
    if (path.isEmpty())
        return;
    const ActSaver::Format format = ActSaver::formatFor(path);
    QPageLayout paper;
    if (m_ctx.printer)
        paper = m_ctx.printer->pageLayout();
    const QString failure =
        ActSaver::write(*m_ctx.ui.textlege, path, format, title.trimmed(), m_ctx.printer ? &paper : nullptr);
    const QString shown = QDir::toNativeSeparators(path);
    if (failure.isEmpty())
        m_ctx.message(QStringLiteral("Actul a fost salvat in fisierul:\r%1").arg(shown));
    else
        m_ctx.message(QStringLiteral("Actul nu a putut fi salvat in fisierul:\r%1\r%2").arg(shown, failure));
}

bool ActReader::openLinkAt(const QString& href)
{
    const QString id = ActReferences::linkedActId(href);
    if (id.isEmpty() || !actShown())
        return false;
    guarded([&] { followLink(id); });
    return true;
}

bool ActReader::eventFilter(QObject* watched, QEvent* event)
{
    Controls& u = m_ctx.ui;
    const QEvent::Type type = event->type();
    if (type == QEvent::ShowToParent || type == QEvent::HideToParent) {
        if (watched != u.textlege->viewport())
            updateVisibility();
        return false;
    }
    if (watched == u.textlege && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && actShown()) {
            guarded([this] { copySelection(); });
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            QTextCursor at = u.textlege->textCursor();
            if (at.hasSelection())
                at.setPosition(at.selectionStart() + 1);
            return openLinkAt(at.charFormat().anchorHref());
        }
        return false;
    }
    if (watched != u.textlege->viewport())
        return false;
    if (type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressedAnchor =
            mouse->button() == Qt::LeftButton ? u.textlege->anchorAt(mouse->position().toPoint()) : QString();
    } else if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QString pressed = std::exchange(m_pressedAnchor, QString());
        if (mouse->button() == Qt::LeftButton && !pressed.isEmpty() &&
            u.textlege->anchorAt(mouse->position().toPoint()) == pressed && !u.textlege->textCursor().hasSelection())
            return openLinkAt(pressed);
    } else if (type == QEvent::ContextMenu && actShown()) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        const QPoint inDocument = request->pos() + QPoint(u.textlege->horizontalScrollBar()->value(),
                                                          u.textlege->verticalScrollBar()->value());
        std::unique_ptr<QMenu> menu(u.textlege->createStandardContextMenu(inDocument));
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-copy")) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, [this] { guarded([this] { copySelection(); }); });
            }
        }
        menu->exec(request->globalPos());
        return true;
    }
    return false;
}
