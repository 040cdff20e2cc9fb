#pragma once

#include <QString>

struct AppContext;

// Opens an act from the act list or the news list in the viewer.
class ActViewer {
public:
    explicit ActViewer(AppContext& ctx) : m_ctx(ctx) {}

    void List1_DblClick();
    void List4_DblClick();

    // The viewer's text, one line per line break: title, three empty lines,
    // the act, one empty line, the marker.
    static QString composeText(const QString& title, QString content);

private:
    void ShowAct(const QString& title, QString content);
    void recordOpening(const QString& actId);

    AppContext& m_ctx;
};
