#pragma once

#include <QObject>
#include <QString>

struct AppContext;

// Deleting an event of the agenda: a right-click on its row opens the pop-up
// evmeniu, whose one entry (or the Delete key on the selected row) asks
// before the row goes. Also gives every event row its comment as tool tip.
class EventDeletion : public QObject {
    Q_OBJECT
public:
    explicit EventDeletion(AppContext& ctx);

    // Mouse-up on day view 1, 2 or 3 (button code 2: right).
    void viewMouseUp(int day, int button, float x, float y);
    // The pop-up's entry: deletes the selected event of the day last pointed at.
    void stergeev_Click();

    static QString question(const QString& hour, const QString& type);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_ctx;
    int m_day = 0; // the day view the pop-up or the key belongs to
};
