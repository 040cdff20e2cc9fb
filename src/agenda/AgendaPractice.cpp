#include "agenda/AgendaPractice.h"

#include "agenda/TodayCount.h"
#include "shell/AppContext.h"

#include <QLineEdit>
#include <QStyle>
#include <QTimer>

AgendaPractice::AgendaPractice(AppContext& ctx)
    : m_ctx(ctx), m_deadlines(ctx, m_days), m_month(ctx, m_days), m_export(ctx)
{
}

void AgendaPractice::start()
{
    m_days.load(m_ctx.programDir);
    const QString problems = m_days.problemsMessage();
    if (!problems.isEmpty())
        m_ctx.message(problems);
    m_deadlines.setUp();
    m_month.setUp();
    for (QLineEdit* box : {m_ctx.ui.Text1, m_ctx.ui.Text2, m_ctx.ui.Text3}) {
        markDayBox(box);
        QObject::connect(box, &QLineEdit::textChanged, box, [this, box] { markDayBox(box); });
    }
    // Midnight passes while the program runs; a look each half minute is
    // plenty for a count of the day's events.
    m_clock = new QTimer(m_ctx.window);
    m_clock->setObjectName(QStringLiteral("evaziceas"));
    m_clock->setInterval(30000);
    QObject::connect(m_clock, &QTimer::timeout, m_clock, [this] { checkDate(); });
    m_clock->start();
    m_countedDay = m_ctx.today();
    try {
        TodayCount::refresh(m_ctx);
    } catch (const std::exception&) {
        // Start-up skips a failing step quietly; the first action that reads
        // the store tells the user, and the clock counts again later.
        m_countedDay = QDate();
    }
}

void AgendaPractice::markDayBox(QLineEdit* box)
{
    const QString why = m_days.reason(m_ctx.dates.fromText(box->text()));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, why.isEmpty() ? box->style()->standardPalette().color(QPalette::Text) : Qt::red);
    box->setPalette(pal);
    box->setToolTip(why);
}

void AgendaPractice::hidePanels()
{
    m_ctx.ui.termen->hide();
    m_ctx.ui.calendarluna->hide();
}

void AgendaPractice::checkDate()
{
    if (m_ctx.today() == m_countedDay)
        return;
    m_countedDay = m_ctx.today();
    try {
        TodayCount::refresh(m_ctx);
    } catch (const std::exception&) {
        // The store is busy or gone for a moment; the next look tries again.
        m_countedDay = QDate();
    }
}
