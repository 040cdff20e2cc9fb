#include "ui/Form1.h"

#include "agenda/AgendaPractice.h"
#include "agenda/DayViews.h"
#include "agenda/EventEditor.h"
#include "agenda/EventTypes.h"
#include "catalogue/ActReader.h"
#include "catalogue/ActViewer.h"
#include "catalogue/Favourites.h"
#include "catalogue/PrintCommand.h"
#include "catalogue/RecentActs.h"
#include "catalogue/SearchCommand.h"
#include "catalogue/SearchIndex.h"
#include "catalogue/SearchKeys.h"
#include "catalogue/UpdateCommand.h"
#include "catalogue/ViewerFind.h"
#include "contracts/Templates.h"
#include "shell/Navigation.h"
#include "shell/OfficeLogin.h"
#include "store/modDB.h"
#include "ui/Layout.h"
#include "ui/ReaderLayout.h"
#include "ui/Startup.h"
#include "ui/WindowArt.h"
#include "ui/WindowChrome.h"

// Daily use
#include "agenda/EventDeletion.h"
#include "catalogue/ActCount.h"
#include "ui/Keyboard.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include <exception>

Form1::Form1(const QString& programDir, QWidget* parent, Dialogs* dialogs)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_db(std::make_unique<modDB>(programDir)),
      m_ownDialogs(std::make_unique<ModalDialogs>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(803, 602);

    m_ctx = std::make_unique<AppContext>(
        AppContext{m_ui, *this, *m_db, this, programDir, dialogs ? dialogs : m_ownDialogs.get(), ShortDate(), QDate()});

    Layout::buildWindow(this, m_ui);

    m_navigation = std::make_unique<Navigation>(*m_ctx);
    m_chrome = std::make_unique<WindowChrome>(*m_ctx);
    m_search = std::make_unique<SearchCommand>(*m_ctx);
    m_viewer = std::make_unique<ActViewer>(*m_ctx);
    m_favourites = std::make_unique<Favourites>(*m_ctx);
    m_recent = std::make_unique<RecentActs>(*m_ctx);
    m_print = std::make_unique<PrintCommand>(*m_ctx);
    m_update = std::make_unique<UpdateCommand>(*m_ctx);
    m_days = std::make_unique<DayViews>(*m_ctx);
    m_events = std::make_unique<EventEditor>(*m_ctx);
    m_types = std::make_unique<EventTypes>(*m_ctx);
    m_templates = std::make_unique<Templates>(*m_ctx);

    connectControls();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    Form_Load();
    guarded([this] { SearchIndex::prepareAtStart(*m_ctx); }); // search index: built or repaired once at start
}

Form1::~Form1() = default;

void Form1::setToday(const QDate& today)
{
    m_ctx->fixedToday = today;
}

void Form1::setShortDateFormat(const QString& format)
{
    m_ctx->dates = ShortDate(format);
}

void Form1::setDialogs(Dialogs* dialogs)
{
    m_ctx->dialogs = dialogs ? dialogs : m_ownDialogs.get();
}

modDB& Form1::db()
{
    return *m_db;
}

void Form1::guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const UserError& e) {
        m_ctx->message(e.message());
    } catch (const std::exception& e) {
        m_ctx->message(QStringLiteral("A aparut o eroare neasteptata: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

void Form1::connectControls()
{
    Controls& u = m_ui;
    connect(u.Cautare, &MouseArea::Click, this, &Form1::Cautare_Click);
    connect(u.LegiCons, &MouseArea::Click, this, &Form1::LegiCons_Click);
    connect(u.LegiFav, &MouseArea::Click, this, &Form1::LegiFav_Click);
    connect(u.Agenda, &MouseArea::Click, this, &Form1::Agenda_Click);
    connect(u.Contracte, &MouseArea::Click, this, &Form1::Contracte_Click);
    connect(u.Update, &MouseArea::Click, this, &Form1::Update_Click);
    connect(u.Image2, &MouseArea::MouseDown, this, &Form1::Image2_MouseDown);
    connect(u.Image2, &MouseArea::MouseMove, this, &Form1::Image2_MouseMove);
    connect(u.Image2, &MouseArea::MouseUp, this, &Form1::Image2_MouseUp);
    connect(u.Label27, &ClickLabel::Click, this, &Form1::Label27_Click);
    connect(u.Label29, &ClickLabel::Click, this, &Form1::Label29_Click);

    connect(u.Label1, &ClickLabel::Click, this, &Form1::Label1_Click);
    connect(u.luna, &ComboBox::Click, this, &Form1::luna_Click);
    connect(u.List1, &ListView::DblClick, this, &Form1::List1_DblClick);
    connect(u.List4, &ListView::DblClick, this, &Form1::List4_DblClick);
    connect(u.List1, &ListView::MouseUp, this, &Form1::List1_MouseUp);
    connect(u.List3, &ListView::DblClick, this, &Form1::List3_DblClick);
    connect(u.Fav, &ClickLabel::Click, this, &Form1::Fav_Click);
    connect(u.sterge, &QAction::triggered, this, &Form1::sterge_Click);
    connect(u.Label12, &ClickLabel::Click, this, &Form1::Label12_Click);
    connect(u.Inapoi, &ClickLabel::Click, this, &Form1::Inapoi_Click);
    connect(u.inapoi2, &ClickLabel::Click, this, &Form1::inapoi2_Click);

    connect(u.Label15, &ClickLabel::Click, this, &Form1::Label15_Click);
    connect(u.Label16, &ClickLabel::Click, this, &Form1::Label16_Click);
    connect(u.Label17, &ClickLabel::Click, this, &Form1::Label17_Click);
    connect(u.Label18, &ClickLabel::Click, this, &Form1::Label18_Click);
    connect(u.Label19, &ClickLabel::Click, this, &Form1::Label19_Click);
    connect(u.View1, &ListView::DblClick, this, &Form1::View1_DblClick);
    connect(u.View2, &ListView::DblClick, this, &Form1::View2_DblClick);
    connect(u.View3, &ListView::DblClick, this, &Form1::View3_DblClick);
    connect(u.tipev, &ComboBox::Click, this, &Form1::tipev_Click);
    connect(u.Label26, &ClickLabel::Click, this, &Form1::Label26_Click);
    connect(u.modif, &ClickLabel::Click, this, &Form1::modif_Click);
    connect(u.Label13, &ClickLabel::Click, this, &Form1::Label13_Click);
    connect(u.deftip, &ClickLabel::Click, this, &Form1::deftip_Click);
    connect(u.Label28, &ClickLabel::Click, this, &Form1::Label28_Click);
    connect(u.Label34, &ClickLabel::Click, this, &Form1::Label34_Click);

    // Act reader: headings, links between acts, citation, saving
    Layout::buildReaderControls(this, u);
    m_reader = std::make_unique<ActReader>(*m_ctx);
    m_viewer->present = [this](const QString& text) { m_reader->present(text); };
    m_viewer->onShown = [this](const QString& actId) { m_reader->actOpened(actId); };
    // Search in texts, hits and the find field
    m_searchKeys = std::make_unique<SearchKeys>(*m_ctx);
    m_viewerFind = std::make_unique<ViewerFind>(*m_ctx);
    connect(m_searchKeys.get(), &SearchKeys::searchRequested, this, &Form1::Label1_Click);
    connect(m_searchKeys.get(), &SearchKeys::openRequested, this, &Form1::List1_DblClick);
    for (MouseArea* entry : {u.Cautare, u.LegiCons, u.LegiFav})
        connect(entry, &MouseArea::Click, this, [this] { HitKeyword.clear(); });
    for (ClickLabel* back : {u.Inapoi, u.inapoi2})
        connect(back, &ClickLabel::Click, m_viewerFind.get(), &ViewerFind::close);
    connect(u.List3, &ListView::DblClick, m_viewerFind.get(), &ViewerFind::close);
    // Daily use: keyboard, event deletion, act count
    setupDailyUse();
    // Agenda of a practice
    connectPractice();
    // Office mode: the server's login goes through the window's dialogs.
    OfficeLogin::attach(*m_ctx);
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    WindowArt::paintBackground(painter, rect());
}

void Form1::Form_Load()
{
    guarded([this] { Startup::Form_Load(*m_ctx); });
}

void Form1::Cautare_Click()
{
    guarded([this] { m_navigation->Cautare_Click(); });
}
void Form1::LegiCons_Click()
{
    guarded([this] {
        m_navigation->LegiCons_Click();
        m_recent->LoadRecentActs();
    });
}
void Form1::LegiFav_Click()
{
    guarded([this] {
        m_navigation->LegiFav_Click();
        m_favourites->LoadFavourites();
    });
}
void Form1::Agenda_Click()
{
    guarded([this] {
        m_navigation->Agenda_Click();
        m_days->Agenda_Click();
    });
}
void Form1::Contracte_Click()
{
    guarded([this] {
        m_navigation->Contracte_Click();
        m_templates->Contracte_Click();
    });
}
void Form1::Update_Click()
{
    guarded([this] { m_update->Update_Click(); });
}
void Form1::ImportUpdatePack(const QString& path)
{
    guarded([this, &path] { m_update->ImportUpdatePack(path); });
}
void Form1::Image2_MouseDown(int button, int shift, float x, float y)
{
    m_chrome->Image2_MouseDown(button, shift, x, y);
}
void Form1::Image2_MouseMove(int button, int shift, float x, float y)
{
    m_chrome->Image2_MouseMove(button, shift, x, y);
}
void Form1::Image2_MouseUp(int button, int shift, float x, float y)
{
    m_chrome->Image2_MouseUp(button, shift, x, y);
}
void Form1::Label27_Click()
{
    m_chrome->Label27_Click();
}
void Form1::Label29_Click()
{
    m_chrome->Label29_Click();
}

void Form1::Label1_Click()
{
    guarded([this] { m_search->Label1_Click(); });
}
void Form1::luna_Click()
{
    guarded([this] { m_search->luna_Click(); });
}
void Form1::List1_DblClick()
{
    guarded([this] { m_viewer->List1_DblClick(); });
}
void Form1::List4_DblClick()
{
    guarded([this] { m_viewer->List4_DblClick(); });
}
void Form1::Fav_Click()
{
    guarded([this] { m_favourites->Fav_Click(); });
}
void Form1::LoadFavourites()
{
    guarded([this] { m_favourites->LoadFavourites(); });
}
void Form1::List1_MouseUp(int button, int shift, float x, float y)
{
    guarded([&] { m_favourites->List1_MouseUp(button, shift, x, y); });
}
void Form1::sterge_Click()
{
    guarded([this] { m_favourites->sterge_Click(); });
}
void Form1::LoadRecentActs()
{
    guarded([this] { m_recent->LoadRecentActs(); });
}
void Form1::Label12_Click()
{
    guarded([this] { m_print->Label12_Click(); });
}
void Form1::Inapoi_Click()
{
    guarded([this] { m_navigation->Inapoi_Click(); });
}
void Form1::inapoi2_Click()
{
    guarded([this] { m_navigation->inapoi2_Click(); });
}

void Form1::Label15_Click()
{
    guarded([this] { m_days->Label15_Click(); });
}
void Form1::Label16_Click()
{
    guarded([this] { m_days->Label16_Click(); });
}
void Form1::RefreshDayViews()
{
    guarded([this] { m_days->RefreshDayViews(); });
}
void Form1::Label17_Click()
{
    guarded([this] { m_events->openForDay(1); });
}
void Form1::Label18_Click()
{
    guarded([this] { m_events->openForDay(2); });
}
void Form1::Label19_Click()
{
    guarded([this] { m_events->openForDay(3); });
}
void Form1::View1_DblClick()
{
    guarded([this] { m_events->openEvent(1); });
}
void Form1::View2_DblClick()
{
    guarded([this] { m_events->openEvent(2); });
}
void Form1::View3_DblClick()
{
    guarded([this] { m_events->openEvent(3); });
}
void Form1::LoadEventTypes()
{
    guarded([this] { m_events->LoadEventTypes(); });
}
void Form1::tipev_Click()
{
    guarded([this] { m_events->tipev_Click(); });
}
void Form1::Label26_Click()
{
    guarded([this] { m_events->Label26_Click(); });
}
void Form1::modif_Click()
{
    guarded([this] { m_events->modif_Click(); });
}
void Form1::Label13_Click()
{
    guarded([this] { m_navigation->Label13_Click(); });
}
void Form1::deftip_Click()
{
    guarded([this] { m_navigation->deftip_Click(); });
}
void Form1::Label28_Click()
{
    guarded([this] { m_types->Label28_Click(); });
}
void Form1::Label34_Click()
{
    guarded([this] { m_navigation->Label34_Click(); });
}

void Form1::List3_DblClick()
{
    guarded([this] { m_templates->List3_DblClick(); });
}
