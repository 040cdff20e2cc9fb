#pragma once

#include <QObject>

struct AppContext;

// The keyboard of the search: Enter in any search field runs "CAUTA!", Enter
// on a row of the act list opens it. Also puts the check box `intext` ("si in
// textul actelor") beside the keyword field.
class SearchKeys final : public QObject {
    Q_OBJECT
public:
    explicit SearchKeys(AppContext& ctx);

signals:
    void searchRequested();
    void openRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_ctx;
};
