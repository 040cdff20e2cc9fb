#include "support/TestSupport.h"

#include "store/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>

#include <sqlite3.h>

#include <stdexcept>

namespace testsupport {
namespace {

QString readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(f.readAll());
}

struct Handle {
    sqlite3* db = nullptr;
    explicit Handle(const QString& path)
    {
        if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK)
            throw std::runtime_error("cannot open test database");
        sqlite3_busy_timeout(db, 3000);
    }
    ~Handle() { sqlite3_close(db); }
    void exec(const QString& sql)
    {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
            const std::string message = err ? err : "?";
            sqlite3_free(err);
            throw std::runtime_error("test SQL failed: " + message + " in " + sql.left(200).toStdString());
        }
    }
};

} // namespace

TempProgram::TempProgram(bool withDemo)
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary directory");
    QDir(m_dir.path()).mkpath(QStringLiteral("db"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Docs"));
    Handle h(dbPath());
    h.exec(readAll(QStringLiteral(TARVENOR_SCHEMA_PATH)));
    if (withDemo)
        h.exec(readAll(QStringLiteral(TARVENOR_DEMO_PATH)));
    // The demo publisher's key, as the build installs it beside the database.
    QFile::copy(QStringLiteral(TARVENOR_SOURCE_DIR "/db/trusted-keys"),
                QDir(m_dir.path()).filePath(QStringLiteral("db/trusted-keys")));
    const QDir docs(QStringLiteral(TARVENOR_SOURCE_DIR "/Docs"));
    for (const QString& name : docs.entryList({QStringLiteral("*.rtf")}, QDir::Files))
        QFile::copy(docs.filePath(name), QDir(m_dir.path()).filePath(QStringLiteral("Docs/") + name));
}

QString TempProgram::dbPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("db/database.sqlite"));
}

void TempProgram::exec(const QString& sql) const
{
    Handle(dbPath()).exec(sql);
}

std::vector<QStringList> TempProgram::rows(const QString& sql) const
{
    Handle h(dbPath());
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(h.db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("test query failed: ") + sqlite3_errmsg(h.db));
    std::vector<QStringList> out;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            // Decoded as the program decodes, so a value reads back alike here and there.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row << (text ? TextEncoding::fromStoreUtf8(text, sqlite3_column_bytes(stmt, i)) : QString());
        }
        out.push_back(row);
    }
    sqlite3_finalize(stmt);
    return out;
}

QString TempProgram::scalar(const QString& sql) const
{
    const auto r = rows(sql);
    return r.empty() || r.front().isEmpty() ? QString() : r.front().front();
}

long long TempProgram::count(const QString& table) const
{
    return scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
}

namespace {

class RecordingProgress final : public Progress {
public:
    explicit RecordingProgress(RecordingDialogs& owner) : m_owner(owner) {}
    bool step(qint64, qint64) override
    {
        const int n = m_owner.progressSteps++;
        return m_owner.cancelAtStep < 0 || n < m_owner.cancelAtStep;
    }

private:
    RecordingDialogs& m_owner;
};

} // namespace

std::unique_ptr<Progress> RecordingDialogs::startProgress(QWidget*, const QString& label)
{
    progressLabels << label;
    return std::make_unique<RecordingProgress>(*this);
}

bool RecordingDialogs::question(QWidget*, const QString& text)
{
    questions << text;
    if (answers.empty())
        return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

FormFixture::FormFixture(bool withDemo, const QDate& day) : program(withDemo), today(day)
{
    restart();
}

void FormFixture::restart()
{
    m_form.reset();
    m_form = std::make_unique<Form1>(program.dir(), nullptr, &dialogs);
    m_form->setToday(today);
    m_form->setShortDateFormat(QStringLiteral("dd.MM.yyyy"));
}

QStringList joinedRows(const TempProgram& program, const QString& sql)
{
    QStringList out;
    for (const QStringList& r : program.rows(sql))
        out << r.join(QLatin1Char('|'));
    return out;
}

QStringList listRows(const ListView& view)
{
    QStringList out;
    const int columns = view.model()->columnCount();
    for (int r = 0; r < view.Count(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << view.SubItem(r, c);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QStringList listColumn(const ListView& view, int column)
{
    QStringList out;
    for (int r = 0; r < view.Count(); ++r)
        out << view.SubItem(r, column);
    return out;
}

QString quoted(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QStringList utf8List(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* i : items)
        out << QString::fromUtf8(i);
    return out;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path, double borderMm)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                 QMarginsF(borderMm, borderMm, borderMm, borderMm), QPageLayout::Millimeter));
    return p;
}

} // namespace testsupport
