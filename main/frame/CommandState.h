#pragma once

struct CShellState;
class CPlotvaneDoc;

// The enabled state of the window's commands, from the document and the shell's state:
//
//   Open Graphic, Open Document   no construction and the scanner not busy
//   Save Document                 a bitmap and no construction
//   Data export                   a curve somewhere and no construction
//   New coordinates system, Both  a bitmap and no construction
//   New ... curve                 a coordinate system and no construction
//   Modify, Delete                a selected coordinate system or curve, no construction
//   Zoom                          a bitmap
//   Options                       no construction
//   Select source                 a view, no construction, a source manager, not busy
//   Import                        a view, no construction, a scanner that can acquire
//
// Every other command is always enabled.
class CCommandState {
public:
    static bool IsEnabled(unsigned nId, const CPlotvaneDoc& doc, const CShellState& state);
};
