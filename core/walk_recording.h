// SPDX-License-Identifier: MIT
#pragma once
// A walk being recorded, pass by pass: kept in memory, where the web page's
// "Record" makes a walk link of it, and with `--record FILE` written as a
// demo as it goes, a block about once a second, into FILE.part, which takes
// FILE's place when the program closes.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "assets/map_cells.h"
#include "base/atomic_file.h"
#include "sim/walk.h"
#include "sim/walk_records.h"

struct GameState;

// Where a recording goes as it is made, besides memory. Each returns "" or
// why it cannot write.
class WalkOutput {
public:
    virtual ~WalkOutput() = default;
    virtual std::string start(const Walk& walk) = 0;
    // The records since the last block, and the pose they left the player in.
    virtual std::string block(std::span<const unsigned char> records, const Pose& after) = 0;
    // The end, and the output put in place.
    virtual std::string end(const WalkEnd& end) = 0;
    virtual const std::string& fileName() const = 0;
};

// A demo (sim/demo_file.h) in FILE.part beside FILE, put in FILE's place at
// the end.
std::unique_ptr<WalkOutput> demoFileOutput(PartFile file, std::string programVersion);

class WalkRecording {
public:
    // With no output, into memory alone.
    explicit WalkRecording(std::unique_ptr<WalkOutput> output = nullptr);

    // Where the player stands and the level played; "" or why the output
    // cannot be written.
    std::string begin(const GameState& state);
    void pass(const WalkPass& pass);
    void levelChanged(const MapCells& cells);
    // About once a second: a checkpoint, and the passes since the last one
    // to the output, so that a crash loses no more. A failed write stops
    // the output, keeping what it wrote.
    std::string flush(const GameState& state);
    // The end of the walk, and the output put in place.
    std::string finish(const GameState& state);

    const Walk& walk() const { return recorded; }
    // The output's, for its lines.
    const std::string& fileName() const { return name; }

private:
    std::string written(std::string problem);

    Walk recorded;
    WalkWriter<ByteUnits> writer{ByteUnits{recorded.records}};
    std::size_t flushed = 0;
    std::unique_ptr<WalkOutput> output;
    std::string name;
};
