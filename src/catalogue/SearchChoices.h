#pragma once

#include <iterator>

// The fixed choices of the search panel's act type and issuer boxes, the
// "any" entry first. Generated catalogues draw their acts from the same lists.
namespace SearchChoices {

inline constexpr const char* kActTypes[] = {"- Orice Tip Act -",  "lege",  "decret",     "ordonanta de urgenta",
                                            "hotarare",           "ordin", "decizie",    "regulament",
                                            "norma metodologica", "acord", "rectificare"};
inline constexpr const char* kIssuers[] = {"- Orice Emitent -",
                                           "guvernul romaniei",
                                           "parlamentul",
                                           "domnitorul",
                                           "presedintele",
                                           "casa nationala de asigurari de sanatate",
                                           "prim-ministrul",
                                           "agentia nationala de administrare fiscala",
                                           "curtea constitutionala",
                                           "ministerul mediului si gospodaririi apelor",
                                           "ministerul transporturilor, constructiilor si turismului",
                                           "ministerul finantelor publice",
                                           "ministerul agriculturii, padurilor si dezvoltarii rurale",
                                           "autoritatea nationala de reglementare in domeniul energiei",
                                           "ministerul economiei si comertului",
                                           "autoritatea pentru valorificarea activelor statului",
                                           "ministerul culturii si cultelor",
                                           "monitorul oficial"};
inline constexpr auto kTypeCount = std::size(kActTypes) - 1; // without "any"
inline constexpr auto kIssuerCount = std::size(kIssuers) - 1;

} // namespace SearchChoices
