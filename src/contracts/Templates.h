#pragma once

#include <QString>

struct AppContext;

// The contract templates list and viewer.
class Templates {
public:
    explicit Templates(AppContext& ctx) : m_ctx(ctx) {}

    void Contracte_Click();
    void List3_DblClick();

    struct Entry {
        const char* name; // shown in the list
        const char* file; // in Docs below the program folder
    };
    static const Entry kEntries[3];

    // Where a template file lives for the program in `programDir`.
    static QString templatePath(const QString& programDir, const QString& file);

private:
    AppContext& m_ctx;
};
