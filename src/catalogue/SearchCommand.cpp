#include "catalogue/SearchCommand.h"

#include "catalogue/ActListRebuild.h"
#include "catalogue/Cautare.h"
#include "catalogue/OpData.h"
#include "catalogue/SearchIndex.h"
#include "shell/AppContext.h"
#include "store/modDB.h"

#include <QCheckBox>

namespace {

const QChar kCR(13);

} // namespace

void SearchCommand::fillDays(ComboBox& zi, int days)
{
    zi.Clear();
    for (int d = 1; d <= days; ++d)
        zi.AddItem(d < 10 ? QStringLiteral("0%1").arg(d) : QString::number(d));
}

void SearchCommand::Label1_Click()
{
    Controls& u = m_ctx.ui;

    u.List1->Clear();
    m_ctx.state.AllActsListed = false;

    u.data->setText(u.zi->Text() + QLatin1Char('-') + u.luna->Text() + QLatin1Char('-') + u.anull->Text());

    QString message = QStringLiteral("Eroare:");
    bool valid = true;
    auto fail = [&](const QString& line) {
        valid = false;
        message += kCR;
        message += line;
    };
    if (!OpData::CheckNumeric(u.nract->text()))
        fail(QStringLiteral(" Nr. act nu este numeric."));
    if (!OpData::CheckNumeric(u.nr->text()))
        fail(QStringLiteral(" Nr. Monitorul Oficial nu este numeric."));
    if (!OpData::CheckDate(u.data->text()))
        fail(QStringLiteral(" Data nu este valida. Ex: 30-12-2005(zz-ll-aaaa) sau 30/12/2005(zz/ll/aaaa)"));
    if (!OpData::CheckYear(u.an->text()))
        fail(QStringLiteral(" Anul nu este numeric sau nu contine 4 caractere."));
    if (!valid) {
        m_ctx.message(message);
        return;
    }

    const QString actType = u.tipact->Text();
    const QString actNumber = u.nract->text();
    QString date = u.data->text();
    Cautare::ReplaceChars(date, QStringLiteral("/"), QStringLiteral("-"));
    // The catalogue holds dates as dd-mm-yyyy: "1-2-2005" must find "01-02-2005".
    date = OpData::storedDateForm(date);
    const QString gazette = u.nr->text();
    const QString year = u.an->text();
    const QString issuer = u.emitent->Text();
    const QString keyword = u.cuvcheie->text();

    QString sql;
    const bool byWords = !SearchIndex::titleWords(keyword).isEmpty();
    if (byWords) {
        // Words in any order and any spelling, in titles and, if asked, texts.
        const bool inText = u.intext && u.intext->isChecked();
        const QString criteria = Cautare::BuildSearchSql(actType, actNumber, date, gazette, year, issuer, QString());
        sql = m_ctx.db.isOffice() ? SearchIndex::serverStatement(criteria, keyword, inText)
                                  : SearchIndex::statement(criteria, keyword, inText, SearchIndex::present(m_ctx.db));
    } else {
        sql = Cautare::BuildSearchSql(actType, actNumber, date, gazette, year, issuer, keyword);
        // Only three fields are listed. Naming them keeps the engine from loading
        // every matching act's full text: a search over the whole catalogue would
        // otherwise read all of it. Same conditions, same rows, same order.
        static const QString everything = QStringLiteral("select * from Acte ");
        if (sql.startsWith(everything))
            sql.replace(0, everything.size(), QStringLiteral("select ID, Titlu, TipAct from Acte "));
    }
    m_ctx.db.RunSql(sql, true);

    ListView& list = *u.List1;
    try {
        Recordset& rs = m_ctx.db.CurrentRs();
        ListFill fill(list);
        while (!rs.Eof()) {
            ActListRebuild::appendActRow(list, rs);
            rs.MoveNext();
        }
    } catch (const StoreError&) {
        // Half a result would pass for the whole one.
        list.Clear();
        throw;
    }

    m_ctx.state.HitKeyword = byWords ? keyword : QString();
    m_ctx.state.HitInText = byWords && u.intext && u.intext->isChecked();

    u.zi->setText(QStringLiteral("zz"));
    u.luna->setText(QStringLiteral("ll"));
    u.anull->setText(QStringLiteral("aaaa"));
}

void SearchCommand::luna_Click()
{
    Controls& u = m_ctx.ui;
    const QString month = u.luna->Text();
    static const QStringList longMonths = {QStringLiteral("01"), QStringLiteral("03"), QStringLiteral("05"),
                                           QStringLiteral("07"), QStringLiteral("08"), QStringLiteral("10"),
                                           QStringLiteral("12")};
    static const QStringList shortMonths = {QStringLiteral("04"), QStringLiteral("06"), QStringLiteral("09"),
                                            QStringLiteral("11")};
    if (longMonths.contains(month)) {
        fillDays(*u.zi, 31);
    } else if (shortMonths.contains(month)) {
        fillDays(*u.zi, 30);
    } else if (month == QLatin1String("02")) {
        // No leap-year rule: the 29th can still be typed.
        fillDays(*u.zi, 28);
    }
    u.zi->setText(QStringLiteral("01"));
}
