// Keyboard use and screen-reader names of the selection, setup and intro
// (title, help pages, topic screen) screens: each screen's focus chain in
// reading order, its back key, and the Czech names and roles of its controls.
// The results screen's keys are in results/ResultsKeys.h.
#pragma once

class frm_Select;
class frm_Setup;
class frm_Intro;

namespace screens {

void setUpSelectKeys(frm_Select &form);
void setUpSetupKeys(frm_Setup &form);
// The intro form's pages are one area that Enter, Space or Esc presses; the
// topic screen has its buttons. showPageArea follows the form's mode.
void setUpIntroKeys(frm_Intro &form);
void showIntroPageArea(frm_Intro &form, bool shown);

}  // namespace screens
