#pragma once

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

// Turns a statement text written in the catalogue's (Jet) dialect into SQLite:
// `delete * from` becomes `delete from`, Jet `like` patterns become SQLite LIKE
// or the registered function jet_like(value, pattern), and every literal is
// lifted out into a bound parameter so that no value is ever parsed as SQL.
namespace SqlDialect {

using Param = std::variant<QString, qint64>;

struct Statement {
    QByteArray sql;            // UTF-8, with `?` placeholders
    std::vector<Param> params; // in placeholder order
};

// Throws StoreError for a text holding more than one statement or an
// unterminated literal.
Statement translate(const QString& jetText);

// Name of the SQL function that evaluates Jet patterns: jet_like(value, pattern).
inline constexpr const char* kJetLikeFunction = "jet_like";

} // namespace SqlDialect
