#pragma once

#include <QObject>
#include <QTextFormat>

class QTextDocument;

// The running header and footer of a document, kept beside it as a child
// object so that whoever prints the document can draw them on every page.
// They belong to the content they came with: any change of the document's
// content (another text loaded into the same document) drops them.
class PageDecoration : public QObject {
public:
    // A character-format property on the text of a page field: the text is
    // replaced by the page number or the page count when a page is drawn.
    static constexpr int kFieldProperty = QTextFormat::UserProperty + 0x2107;
    enum Field { PageNumber = 1, PageCount = 2 };

    // Distances from the paper's edge, in twips.
    int headerFromTop = 720;
    int footerFromBottom = 720;

    QTextDocument* header() const { return m_header; }
    QTextDocument* footer() const { return m_footer; }
    // The header and footer of page `page` (from 1): the first page may have
    // its own, empty ones included.
    QTextDocument* header(int page) const { return page == 1 && m_titlePage ? m_firstHeader : m_header; }
    QTextDocument* footer(int page) const { return page == 1 && m_titlePage ? m_firstFooter : m_footer; }
    // Gives the first page a header and footer of its own (either may be null).
    void setFirstPage(const QTextDocument* header, const QTextDocument* footer);

    // The decoration kept with `doc`, or null.
    static PageDecoration* of(const QTextDocument& doc);
    // Gives `doc` a decoration made of copies of `header` and `footer` (either
    // may be null or empty); a decoration it had before is replaced.
    static PageDecoration* attach(QTextDocument& doc, const QTextDocument* header, const QTextDocument* footer);

    // The text of a field on page `page` (from 1) of `pages`.
    static QString fieldText(int field, int page, int pages);

private:
    explicit PageDecoration(QTextDocument& doc);

    QTextDocument* m_header = nullptr;
    QTextDocument* m_footer = nullptr;
    QTextDocument* m_firstHeader = nullptr;
    QTextDocument* m_firstFooter = nullptr;
    bool m_titlePage = false;
};
