#pragma once

#include <QtGlobal>

struct AppContext;

// The borderless window's own chrome: dragging by the title strip, minimising
// and ending the program.
class WindowChrome {
public:
    explicit WindowChrome(AppContext& ctx) : m_ctx(ctx) {}

    void Image2_MouseDown(int button, int shift, float x, float y);
    void Image2_MouseMove(int button, int shift, float x, float y);
    void Image2_MouseUp(int button, int shift, float x, float y);
    void Label27_Click();
    void Label29_Click();

    // The press place kept as a signed 16-bit twips value.
    static qint16 toTwipsWord(float value);
    static int twipsToPixels(float twips);

private:
    void moveWindow(float x, float y);

    AppContext& m_ctx;
};
