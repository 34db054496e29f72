#ifndef ENGINE_BASIN_RESULTS_H
#define ENGINE_BASIN_RESULTS_H

// The results of one basin computed again from its record, as the main
// window computes them once the record is loaded: the volumes, discharges and
// dimensions a load never reads, the pipe length, the automatic choice of each
// design table, and whether the record's own choice in each table is that
// choice, another one (a designer overwrite, the blue mark) or none at all.
// The record's own values (Do, Q, Ds, h, Qps, Qes and the channel) stand as
// stored. Text that is not a number gives no result, never a failure.

#include "engine/basin_design.h"
#include "engine/basin_sizing.h"
#include "engine/design_tables.h"
#include "engine/spillways.h"

#include <optional>
#include <string>

namespace engine {

// The record's choice in a design table.
enum class Choice {
    None,       // nothing chosen yet (Do, Qps or the stage is 0)
    Automatic,  // the table's own choice
    Overwrite,  // another value than the table's choice
};

struct BasinResults {
    // Volumes/Runoff, from Area, CFactor, I1 and I2.
    std::optional<double> vs;   // cf; nothing when the area is not a measure
    std::optional<double> vc;
    std::optional<double> q2;   // cfs; nothing without a C below 1, an I and an area
    std::optional<double> q25;

    // Basin's Dimensions, from Vs, Slope and Depth.
    std::optional<int> depth;   // the stored depth, 4 to 10 ft
    SizingResult sizing;        // defined when Vs, the slope and the depth are

    // Principal spillway.
    table_a::Selection pipe;               // the automatic choice for H and Q2
    std::optional<table_a::Cell> chosenPipe;  // the cell of the record's Do and Q
    Choice pipeChoice = Choice::None;
    PipeLength length;                     // L from A, B, C, Zu (the basin's slope), Zd, T, E
    table_b::Selection correction;         // the automatic CF for L and the record's Do
    std::string automaticQpsText;          // Q x CF as the table window shows it
    std::string automaticMainQpsText;      // the same as the main window writes it
    Choice qpsChoice = Choice::None;

    // Emergency spillway.
    table_es::Suggestion suggestion;       // the suggested channel for the record's Qes
    std::optional<table_es::Cell> chosenChannel;  // the cell of the record's stage and bottom width
    Choice channelChoice = Choice::None;
    bool overDesigned = false;             // Qes below 0
};

BasinResults basinResults(const BasinDesign& design);

}  // namespace engine

#endif  // ENGINE_BASIN_RESULTS_H
