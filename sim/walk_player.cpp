// SPDX-License-Identifier: MIT
#include "sim/walk_player.h"

#include "base/concat.h"

WalkPlayer::WalkPlayer(const Walk& walk) : walk(walk), reader(ByteReader{walk.records}) {}

void WalkPlayer::compare(const Pose& now, std::int64_t ticks, const Pose& recorded)
{
    lastCompared = ticks;
    if (!differsAt && !(now == recorded)) differsAt = ticks;
}

std::optional<WalkStep> WalkPlayer::next(const GameState& state)
{
    const Pose now = poseOf(state);
    // A checkpoint lies between records, and a run's passes all come from
    // one record: it is reached once its run is played out.
    while (reader.atRecordEnd() && nextCheckpoint < walk.checkpoints.size() &&
           walk.checkpoints[nextCheckpoint].recordsEnd == reader.at()) {
        const Checkpoint& checkpoint = walk.checkpoints[nextCheckpoint++];
        compare(now, checkpoint.ticks, checkpoint.pose);
    }
    std::optional<WalkStep> step = reader.next();
    if (step) {
        if (!step->level) played += step->pass.ticks;
        return step;
    }
    if (!ended && walk.end) {
        compare(now, walk.end->ticks, walk.end->pose);
        endMatched = !differsAt;
    }
    ended = true;
    return std::nullopt;
}

std::string WalkPlayer::verdict() const
{
    std::string line = concat("played ", std::to_string(played), " of ", std::to_string(walk.ticks), " ticks; ");
    if (differsAt) {
        return concat(line, "the pose first differs from the recording's at tick ", std::to_string(*differsAt));
    }
    if (endMatched) return concat(line, "the final pose equals the recording's");
    if (lastCompared == 0) return concat(line, "no recorded pose was reached to compare with");
    return concat(line, "the pose equals the recording's up to tick ", std::to_string(lastCompared));
}
