#pragma once

#include "catalogue/ActReferences.h"
#include "catalogue/ActStructure.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

struct AppContext;
class QStringListModel;

// The act viewer as a reader: headings in bold and in the heading list
// `articole`, Ctrl+G to an article, links between acts (`act:ID`) with a
// back and forward history (Alt+Left, Alt+Right), the citation added to a
// copied passage, and "Salveaza" (Ctrl+S) to PDF, ODF or text.
class ActReader : public QObject {
    Q_OBJECT
public:
    explicit ActReader(AppContext& ctx);

    // Fills the viewer with an act's composed text, formats included.
    void present(const QString& composed);
    // An act was opened from a list and its opening recorded.
    void actOpened(const QString& actId);

    void followLink(const QString& actId);
    void goBack();
    void goForward();
    void jumpToArticle();
    void save();
    void copySelection();
    void showHeading(int index);

    // Whether every heading and link of the shown act has its format yet
    // (a long act gets them in steps after it opens).
    bool decorationDone() const;

    // "Title, publicat in Monitorul Oficial nr. 72/2003".
    QString citation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        QString actId;
        qsizetype position = 0; // the first character on screen
        int scroll = 0;
    };

    bool actShown() const;
    void updateVisibility();
    bool openAct(const QString& actId);
    // Formats the headings and links that start before `end`; true when none is left.
    bool decorateUpTo(qsizetype end);
    void decorateRest(unsigned generation);
    bool stillShowing(unsigned generation) const;
    // Finds the headings and the references (resolved) of the shown text.
    void analyse();
    void showHeadingList();
    void returnTo(std::vector<Place>& from, std::vector<Place>& to);
    qsizetype readingPosition() const;
    void scrollTo(qsizetype position);
    void guarded(const std::function<void()>& work);
    bool openLinkAt(const QString& href);

    AppContext& m_ctx;
    QString m_actId;
    std::vector<ActStructure::Heading> m_headings;
    std::vector<Place> m_back;
    std::vector<Place> m_forward;
    QString m_pressedAnchor;
    QStringListModel* m_headingLabels = nullptr;
    QString m_text; // the shown text, as its positions count
    bool m_analysed = false;
    std::vector<ActReferences::Reference> m_links;
    std::size_t m_nextHeading = 0;
    std::size_t m_nextLink = 0;
    unsigned m_generation = 0;
    int m_decoratedLength = 0;
};
