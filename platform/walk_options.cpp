// SPDX-License-Identifier: MIT
#include "platform/walk_options.h"

#include <utility>

#include "core/timedemo.h"
#include "sim/demo_file.h"
#include "platform/user_text.h"

std::variant<WalkStart, std::string> prepareWalks(const CommandLine& command)
{
    WalkStart start;
    if (!command.play.empty()) {
        DemoReading demo = readDemoFile(command.play);
        if (!demo.problem.empty()) return demo.problem;
        start.play = std::move(demo.walk);
    }
    if (!command.record.empty()) {
        std::string problem;
        std::optional<PartFile> file = PartFile::create(command.record, problem);
        if (!file) return command.record + ": error: cannot be written: " + problem;
        start.record.emplace(std::move(*file));
    }
    return start;
}

void startWalks(frmMain& form, WalkStart start, const CommandLine& command)
{
    form.mouse = MouseTurn(command.mouseSpeed);
    if (start.play) form.replay.emplace(std::move(*start.play), command.play);
    if (start.record) form.recording.emplace(demoFileOutput(std::move(*start.record), std::string(programVersion())));
}

int runTimedemoCommand(const std::string& fileName)
{
    DemoReading demo = readDemoFile(fileName);
    if (!demo.problem.empty()) {
        showUserText(demo.problem + "\n", UserStream::Error);
        return 2;
    }
    const TimedemoResult result = runTimedemo(std::move(demo.walk), fileName);
    showUserText(result.lines, UserStream::Output);
    return result.differed ? 3 : 0;
}
