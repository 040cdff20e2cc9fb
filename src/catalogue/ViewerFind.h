#pragma once

#include <QObject>

struct AppContext;

// Find in the viewer: Ctrl+F opens the field `gaseste` along the lower edge of
// `textlege`; it marks every hit as the user types (folded like the search),
// Enter and F3 go to the next hit, Shift+F3 to the previous, Esc closes it.
// F3 and Shift+F3 also walk the hits of the search the act was opened from.
class ViewerFind final : public QObject {
    Q_OBJECT
public:
    explicit ViewerFind(AppContext& ctx);

    void open();
    // Hides the field and takes every mark off the viewer.
    void close();
    void next(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    bool viewerShown() const;

    AppContext& m_ctx;
};
