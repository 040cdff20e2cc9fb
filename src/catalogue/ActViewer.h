#pragma once

#include <QString>

#include <functional>

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

    // When set, puts the composed text into the viewer instead of the plain
    // replacement (the reader adds its formats as it fills the box).
    std::function<void(const QString& text)> present;
    // Told each act the viewer shows, after its opening is recorded.
    std::function<void(const QString& actId)> onShown;

private:
    void ShowAct(const QString& title, QString content);
    void recordOpening(const QString& actId);

    AppContext& m_ctx;
};
