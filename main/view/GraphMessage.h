#pragma once

// The messages the graph view sends to the construction dialog attached to it, numbered as
// the program has always numbered them, and the key flags that come with each: the state
// of Shift and Ctrl when the mouse event happened.
enum GraphMessage : unsigned {
    WM_GRAPH_BUTTONDOWN = 101,  // left button pressed
    WM_GRAPH_DRAG = 102,        // moved with the button held, no auto-scroll needed
    WM_GRAPH_BUTTONUP = 103,    // left button released, or right button pressed while held
    WM_GRAPH_SCROLLDRAG = 105,  // moved out of the window where it can scroll: auto-scroll starts
    WM_GRAPH_SCROLLSTOP = 106,  // while auto-scrolling, no more need to scroll
};

constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// The cursor a construction dialog asks the view to show over the picture.
enum CursorKind : int {
    CURSOR_ARROW = 0,
    CURSOR_CROSS = 1,
    CURSOR_PIPETTE = 2,  // hot spot at its tip
    CURSOR_PEN = 3,      // hot spot at its tip
    CURSOR_ERASER = 4,   // hot spot at its lower left corner
};
