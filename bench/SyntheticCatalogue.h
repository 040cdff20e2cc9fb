#pragma once

// A deterministic synthetic catalogue for benchmarks: the same acts for the
// same seed on every machine (our own arithmetic on mt19937's raw output, no
// library distributions). Titles of realistic length, about 30 % with
// diacritics, bodies from a few hundred bytes to a few megabytes.

#include "catalogue/SearchChoices.h"

#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace synthetic {

struct Options {
    int acts = 200000;
    int news = 200;
    unsigned seed = 2007;
    // Multiplies every body size; benches that only list titles may shrink bodies.
    double bodyScale = 1.0;
};

struct Figures {
    long long acts = 0;
    long long bodyBytes = 0;
    long long actsWithDiacritics = 0;
};

class Rng {
public:
    explicit Rng(unsigned seed) : m_gen(seed) {}
    std::uint32_t next() { return std::uint32_t(m_gen()); }
    // Uniform in [0, n).
    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : std::uint32_t((std::uint64_t(next()) * n) >> 32); }
    bool chance(std::uint32_t perMille) { return below(1000) < perMille; }
    template <std::size_t N>
    const char* pick(const char* const (&items)[N])
    {
        return items[below(N)];
    }

private:
    std::mt19937 m_gen;
};

inline const char* const kTypeWords[] = {"Legea",   "Decretul",    "Ordonanța de urgență", "Hotărârea",
                                         "Ordinul", "Decizia",     "Regulamentul",         "Normele metodologice",
                                         "Acordul", "Rectificarea"};
static_assert(std::size(kTypeWords) == SearchChoices::kTypeCount, "one title word per act type");
// Subjects without and with diacritics; with the type words about 30 % of titles hold some.
inline const char* const kPlainSubjects[] = {
    "privind aprobarea bugetului de stat pe anul",
    "pentru modificarea si completarea Codului fiscal",
    "privind regimul juridic al contractelor de concesiune",
    "pentru aprobarea normelor de aplicare a legii privind societatile comerciale",
    "privind organizarea si functionarea consiliilor locale",
    "pentru ratificarea acordului de cooperare economica",
    "privind protectia mediului si a apelor",
    "privind sistemul public de pensii si alte drepturi de asigurari sociale",
    "pentru stabilirea unor masuri de organizare a activitatii de transport rutier",
    "privind achizitiile publice de lucrari, produse si servicii"};
inline const char* const kAccentSubjects[] = {
    "privind înființarea, organizarea și funcționarea Agenției Naționale",
    "pentru aprobarea Regulamentului de aplicare a dispozițiilor privind asigurările de sănătate",
    "privind stabilirea măsurilor de protecție a consumatorilor",
    "pentru modificarea Legii nr. 31/1990 privind societățile comerciale, republicată",
    "privind regimul juridic al terenurilor agricole situate în extravilan",
    "privind declararea de utilitate publică a lucrărilor de interes național"};
inline const char* const kArticleTexts[] = {
    "Prezentul act normativ reglementează raporturile juridice dintre autoritățile publice și persoanele fizice "
    "sau juridice care desfășoară activități în domeniul său de aplicare.",
    "Sumele încasate se virează în termen de 30 de zile la bugetul de stat, potrivit prevederilor legale în vigoare.",
    "Contravențiile prevăzute la alineatul precedent se sancționează cu amendă de la 1.000 lei la 5.000 lei.",
    "Ministerul de resort elaborează normele metodologice de aplicare, care se aprobă prin hotărâre a Guvernului "
    "în termen de 60 de zile de la data intrării în vigoare.",
    "Drepturile dobândite anterior intrării în vigoare a prezentei legi se mențin în condițiile în care au fost "
    "stabilite.",
    "Orice dispoziție contrară se abrogă la data publicării în Monitorul Oficial al României, Partea I."};

// Body size in bytes before scaling: most acts short, a few long, a handful huge.
inline std::size_t bodySize(Rng& rng)
{
    const std::uint32_t r = rng.below(100000);
    if (r < 50) // 0.05 %: codes and consolidated texts, 0.5 to 3 MB
        return 500000 + rng.below(2500000);
    if (r < 1000) // about 1 %: 20 to 200 kB
        return 20000 + rng.below(180000);
    if (r < 15000) // 14 %: 3 to 20 kB
        return 3000 + rng.below(17000);
    return 300 + rng.below(2700);
}

inline std::string body(Rng& rng, const std::string& title, std::size_t size)
{
    std::string text = title;
    text += "\r\n\r\n";
    int article = 1;
    while (text.size() < size) {
        text += "Art. " + std::to_string(article++) + ". - ";
        text += rng.pick(kArticleTexts);
        text += "\r\n";
    }
    return text;
}

inline void exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

// Inserts the 5 MB act the viewer benchmarks open ("Codul de test zzunic"),
// its text starting with `firstLine`; returns that text.
inline std::string addBigAct(sqlite3* db, int id, const std::string& firstLine)
{
    std::string big = firstLine + "\r\n";
    for (int art = 1; big.size() < 5u * 1024 * 1024; ++art)
        big += "Art. " + std::to_string(art) + ". - " + kArticleTexts[art % 6] + "\r\n";
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, "
                       "Continut, nract) VALUES (?, 'Codul de test zzunic', '2007', '01-01-2007', '1', "
                       "'parlamentul', 'lege', ?, '1')",
                       -1, &s, nullptr);
    sqlite3_bind_int(s, 1, id);
    sqlite3_bind_text(s, 2, big.data(), int(big.size()), SQLITE_STATIC);
    sqlite3_step(s);
    sqlite3_finalize(s);
    return big;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Creates the database at dbPath from the schema and fills the catalogue.
// The file must not exist yet.
inline Figures makeCatalogue(const std::string& dbPath, const std::string& schemaPath, const Options& options)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + dbPath);
    }
    Figures figures;
    try {
        exec(db, readFile(schemaPath));
        exec(db, "PRAGMA synchronous = OFF; BEGIN");
        sqlite3_stmt* act = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO Acte (ID, Titlu, An, DataAparitie, Monitoruloficial, Emitent, Tipact, "
                           "Continut, nract) VALUES (?,?,?,?,?,?,?,?,?)",
                           -1, &act, nullptr);
        Rng rng(options.seed);
        for (int id = 1; id <= options.acts; ++id) {
            const std::uint32_t t = rng.below(SearchChoices::kTypeCount);
            const int year = 1990 + int(rng.below(21));
            const int number = 1 + int(rng.below(1500));
            const bool accents = rng.chance(90);
            std::string title = std::string(kTypeWords[t]) + " nr. " + std::to_string(number) + "/" +
                                std::to_string(year) + " " +
                                (accents ? rng.pick(kAccentSubjects) : rng.pick(kPlainSubjects));
            if (rng.chance(250))
                title += " " + std::to_string(year + 1);
            if (rng.chance(60))
                title += ", cu modificările ulterioare";
            for (unsigned char c : title)
                if (c >= 0x80) {
                    ++figures.actsWithDiacritics;
                    break;
                }
            char date[16];
            std::snprintf(date, sizeof date, "%02u-%02u-%04d", 1 + rng.below(28), 1 + rng.below(12), year);
            const std::string text = body(rng, title, std::size_t(double(bodySize(rng)) * options.bodyScale));
            const std::string values[] = {title,
                                          std::to_string(year),
                                          date,
                                          std::to_string(1 + rng.below(1200)),
                                          SearchChoices::kIssuers[1 + rng.below(SearchChoices::kIssuerCount)],
                                          SearchChoices::kActTypes[1 + t],
                                          text,
                                          std::to_string(number)};
            sqlite3_bind_int(act, 1, id);
            for (int i = 0; i < 8; ++i)
                sqlite3_bind_text(act, i + 2, values[i].data(), int(values[i].size()), SQLITE_TRANSIENT);
            if (sqlite3_step(act) != SQLITE_DONE)
                throw std::runtime_error(sqlite3_errmsg(db));
            sqlite3_reset(act);
            figures.bodyBytes += static_cast<long long>(text.size());
            ++figures.acts;
        }
        sqlite3_finalize(act);
        for (int id = 1; id <= options.news && options.acts > 0; ++id) {
            const int link = 1 + int(rng.below(std::uint32_t(options.acts)));
            exec(db, "INSERT INTO noutati (id, titlu, link) VALUES (" + std::to_string(id) +
                         ", 'A fost publicat actul nr. " + std::to_string(link) + "', " + std::to_string(link) + ")");
        }
        exec(db, "COMMIT; PRAGMA synchronous = FULL");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
    return figures;
}

} // namespace synthetic
