#pragma once

#include "agenda/Deadline.h"

#include <QString>
#include <vector>

class NonWorkingDays;
struct AppContext;

// The deadline panel over the agenda: counts a procedural term from the day it
// starts to run and stores its last day as an agenda event.
class DeadlinePanel {
public:
    DeadlinePanel(AppContext& ctx, const NonWorkingDays& days) : m_ctx(ctx), m_days(days) {}

    // Fills the fixed lists and the common terms of db/termene-uzuale.
    void setUp();

    void calctermen_Click();
    void termenadauga_Click();
    void termeninapoi_Click();
    // A common term picked: number, unit and rule follow it.
    void presetChosen(int index);
    // Any field changed: the result line follows.
    void recompute();

    Deadline::Result current() const;
    // "Ultima zi: 08.01.2027, vineri" and, when the end moved, why.
    QString resultText(const Deadline::Result& r) const;

    static QString weekdayName(const QDate& date);

private:
    struct Preset {
        QString name;
        int count;
        Deadline::Unit unit;
        Deadline::Rule rule;
    };
    void loadPresets();
    void loadTypes();

    AppContext& m_ctx;
    const NonWorkingDays& m_days;
    std::vector<Preset> m_presets;
    bool m_applyingPreset = false;
};
