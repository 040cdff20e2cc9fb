#include "catalogue/UpdatePack.h"

#include "store/SqlLiteral.h"

#include <QDate>
#include <QFile>
#include <QStringDecoder>

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>

namespace UpdatePack {

namespace {

const QStringList kActColumns = {QStringLiteral("ID"),
                                 QStringLiteral("Titlu"),
                                 QStringLiteral("An"),
                                 QStringLiteral("DataAparitie"),
                                 QStringLiteral("Monitoruloficial"),
                                 QStringLiteral("Emitent"),
                                 QStringLiteral("Tipact"),
                                 QStringLiteral("Continut"),
                                 QStringLiteral("nract")};
const QStringList kNewsColumns = {QStringLiteral("id"), QStringLiteral("titlu"), QStringLiteral("link")};

struct Value {
    bool isNumber = false;
    QString text; // the digits of a number, or the text of a literal
};

// dd-mm-yyyy and a real calendar day. Read by hand: QDate::fromString
// builds a format parser on every call, which a large pack pays per act.
bool isStoredDate(const QString& text)
{
    if (text.size() != 10 || text[2] != QLatin1Char('-') || text[5] != QLatin1Char('-'))
        return false;
    auto number = [&](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const int day = number(0, 2), month = number(3, 2), year = number(6, 4);
    return day > 0 && month > 0 && year > 0 && QDate(year, month, day).isValid();
}

// A gzip stream closed by its owner on every path, refusals included.
struct GzClose {
    void operator()(gzFile_s* file) const { gzclose(file); }
};
using GzFile = std::unique_ptr<gzFile_s, GzClose>;

GzFile openGz(const QString& path, const char* mode)
{
    return GzFile(gzopen(QFile::encodeName(path).constData(), mode));
}

QString refusalMessage(int line, const QString& reason)
{
    QString text = QStringLiteral("Pachetul de actualizare a fost refuzat.\r");
    if (line > 0)
        text += QStringLiteral("Linia %1: ").arg(line);
    return text + reason + QStringLiteral("\rCatalogul nu a fost modificat.");
}

[[noreturn]] void refuse(int line, const QString& reason)
{
    throw Refusal(line, reason);
}

// A recursive-descent reader of exactly the two loading statements.
class Parser {
public:
    explicit Parser(const QString& text) : m_s(text) {}

    Pack run()
    {
        // A NUL cannot be stored as text; looked for once, before anything else.
        const qsizetype nul = m_s.indexOf(QChar(0));
        if (nul >= 0)
            refuse(1 + int(QStringView(m_s).left(nul).count(QLatin1Char('\n'))),
                   QStringLiteral("textul contine caracterul nul"));
        Pack pack;
        bool first = true;
        for (;;) {
            skipSpace();
            if (atEnd())
                break;
            if (startsWith(QStringLiteral("--"))) {
                const int lineStart = m_pos + 2;
                skipToLineEnd();
                if (first && m_line == 1)
                    pack.name = m_s.mid(lineStart, m_pos - lineStart).trimmed();
                first = false;
                continue;
            }
            first = false;
            statement(pack);
        }
        if (pack.acts.empty() && pack.news.empty())
            refuse(0, QStringLiteral("pachetul nu contine niciun act si nicio noutate"));
        checkRepeats(pack);
        return pack;
    }

private:
    bool atEnd() const { return m_pos >= m_s.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_s[m_pos]; }
    bool startsWith(const QString& what) const { return QStringView(m_s).mid(m_pos).startsWith(what); }

    void advance()
    {
        if (m_s[m_pos] == QLatin1Char('\n'))
            ++m_line;
        ++m_pos;
    }

    void skipSpace()
    {
        while (!atEnd() && peek().isSpace())
            advance();
    }

    void skipToLineEnd()
    {
        while (!atEnd() && peek() != QLatin1Char('\n'))
            ++m_pos;
    }

    QString word()
    {
        const int start = m_pos;
        while (!atEnd() && (peek().isLetterOrNumber() || peek() == QLatin1Char('_')))
            ++m_pos;
        return m_s.mid(start, m_pos - start);
    }

    void expectWord(const char* keyword)
    {
        const QString w = word();
        if (w.compare(QLatin1String(keyword), Qt::CaseInsensitive) != 0)
            refuse(m_line, QStringLiteral("se astepta %1, dar apare \"%2\"")
                               .arg(QLatin1String(keyword), w.isEmpty() ? QString(peek()) : w.left(30)));
    }

    void expectChar(char c, const char* what)
    {
        skipSpace();
        if (peek() != QLatin1Char(c))
            refuse(m_line, QStringLiteral("lipseste %1").arg(QLatin1String(what)));
        advance();
    }

    void statement(Pack& pack)
    {
        const int line = m_line;
        const QString verb = word();
        if (verb.compare(QLatin1String("INSERT"), Qt::CaseInsensitive) != 0) {
            if (verb.isEmpty())
                refuse(line, QStringLiteral("text neasteptat: \"%1\"").arg(m_s.mid(m_pos, 20)));
            refuse(line, QStringLiteral("instructiune nepermisa: %1 (un pachet poate doar adauga acte si noutati)")
                             .arg(verb.toUpper().left(30)));
        }
        skipSpace();
        expectWord("INTO");
        skipSpace();
        const QString table = word();
        const bool isActs = table.compare(QLatin1String("Acte"), Qt::CaseInsensitive) == 0;
        const bool isNews = table.compare(QLatin1String("noutati"), Qt::CaseInsensitive) == 0;
        if (!isActs && !isNews)
            refuse(line, QStringLiteral("tabel nepermis: \"%1\"").arg(table.left(40)));
        const QStringList& expected = isActs ? kActColumns : kNewsColumns;

        expectChar('(', "paranteza listei de coloane");
        QStringList columns;
        for (;;) {
            skipSpace();
            columns << word();
            skipSpace();
            if (peek() == QLatin1Char(','))
                advance();
            else
                break;
        }
        expectChar(')', "paranteza de inchidere a listei de coloane");
        bool sameColumns = columns.size() == expected.size();
        for (int i = 0; sameColumns && i < columns.size(); ++i)
            sameColumns = columns[i].compare(expected[i], Qt::CaseInsensitive) == 0;
        if (!sameColumns)
            refuse(line, QStringLiteral("lista de coloane nu este cea a tabelului %1 (%2)")
                             .arg(isActs ? QStringLiteral("Acte") : QStringLiteral("noutati"),
                                  expected.join(QStringLiteral(", "))));
        skipSpace();
        expectWord("VALUES");
        expectChar('(', "paranteza listei de valori");
        std::vector<Value> values;
        for (;;) {
            skipSpace();
            values.push_back(value());
            skipSpace();
            if (peek() == QLatin1Char(','))
                advance();
            else
                break;
        }
        expectChar(')', "paranteza de inchidere a listei de valori");
        expectChar(';', "\";\" la sfarsitul instructiunii");
        // Nothing else may follow on the statement's last line.
        while (!atEnd() && peek() != QLatin1Char('\n')) {
            if (!peek().isSpace())
                refuse(m_line, QStringLiteral("dupa \";\" urmeaza alt text pe aceeasi linie"));
            ++m_pos;
        }
        if (int(values.size()) != expected.size())
            refuse(line, QStringLiteral("%1 valori in loc de %2").arg(values.size()).arg(expected.size()));
        if (isActs)
            pack.acts.push_back(act(values, line));
        else
            pack.news.push_back(news(values, line));
    }

    Value value()
    {
        Value v;
        const int line = m_line;
        if (peek() == QLatin1Char('\'')) {
            advance();
            QString text;
            // Copy whole runs between quotes: a body may be megabytes long.
            for (;;) {
                const qsizetype quote = m_s.indexOf(QLatin1Char('\''), m_pos);
                if (quote < 0)
                    refuse(line, QStringLiteral("text neincheiat (lipseste apostroful de inchidere)"));
                const QStringView run = QStringView(m_s).mid(m_pos, quote - m_pos);
                m_line += int(std::count(run.utf16(), run.utf16() + run.size(), u'\n'));
                text += run;
                m_pos = int(quote) + 1;
                if (peek() != QLatin1Char('\''))
                    break;
                text += QLatin1Char('\''); // a doubled quote stands for one
                ++m_pos;
            }
            v.text = text;
            return v;
        }
        const int start = m_pos;
        while (!atEnd() && peek().isDigit() && peek().unicode() < 128)
            ++m_pos;
        v.text = m_s.mid(start, m_pos - start);
        if (v.text.isEmpty() || v.text.size() > 18 ||
            (!atEnd() && !peek().isSpace() && peek() != QLatin1Char(',') && peek() != QLatin1Char(')')))
            refuse(line,
                   QStringLiteral("valoare invalida: \"%1\" (se accepta numere intregi sau texte intre apostrofuri)")
                       .arg(m_s.mid(start, 20).section(QLatin1Char('\n'), 0, 0)));
        v.isNumber = true;
        return v;
    }

    static qint64 number(const Value& v, const char* column, int line)
    {
        if (!v.isNumber || v.text.toLongLong() <= 0)
            refuse(line, QStringLiteral("%1 trebuie sa fie un numar intreg pozitiv").arg(QLatin1String(column)));
        return v.text.toLongLong();
    }

    static Act act(const std::vector<Value>& v, int line)
    {
        Act a;
        a.line = line;
        a.id = number(v[0], "ID", line);
        a.titlu = v[1].text;
        a.an = v[2].text;
        a.dataAparitie = v[3].text;
        a.monitoruloficial = v[4].text;
        a.emitent = v[5].text;
        a.tipact = v[6].text;
        a.continut = v[7].text;
        a.nract = v[8].text;
        if (a.titlu.trimmed().isEmpty())
            refuse(line, QStringLiteral("actul %1 nu are titlu").arg(a.id));
        if (a.an.size() != 4 || !SqlLiteral::isWholeNumber(a.an) || !a.an[0].isDigit())
            refuse(line, QStringLiteral("anul (An) trebuie sa aiba patru cifre, nu \"%1\"").arg(a.an.left(20)));
        if (!isStoredDate(a.dataAparitie))
            refuse(line, QStringLiteral("data aparitiei trebuie sa fie de forma zz-ll-aaaa, nu \"%1\"")
                             .arg(a.dataAparitie.left(20)));
        return a;
    }

    static News news(const std::vector<Value>& v, int line)
    {
        News n;
        n.line = line;
        n.id = number(v[0], "id", line);
        n.titlu = v[1].text;
        n.link = number(v[2], "link", line);
        if (n.titlu.trimmed().isEmpty())
            refuse(line, QStringLiteral("noutatea %1 nu are titlu").arg(n.id));
        return n;
    }

    // One pack, one version of each act and news item.
    static void checkRepeats(const Pack& pack)
    {
        std::map<qint64, int> seen;
        for (const Act& a : pack.acts)
            if (!seen.emplace(a.id, a.line).second)
                refuse(a.line, QStringLiteral("actul cu ID %1 apare a doua oara (prima data la linia %2)")
                                   .arg(a.id)
                                   .arg(seen[a.id]));
        seen.clear();
        for (const News& n : pack.news)
            if (!seen.emplace(n.id, n.line).second)
                refuse(n.line, QStringLiteral("noutatea cu id %1 apare a doua oara (prima data la linia %2)")
                                   .arg(n.id)
                                   .arg(seen[n.id]));
    }

    const QString& m_s;
    int m_pos = 0;
    int m_line = 1;
};

void appendQuoted(QString& out, const QString& value)
{
    out += QLatin1Char('\'');
    out += SqlLiteral::text(value);
    out += QLatin1Char('\'');
}

// Length of a valid UTF-8 sequence starting at s[i], or 0.
int utf8SequenceLength(const unsigned char* s, qsizetype i, qsizetype n)
{
    const unsigned char c = s[i];
    if (c < 0x80)
        return 1;
    int len;
    unsigned min;
    unsigned cp;
    if ((c & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + len > n)
        return 0;
    for (int k = 1; k < len; ++k) {
        if ((s[i + k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

Refusal::Refusal(int atLine, const QString& why) : UserError(refusalMessage(atLine, why)), line(atLine), reason(why) {}

QByteArray readFile(const QString& path)
{
    return unpack(readRaw(path));
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(0, QStringLiteral("fisierul \"%1\" nu poate fi deschis").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        refuse(0, QStringLiteral("fisierul \"%1\" nu poate fi citit").arg(path));
    return bytes;
}

QByteArray unpack(const QByteArray& raw)
{
    if (!raw.startsWith("\x1f\x8b"))
        return raw;
    // Every gzip member in turn, as gzip itself reads concatenated files.
    if (quint64(raw.size()) > std::numeric_limits<uInt>::max())
        refuse(0, QStringLiteral("fisierul comprimat este prea mare"));
    QByteArray bytes;
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        refuse(0, QStringLiteral("fisierul comprimat nu poate fi citit"));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.constData()));
    z.avail_in = uInt(raw.size());
    const qsizetype chunk = 1 << 22;
    int result = Z_OK;
    for (;;) {
        const qsizetype at = bytes.size();
        bytes.resize(at + chunk);
        z.next_out = reinterpret_cast<Bytef*>(bytes.data() + at);
        z.avail_out = uInt(chunk);
        result = inflate(&z, Z_NO_FLUSH);
        bytes.resize(at + chunk - qsizetype(z.avail_out));
        if (result == Z_STREAM_END && z.avail_in > 0)
            result = inflateReset(&z);
        else if (result == Z_STREAM_END || (result != Z_OK && result != Z_BUF_ERROR) ||
                 (result == Z_BUF_ERROR && z.avail_in == 0))
            break;
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END)
        refuse(0, QStringLiteral("fisierul comprimat este deteriorat"));
    return bytes;
}

QString decode(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(view);
    if (!decoder.hasError())
        return text;
    // Find the line of the first fault to tell the user.
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    int line = 1;
    for (qsizetype i = 0; i < n;) {
        if (s[i] == '\n')
            ++line;
        const int len = utf8SequenceLength(s, i, n);
        if (len == 0)
            refuse(line, QStringLiteral("textul nu este scris in UTF-8"));
        i += len;
    }
    refuse(0, QStringLiteral("textul nu este scris in UTF-8"));
}

Pack parse(const QString& text)
{
    return Parser(text).run();
}

QString actStatement(const Act& a)
{
    const QString* texts[] = {&a.titlu,   &a.an,     &a.dataAparitie, &a.monitoruloficial,
                              &a.emitent, &a.tipact, &a.continut,     &a.nract};
    QString out = QStringLiteral("INSERT INTO Acte (ID, Titlu, An, DataAparitie,Monitoruloficial,Emitent,Tipact,"
                                 "Continut,nract) VALUES (");
    qsizetype size = out.size() + 40;
    for (const QString* t : texts)
        size += t->size() + 4;
    out.reserve(size);
    out += QString::number(a.id);
    for (const QString* t : texts) {
        out += QStringLiteral(", ");
        appendQuoted(out, *t);
    }
    out += QLatin1Char(')');
    return out;
}

QString newsStatement(const News& n)
{
    QString out =
        QStringLiteral("INSERT INTO noutati (id, titlu, link) VALUES (") + QString::number(n.id) + QStringLiteral(", ");
    appendQuoted(out, n.titlu);
    return out + QStringLiteral(", ") + QString::number(n.link) + QLatin1Char(')');
}

bool writeFile(const QString& path, const QByteArray& utf8)
{
    if (!path.endsWith(QLatin1String(".gz"))) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(utf8) == utf8.size() && file.flush();
    }
    GzFile file = openGz(path, "wb9");
    if (!file)
        return false;
    qsizetype done = 0;
    bool ok = true;
    while (ok && done < utf8.size()) {
        const int chunk = int(std::min<qsizetype>(utf8.size() - done, 1 << 20));
        ok = gzwrite(file.get(), utf8.constData() + done, unsigned(chunk)) == chunk;
        done += chunk;
    }
    // Closing writes the last block: its result is the write's.
    return gzclose(file.release()) == Z_OK && ok;
}

} // namespace UpdatePack
