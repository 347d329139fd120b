// SPDX-License-Identifier: MIT
// The map panel and the editor in it, driven through the form as the
// platform drives them: the mouse in form pixels, the panel's keys, saving
// and closing.

#include <SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <vector>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "assets/level_picture.h"
#include "tests/fixture_pictures.h"
#include "tests/golden.h"
#include "tests/scratch_folder.h"
#include "tests/started_form.h"

namespace {

// Writes past 1000 bytes fail while `on`, as under a shell's file-size limit,
// which Windows does not have.
#ifdef _WIN32
constexpr bool fileSizeLimits = false;
void limitFileSize(bool) {}
#else
constexpr bool fileSizeLimits = true;
void limitFileSize(bool on)
{
    std::signal(SIGXFSZ, SIG_IGN);
    static const rlimit unlimited = [] { rlimit limit{}; getrlimit(RLIMIT_FSIZE, &limit); return limit; }();
    const rlimit small{1000, unlimited.rlim_max};
    setrlimit(RLIMIT_FSIZE, on ? &small : &unlimited);
}
#endif

constexpr int ctrl = vbCtrlMask;

struct EditingForm : StartedForm {
    ScratchFolder scratch;
    std::string file = (scratch.path / "level.bmp").string();

    EditingForm() : StartedForm(fixturePictures()) { form.ShowMapPanel(file); }

    // The mouse on the middle of a cell, in form pixels.
    FakePlatform::Event mouse(FakePlatform::Event::Kind kind, int buttons, double x, double y, int shift = 0)
    {
        const Surface& panel = form.mapPanel->picture;
        return FakePlatform::mouse(kind, buttons, float(panel.Left + 2 + (63.5 - x) * mapCellPixels),
                                   float(panel.Top + 2 + (y + 0.5) * mapCellPixels), shift);
    }
};

// The rays of a frame over the hall, the player and the patterns (see
// tests/golden.h for rewriting it).
TEST(MapPanel, DrawsTheLevelWithTheFramesRaysAsTheGoldenPicture)
{
    StartedForm world(fixturePictures());
    world.form.ShowMapPanel();
    world.form.Raycast(world.form.picRender);
    // What the first drawing put on the map goes, a changed cell comes.
    world.place(20.5f, 45.5f, 45);
    world.state.mapCells(30, 40) = 5;
    world.form.Raycast(world.form.picRender);
    const Surface& panel = world.form.mapPanel->picture;
    EXPECT_EQ(world.platform.panel, &panel);
    EXPECT_EQ(panel.Left, 339);
    const std::filesystem::path path = goldenPath("map_panel.bmp");
    const std::string fault =
        std::filesystem::exists(path)
            ? goldenDifference(panel.hDC(), Surface::fromBmp(fileBytes(path.string()), path.string()).hDC())
            : "there is no " + path.string();
    judgeGolden(path, fault, [&](const std::filesystem::path& file) {
        return SDL_SaveBMP(panel.image(), file.string().c_str()) == 0;
    });
}

// A drag paints, the caption marks the level unsaved at once, Ctrl+S writes
// a picture the level check takes with exactly the cells painted.
TEST(MapPanel, PaintsAndSavesTheLevelAsThePictureOfItsCells)
{
    EditingForm e;
    using Event = FakePlatform::Event;
    e.platform.script = {{},
                         {e.mouse(Event::MouseDown, vbLeftButton, 10, 20), e.mouse(Event::MouseMove, vbLeftButton, 14, 20),
                          e.mouse(Event::MouseUp, vbLeftButton, 14, 20), FakePlatform::panelKey(vk::digit0 + 4)},
                         {e.mouse(Event::MouseDown, vbRightButton, 12, 20), e.mouse(Event::MouseUp, vbRightButton, 12, 20),
                          e.mouse(Event::MouseDown, vbLeftButton, 3, 3), FakePlatform::panelKey('S', ctrl)},
                         {e.mouse(Event::MouseUp, vbLeftButton, 3, 3)}};
    EXPECT_THROW(e.form.Form_Load(), ProgramEnd);
    EXPECT_EQ(e.platform.captions,
              (std::vector<std::string>{"Quentavox - level.bmp - 1fps", "Quentavox - level.bmp* - 1fps",
                                        "Quentavox - level.bmp - 1fps"}));
    const LevelPicture saved = readLevelPicture(e.file);
    ASSERT_TRUE(saved.picture) << saved.lines;
    EXPECT_TRUE(saved.mapCells == e.state.mapCells);
    for (int x = 10; x <= 14; ++x) EXPECT_EQ(saved.mapCells(x, 20), x == 12 ? 0 : 1);
    EXPECT_EQ(saved.mapCells(3, 3), 4);
    EXPECT_TRUE(e.platform.questions.empty());
}

// A save that fails says why and keeps the old file whole and every edit;
// closing then asks, and Cancel keeps the program running.
TEST(MapPanel, AFailedSaveKeepsTheOldFileAndTheEdits)
{
    EditingForm e;
    std::filesystem::create_directory(e.file);
    const std::string folderFile = e.file + "/level.bmp";
    std::vector<std::string> targets{e.file, (e.scratch.path / "gone" / "level.bmp").string()};
    if (fileSizeLimits) targets.push_back(folderFile);
    std::filesystem::copy_file(fixturePath("map.bmp"), folderFile);
    int16_t button = vbLeftButton, shift = 0;
    const float x = 400, y = 100;
    e.form.picMap_MouseDown(button, shift, x, y);
    e.form.picMap_MouseUp(button, shift, x, y);
    for (const std::string& target : targets) {
        e.form.editedFile = target;
        limitFileSize(target == folderFile);
        EXPECT_FALSE(e.form.SaveLevel()) << target;
        limitFileSize(false);
        TextLine note;
        EXPECT_TRUE(noteText(e.form.editor->note(), note).starts_with("cannot save " + target + ": ")) << note.view();
        EXPECT_TRUE(e.form.editor->unsaved());
    }
    EXPECT_EQ(fileBytes(folderFile), fixtureBytes("map.bmp"));

    std::int16_t cancel = 0, mode = 0;
    e.form.Form_QueryUnload(cancel, mode);
    EXPECT_EQ(cancel, trueFlag);
    EXPECT_EQ(e.platform.questions, std::vector<std::string>{"Save the changes to level.bmp?"});
    e.platform.answer = Platform::SaveAnswer::Discard;
    EXPECT_THROW(e.form.Form_QueryUnload(cancel, mode), ProgramEnd);
}

}  // namespace
