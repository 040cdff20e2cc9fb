#include "contracts/Templates.h"

#include "contracts/RtfReader.h"
#include "shell/AppContext.h"
#include "shell/ListColumns.h"
#include "shell/Navigation.h"
#include "store/UserError.h"

#include <QDir>
#include <QTextDocument>

const Templates::Entry Templates::kEntries[3] = {
    {"Contract de donatie", "Contract de donatie.rtf"},
    {"Contract de inchiriere locuinte", "Contract de inchiriere locuinte.rtf"},
    {"Contract de sponsorizare", "Contract de sponsorizare.rtf"},
};

QString Templates::templatePath(const QString& programDir, const QString& file)
{
    return QDir(programDir).filePath(QStringLiteral("Docs/") + file);
}

void Templates::Contracte_Click()
{
    ListView* list = m_ctx.ui.List3;
    // Rebuilt whole on every choice, so choosing the entry twice never
    // doubles the rows.
    list->Clear();
    ListFill batch(*list);
    for (const Entry& e : kEntries) {
        const int row = list->Add();
        list->SetSubItem(row, TemplateColumn::Name, QString::fromUtf8(e.name));
        list->SetSubItem(row, TemplateColumn::File, QString::fromUtf8(e.file));
    }
}

void Templates::List3_DblClick()
{
    Controls& u = m_ctx.ui;
    const int row = u.List3->SelectedItem();
    if (row < 0)
        return; // nothing chosen: nothing to show

    Navigation(m_ctx).openTemplateViewer(u.List3->SubItem(row, TemplateColumn::Name));

    const QString path = templatePath(m_ctx.programDir, u.List3->SubItem(row, TemplateColumn::File));
    // Read into a document of its own, then hand it to the box whole: the box
    // never shows half a template, and a failed read leaves it empty.
    auto* doc = new QTextDocument(u.textlege);
    doc->setDefaultFont(u.textlege->font());
    QString why;
    if (!RtfReader().readFile(path, *doc, &why)) {
        delete doc;
        u.textlege->clear();
        // The reader's reason goes on a line of its own.
        QString text = QStringLiteral("Fisierul %1 nu poate fi deschis.").arg(QDir::toNativeSeparators(path));
        if (!why.isEmpty())
            text += QLatin1Char('\r') + why;
        throw UserError(text);
    }
    // The box deletes a document it made itself; one of ours goes here.
    QTextDocument* old = u.textlege->document();
    const bool ours = old && old->parent() == u.textlege;
    u.textlege->setDocument(doc);
    if (ours)
        delete old;
}
