#include "controls/PageDecoration.h"

#include <QTextDocument>

namespace {
const char* const kName = "tarvenor-page-decoration";
}

PageDecoration::PageDecoration(QTextDocument& doc) : QObject(&doc)
{
    setObjectName(QLatin1String(kName));
}

PageDecoration* PageDecoration::of(const QTextDocument& doc)
{
    return doc.findChild<PageDecoration*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
}

PageDecoration* PageDecoration::attach(QTextDocument& doc, const QTextDocument* header, const QTextDocument* footer)
{
    delete of(doc);
    auto* d = new PageDecoration(doc);
    if (header && !header->isEmpty()) {
        d->m_header = header->clone(d);
    }
    if (footer && !footer->isEmpty()) {
        d->m_footer = footer->clone(d);
    }
    // Another text in the same document is no longer this header's content.
    QObject::connect(&doc, &QTextDocument::contentsChanged, d, [d] {
        d->setObjectName(QString());
        d->deleteLater();
    });
    return d;
}

void PageDecoration::setFirstPage(const QTextDocument* header, const QTextDocument* footer)
{
    m_titlePage = true;
    m_firstHeader = header && !header->isEmpty() ? header->clone(this) : nullptr;
    m_firstFooter = footer && !footer->isEmpty() ? footer->clone(this) : nullptr;
}

QString PageDecoration::fieldText(int field, int page, int pages)
{
    return QString::number(field == PageCount ? pages : page);
}
