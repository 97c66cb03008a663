// Keyboard use and screen-reader names of the selection, setup, intro (title,
// help pages, topic screen) and results screens: each screen's focus chain in
// reading order, its back key, and the Czech names and roles of its controls.
#pragma once

class frm_Select;
class frm_Setup;
class frm_Intro;
class frm_Tabulka;

namespace screens {

void setUpSelectKeys(frm_Select &form);
void setUpSetupKeys(frm_Setup &form);
// The intro form's pages are one area that Enter, Space or Esc presses; the
// topic screen has its buttons. showPageArea follows the form's mode.
void setUpIntroKeys(frm_Intro &form);
void showIntroPageArea(frm_Intro &form, bool shown);
void setUpResultsKeys(frm_Tabulka &form);

}  // namespace screens
