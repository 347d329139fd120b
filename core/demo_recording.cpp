// SPDX-License-Identifier: MIT
#include "core/demo_recording.h"

#include <utility>

#include "assets/level_link.h"
#include "sim/game_state.h"

DemoRecording::DemoRecording(PartFile file, std::string programVersion)
    : file(std::move(file)), version(std::move(programVersion))
{
}

DemoRecording::DemoRecording(std::string programVersion) : version(std::move(programVersion)) {}

const std::string& DemoRecording::fileName() const
{
    static const std::string none;
    return file ? file->fileName() : none;
}

void DemoRecording::begin(const GameState& state)
{
    writer.emplace(version, poseOf(state), levelLink(state.mapCells));
}

void DemoRecording::pass(const WalkPass& pass)
{
    writer->pass(pass);
    ticks += pass.ticks;
}

// A level opened before the first pass is the header's.
void DemoRecording::levelChanged(const MapCells& cells)
{
    if (writer) writer->level(levelLink(cells));
}

std::string DemoRecording::write()
{
    std::string problem;
    if (!stopped && file) {
        problem = file->append(writer->pending());
    } else if (!stopped) {
        kept.insert(kept.end(), writer->pending().begin(), writer->pending().end());
    }
    writer->take();
    stopped = stopped || !problem.empty();
    return problem;
}

std::string DemoRecording::flush(const GameState& state)
{
    writer->seal(poseOf(state));
    return write();
}

std::string DemoRecording::finish(const GameState& state)
{
    writer->end(ticks, poseOf(state));
    std::string problem = write();
    if (problem.empty() && file) problem = file->commit();
    stopped = true;
    return problem;
}
