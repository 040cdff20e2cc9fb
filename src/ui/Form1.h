#pragma once

#include "shell/AppContext.h"
#include "shell/Controls.h"
#include "shell/WindowState.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <memory>

class modDB;
class Navigation;
class WindowChrome;
class SearchCommand;
class ActViewer;
class Favourites;
class RecentActs;
class PrintCommand;
class UpdateCommand;
class DayViews;
class EventEditor;
class EventTypes;
class Templates;
class Keyboard;
class EventDeletion;
class ActCount;
class AgendaPractice;
class ActReader;
class SearchKeys;
class ViewerFind;

// The program's one window. It owns the store, the controls and the
// subsystems; each handler slot forwards to the subsystem that does the work.
class Form1 : public QWidget, public WindowState {
    Q_OBJECT
public:
    explicit Form1(const QString& programDir, QWidget* parent = nullptr, Dialogs* dialogs = nullptr);
    ~Form1() override;

    // Tests fix the calendar and the regional short-date form.
    void setToday(const QDate& today);
    void setShortDateFormat(const QString& format);
    // Tests answer the window's questions; the window keeps using them until replaced.
    void setDialogs(Dialogs* dialogs);

    modDB& db();
    Controls& controls() { return m_ui; }
    AppContext& context() { return *m_ctx; }

public slots:
    void Form_Load();

    // Main menu and chrome
    void Cautare_Click();
    void LegiCons_Click();
    void LegiFav_Click();
    void Agenda_Click();
    void Contracte_Click();
    void Update_Click();
    void ImportUpdatePack(const QString& path);
    void Image2_MouseDown(int button, int shift, float x, float y);
    void Image2_MouseMove(int button, int shift, float x, float y);
    void Image2_MouseUp(int button, int shift, float x, float y);
    void Label27_Click();
    void Label29_Click();

    // Catalogue
    void Label1_Click();
    void luna_Click();
    void List1_DblClick();
    void List4_DblClick();
    void Fav_Click();
    void LoadFavourites();
    void List1_MouseUp(int button, int shift, float x, float y);
    void sterge_Click();
    void LoadRecentActs();
    void Label12_Click();
    void Inapoi_Click();
    void inapoi2_Click();

    // Agenda
    void Label15_Click();
    void Label16_Click();
    void RefreshDayViews();
    void Label17_Click();
    void Label18_Click();
    void Label19_Click();
    void View1_DblClick();
    void View2_DblClick();
    void View3_DblClick();
    void LoadEventTypes();
    void tipev_Click();
    void Label26_Click();
    void modif_Click();
    void Label13_Click();
    void deftip_Click();
    void Label28_Click();
    void Label34_Click();

    // Contracts
    void List3_DblClick();

    // Daily use: deleting an agenda event (pop-up evmeniu, Delete key)
    void stergeev_Click();
    // Agenda of a practice: deadlines, month calendar, calendar export
    void calctermen_Click();
    void termenadauga_Click();
    void termeninapoi_Click();
    void vezicalendar_Click();
    void calendarinapoi_Click();
    void exportics_Click();
    void ExportAgenda(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Runs a handler's work; a store failure or any other error becomes a
    // message and the program goes on.
    void guarded(const std::function<void()>& work);
    void connectControls();

    std::unique_ptr<modDB> m_db;
    Controls m_ui;
    std::unique_ptr<Dialogs> m_ownDialogs;
    std::unique_ptr<AppContext> m_ctx;

    std::unique_ptr<Navigation> m_navigation;
    std::unique_ptr<WindowChrome> m_chrome;
    std::unique_ptr<SearchCommand> m_search;
    std::unique_ptr<ActViewer> m_viewer;
    std::unique_ptr<Favourites> m_favourites;
    std::unique_ptr<RecentActs> m_recent;
    std::unique_ptr<PrintCommand> m_print;
    std::unique_ptr<UpdateCommand> m_update;
    std::unique_ptr<DayViews> m_days;
    std::unique_ptr<EventEditor> m_events;
    std::unique_ptr<EventTypes> m_types;
    std::unique_ptr<Templates> m_templates;

    // Daily use: keyboard, event deletion, act count (ui/DailyUse.cpp)
    void setupDailyUse();
    std::unique_ptr<EventDeletion> m_eventDeletion;
    std::unique_ptr<ActCount> m_actCount;
    std::unique_ptr<Keyboard> m_keyboard;
    // Agenda of a practice (ui/Form1Practice.cpp)
    void connectPractice();
    std::unique_ptr<AgendaPractice> m_practice;
    // Act reader: headings, links between acts, citation, saving
    std::unique_ptr<ActReader> m_reader;
    // Search in texts, hits and the find field
    std::unique_ptr<SearchKeys> m_searchKeys;
    std::unique_ptr<ViewerFind> m_viewerFind;
};
