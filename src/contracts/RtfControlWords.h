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
    // revisions, notes, pages and fields
    Hidden,  // \v, \deleted
    Raise,   // value: 1 super, -1 sub, 0 neither; \up and \dn by their number
    RaiseBy, // value: 1 up, -1 down
    Caps,    // value: 1 capitals, 2 small capitals
    Highlight,
    LineSpacing,
    LineMultiple,
    PageBreakBefore,
    Section,
    SectionDefaults,
    SectionBreak, // value: 1 a new page, 0 not
    ReadGroup,    // a group whose text is read even when marked ignorable
    Footnote,
    EndnoteMark,
    NoteNumber,
    NoteStyle,      // value: 10 * (0 footnotes, 1 endnotes) + numbering style
    HeaderFooter,   // value: 10 * (0 header, 1 footer) + priority
    HeaderDistance, // value: 0 header, 1 footer
    TitlePage,
    FieldInstruction,
    FieldResult,
    PageNumber,
    // tables
    InTable,
    TableLevel,
    RowDefaults,
    RowLeft,
    CellRight,
    CellMerge, // value: 1 continues the cell to its left, 2 the cell above
    EndCell,   // value: 0 \cell, 1 \nestcell
    EndRow,    // value: 0 \row, 1 \nestrow
    NestTableProps,
    // lists and tabs
    ListTable,
    ListOverrideTable,
    ListDef,
    ListLevel,
    LevelStyle,
    LevelStart,
    LevelText,
    LevelFollow,
    ListId,
    ListOverride,
    ListNumber,
    ListLevelNumber,
    ListText,
    TabKind,   // value: 1 centre, 2 right, 3 decimal
    TabLeader, // value: the leader character
};

struct RtfControlWord {
    const char* name;
    RtfAction action;
    int value;
};

// The meaning of a control word; RtfAction::None for a word not known.
RtfControlWord rtfControlWord(const char* name);
