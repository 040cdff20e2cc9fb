#pragma once

// What a control word does to the reader's state.
enum class RtfAction {
    None,            // a word this reader keeps nothing of
    Binary,          // \binN: N bytes of binary data follow
    SkipDestination, // the group holds no text: stylesheet, pictures, ...
    FontTable,
    ColorTable,
    Font,        // \fN: a font of the table, or the font to use
    FontCharset, // in the font table
    FontCodePage,
    ColorPart, // in the colour table; value 0, 1, 2: red, green, blue
    DefaultFont,
    DocumentCodePage, // value, or the word's number when value is 0
    Unicode,          // \uN
    UnicodeSkip,      // \ucN
    EndParagraph,
    PageBreak,
    Character, // value: the character
    Bold,
    Italic,
    Underline,
    NoUnderline,
    Strike,
    FontSize,
    Color,
    PlainCharacters,
    PlainParagraph,
    TabStop,
    Align, // value: a Qt::Alignment
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
};

struct RtfControlWord {
    const char* name;
    RtfAction action;
    int value;
};

// The meaning of a control word; RtfAction::None for a word not known.
RtfControlWord rtfControlWord(const char* name);
