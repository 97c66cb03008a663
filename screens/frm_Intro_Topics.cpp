// The topic screen of exercise 21, built over the intro form.
#include "screens/frm_Intro.h"

void frm_Intro::Zobraz_formular_vyberova_obrazovka_21() {}
