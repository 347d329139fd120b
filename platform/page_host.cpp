// SPDX-License-Identifier: MIT
#include "platform/window_host.h"

#include "platform/browser_clock.h"
#include "platform/page_editor.h"
#include "platform/page_levels.h"
#include "platform/page_walks.h"

namespace host {

// The page scales the canvas to fit, in whole steps; the client area keeps
// its size.
std::uint32_t windowFlags() { return 0; }
std::int32_t defaultScale() { return 1; }

// A page's keys arrive, its canvas shows the last frame and its levels and
// buttons come in only while the program has handed control back to the
// browser: once a pass, here.
void beforeEvents(FormEvents& form)
{
    browserSleep(0);
    openPageLevels(form);
    playPageWalks(form);
    pressPageButtons(form);
}

bool mouseTurns(bool) { return pageMouseTurns(); }

// The page shows a run-time error from stderr, and a refused level from
// what OpenLevel answered, in itself; SDL's box would be an alert() that
// blocks the page.
void showMessageBox(std::uint32_t, const std::string&) {}

// A page never closes its canvas; leaving it with unsaved edits is the
// browser's question (page.js).
std::size_t askInMessageBox(const std::string&, std::span<const char* const> buttons) { return buttons.size() - 1; }

std::string saveFile(const std::string& fileName, std::span<const unsigned char> bytes)
{
    offerDownload(fileName, bytes);
    return {};
}

}  // namespace host
