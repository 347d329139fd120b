// SPDX-License-Identifier: MIT
#include "core/walk_recording.h"

#include <utility>

#include "assets/level_link.h"
#include "sim/demo_file.h"
#include "sim/game_state.h"

namespace {

class DemoFileOutput final : public WalkOutput {
public:
    DemoFileOutput(PartFile file, std::string programVersion)
        : file(std::move(file)), version(std::move(programVersion))
    {
    }

    std::string start(const Walk& walk) override
    {
        demo.emplace(version, walk.start, walk.level);
        return write();
    }
    std::string block(std::span<const unsigned char> records, const Pose& after) override
    {
        demo->seal(records, after);
        return write();
    }
    std::string end(const WalkEnd& end) override
    {
        demo->end(end.ticks, end.pose);
        const std::string problem = write();
        return problem.empty() ? file.commit() : problem;
    }
    const std::string& fileName() const override { return file.fileName(); }

private:
    std::string write()
    {
        const std::string problem = file.append(demo->pending());
        demo->take();
        return problem;
    }

    PartFile file;
    std::string version;
    std::optional<DemoWriter> demo;
};

}  // namespace

std::unique_ptr<WalkOutput> demoFileOutput(PartFile file, std::string programVersion)
{
    return std::make_unique<DemoFileOutput>(std::move(file), std::move(programVersion));
}

WalkRecording::WalkRecording(std::unique_ptr<WalkOutput> output)
    : output(std::move(output)), name(this->output ? this->output->fileName() : "")
{
}

std::string WalkRecording::written(std::string problem)
{
    if (!problem.empty()) output.reset();
    return problem;
}

std::string WalkRecording::begin(const GameState& state)
{
    recorded.start = poseOf(state);
    recorded.level = levelLink(state.mapCells);
    return output ? written(output->start(recorded)) : "";
}

void WalkRecording::pass(const WalkPass& pass)
{
    writer.pass(pass);
    recorded.ticks += pass.ticks;
}

// A level opened before the first pass is the start's.
void WalkRecording::levelChanged(const MapCells& cells)
{
    if (!recorded.level.empty()) writer.level(levelLink(cells));
}

std::string WalkRecording::flush(const GameState& state)
{
    writer.close();
    recorded.checkpoints.push_back({recorded.records.size(), recorded.ticks, poseOf(state)});
    const std::span<const unsigned char> records = std::span(recorded.records).subspan(flushed);
    flushed = recorded.records.size();
    return output ? written(output->block(records, poseOf(state))) : "";
}

std::string WalkRecording::finish(const GameState& state)
{
    std::string problem = flush(state);
    recorded.end = WalkEnd{recorded.ticks, poseOf(state)};
    if (output) problem = written(output->end(*recorded.end));
    return problem;
}
