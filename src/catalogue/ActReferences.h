#pragma once

#include <QString>

#include <vector>

class modDB;

// References from one act to others ("Legea nr. 53/2003", "O.U.G. nr. 34/2006",
// "Hotararea Guvernului nr. 1.425/2006"...) and the catalogue acts they name.
namespace ActReferences {

struct Reference {
    qsizetype start = 0;
    qsizetype length = 0;
    QString type;   // Acte.Tipact: "lege", "ordonanta de urgenta", "hotarare"...
    QString number; // digits only, thousands dots removed
    QString year;   // four digits
    QString actId;  // the one act it names; empty when none or several do
};

// Every reference written in `text`, in order, unresolved.
std::vector<Reference> find(const QString& text);

// Fills actId of each reference whose type, number and year match exactly one
// act of the catalogue. One query for all of them, by the indexed act number.
void resolve(modDB& db, std::vector<Reference>& refs);

// The act id of an `act:ID` link, or empty.
QString linkedActId(const QString& href);
QString linkFor(const QString& actId);

} // namespace ActReferences
