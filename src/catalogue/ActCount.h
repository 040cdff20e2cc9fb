#pragma once

#include <QObject>
#include <QString>

struct AppContext;

// The label nrgasite under the act list: how many acts List1 holds, kept up
// to date on every rebuild, and shown only while List1 is.
class ActCount : public QObject {
    Q_OBJECT
public:
    explicit ActCount(AppContext& ctx);

    // "Niciun act gasit.", "1 act", "N acte".
    static QString text(int acts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update();

    AppContext& m_ctx;
};
