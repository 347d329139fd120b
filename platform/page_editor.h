// SPDX-License-Identifier: MIT
#pragma once
// The map panel's buttons on a web page: Map, Edit, New level and Save
// picture. The page presses them through the function page_editor.cpp
// exports, at any time; they wait for the main loop's next pass, as the
// keys that do the same wait for theirs. A picture the editor saves is
// offered to the page, which has the browser download it.

#include <span>
#include <string>

class FormEvents;

// Each waiting press to the form's handler, in order.
void pressPageButtons(FormEvents& form);

void offerDownload(const std::string& fileName, std::span<const unsigned char> bytes);
