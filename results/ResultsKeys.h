// Keyboard use and screen-reader names of the results screen: its one
// button in the focus chain, Esc as that button, and the button's Czech name.
#pragma once

class frm_Tabulka;

namespace screens {

void setUpResultsKeys(frm_Tabulka &form);

}  // namespace screens
