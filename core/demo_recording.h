// SPDX-License-Identifier: MIT
#pragma once
// A walk being recorded as a demo: into a file (`--record FILE`), whose
// pieces go to FILE.part as the walk goes on and which takes FILE's place
// when the program closes, or into memory (the web page's "Record"), where
// it becomes a walk link.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assets/map_cells.h"
#include "base/atomic_file.h"
#include "sim/demo_file.h"

struct GameState;

class DemoRecording {
public:
    // Into the file; nothing is written before begin().
    DemoRecording(PartFile file, std::string programVersion);
    // Into memory.
    explicit DemoRecording(std::string programVersion);

    // The header: where the player stands and the level played.
    void begin(const GameState& state);
    void pass(const WalkPass& pass);
    void levelChanged(const MapCells& cells);
    // About once a second: the passes so far go to the file, so that a crash
    // loses no more. "" or why the file cannot be written; the recording
    // then stops, keeping what it wrote.
    std::string flush(const GameState& state);
    // The rest and the end, and the file put in place; "" or why not.
    std::string finish(const GameState& state);

    // What a recording into memory holds so far.
    const std::vector<unsigned char>& bytes() const { return kept; }
    const std::string& fileName() const;

private:
    std::string write();

    std::optional<PartFile> file;
    std::string version;
    std::optional<DemoWriter> writer;
    std::vector<unsigned char> kept;
    std::int64_t ticks = 0;
    bool stopped = false;
};
