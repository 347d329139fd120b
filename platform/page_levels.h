// SPDX-License-Identifier: MIT
#pragma once
// The levels a web page gives the program: pictures the player opened on
// the page, which the page writes into the program's memory as files, and
// levels from a link. The page hands them over through the functions that
// page_levels.cpp exports, at any time, before main() runs too; they wait
// for the main loop's next pass, and the page hears what became of each.

class FormEvents;

// Each waiting level to the form, in the order the page gave them.
void openPageLevels(FormEvents& form);
